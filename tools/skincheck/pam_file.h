// Pictures written as RGBA PAM files (P7, TUPLTYPE RGB_ALPHA, 8 bits per channel).
#pragma once

#include <filesystem>
#include <string>

#include "core/picture.h"

namespace gorvo::skincheck {

// An empty string on success, else what went wrong.
std::string write_pam(const Picture& picture, const std::filesystem::path& file);

}  // namespace gorvo::skincheck
