// Decodes a skin's picture files side by side on the processor's cores, so that a load can then
// take the results one by one in its own order and stop at the first failure as before.
#pragma once

#include <filesystem>
#include <vector>

#include "skin/pictures.h"

namespace gorvo::skin {

// `file` decoded, with its double-size companion when a companion file lies beside it.
DecodeResult decode_with_companion(const std::filesystem::path& file);

// One result per file, in the same order; an empty path gets an empty result. Every picture
// gets its double-size companion when a companion file lies beside it.
std::vector<DecodeResult> decode_all(const std::vector<std::filesystem::path>& files);

}  // namespace gorvo::skin
