// A fast 64-bit hash of bytes (the XXH64 algorithm, seed 0): tells apart, with a chance of error
// far below one in a billion, a file or a block of pixels that changed from the one seen before.
// It is no defence against someone forging a collision; the cache it serves holds nothing worth
// forging.
#pragma once

#include <cstdint>
#include <span>

namespace gorvo::skin {

std::uint64_t fast_hash(std::span<const std::uint8_t> bytes);

}  // namespace gorvo::skin
