// The checker's account of a skin load: one line per item, as skin authors read it, with what
// an author needs to mend the skin on lines of their own ("where:", "warning:", "summary:").
#pragma once

#include <filesystem>
#include <string>

#include "core/images.h"
#include "skin/skin_loader.h"

namespace gorvo::skincheck {

struct LoadReport {
    std::string text;  // the lines, each ending in a line feed
    int pictures = 0;  // pictures read from files: images, backdrop and logo
    int placeholders = 0;
    int missing = 0;  // pictures named that do not exist: placeholders, backdrop, logo
    int warnings = 0;
};

// The lines of a load of `config`, up to where it stopped. A completed load ends with the
// summary line; a stopped one with the "where:" line of what stopped it and "error: TEXT".
LoadReport describe_load(const std::filesystem::path& config, const skin::SkinLoadResult& result,
                         const skin::WindowLayout& layout, const Images& images);

}  // namespace gorvo::skincheck
