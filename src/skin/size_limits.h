// Sizes read from Config.ini are kept sane, so that a typo cannot make the program allocate
// gigabytes for a window or an image.
#pragma once

#include <algorithm>
#include <cstdint>

namespace gorvo::skin {

constexpr std::int32_t kMaxSize = 16384;

// A negative size reads as 0; a size above kMaxSize as kMaxSize.
constexpr std::int32_t clamp_size(std::int32_t size) {
    return std::clamp(size, 0, kMaxSize);
}

// A position plus an offset, kept within the 32-bit range of a rectangle.
constexpr std::int32_t add_offset(std::int32_t position, std::int32_t offset) {
    const std::int64_t sum = std::int64_t{position} + offset;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(sum, INT32_MIN, INT32_MAX));
}

}  // namespace gorvo::skin
