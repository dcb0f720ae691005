// The checker's account of a skin load: one line per item, as skin authors read it.
#pragma once

#include <string>

#include "core/images.h"
#include "skin/skin_loader.h"

namespace gorvo::skincheck {

// The lines of a load, up to where it stopped, then "error: TEXT" if it stopped at an error.
std::string describe_load(const skin::SkinLoadResult& result, const skin::WindowLayout& layout,
                          const Images& images);

}  // namespace gorvo::skincheck
