#include "skin/fast_hash.h"

#include <bit>
#include <cstring>

namespace gorvo::skin {

namespace {

constexpr std::uint64_t kPrime1 = 0x9E3779B185EBCA87ULL;
constexpr std::uint64_t kPrime2 = 0xC2B2AE3D27D4EB4FULL;
constexpr std::uint64_t kPrime3 = 0x165667B19E3779F9ULL;
constexpr std::uint64_t kPrime4 = 0x85EBCA77C2B2AE63ULL;
constexpr std::uint64_t kPrime5 = 0x27D4EB2F165667C5ULL;

std::uint64_t rotate_left(std::uint64_t x, int bits) {
    return (x << bits) | (x >> (64 - bits));
}

// Little-endian, as the algorithm reads its input on every machine.
std::uint64_t read64(const std::uint8_t* p) {
    std::uint64_t v = 0;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(&v, p, sizeof v);  // one load
    } else {
        for (int i = 7; i >= 0; --i)
            v = (v << 8) | p[i];
    }
    return v;
}

std::uint32_t read32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::uint64_t lane_round(std::uint64_t acc, std::uint64_t input) {
    acc += input * kPrime2;
    acc = rotate_left(acc, 31);
    return acc * kPrime1;
}

std::uint64_t merge_lane(std::uint64_t hash, std::uint64_t lane) {
    hash ^= lane_round(0, lane);
    return hash * kPrime1 + kPrime4;
}

// The four lanes over every whole 32-byte stripe; `p` is left after the last one.
std::uint64_t stripes(const std::uint8_t*& p, const std::uint8_t* end) {
    std::uint64_t v1 = kPrime1 + kPrime2;
    std::uint64_t v2 = kPrime2;
    std::uint64_t v3 = 0;
    std::uint64_t v4 = 0 - kPrime1;
    for (; end - p >= 32; p += 32) {
        v1 = lane_round(v1, read64(p));
        v2 = lane_round(v2, read64(p + 8));
        v3 = lane_round(v3, read64(p + 16));
        v4 = lane_round(v4, read64(p + 24));
    }
    std::uint64_t hash =
        rotate_left(v1, 1) + rotate_left(v2, 7) + rotate_left(v3, 12) + rotate_left(v4, 18);
    for (std::uint64_t lane : {v1, v2, v3, v4})
        hash = merge_lane(hash, lane);
    return hash;
}

}  // namespace

std::uint64_t fast_hash(std::span<const std::uint8_t> bytes) {
    const std::uint8_t* p = bytes.data();
    const std::uint8_t* const end = p + bytes.size();
    std::uint64_t hash = bytes.size() >= 32 ? stripes(p, end) : kPrime5;
    hash += bytes.size();
    for (; end - p >= 8; p += 8) {
        hash ^= lane_round(0, read64(p));
        hash = rotate_left(hash, 27) * kPrime1 + kPrime4;
    }
    if (end - p >= 4) {
        hash ^= read32(p) * kPrime1;
        hash = rotate_left(hash, 23) * kPrime2 + kPrime3;
        p += 4;
    }
    for (; p < end; ++p) {
        hash ^= *p * kPrime5;
        hash = rotate_left(hash, 11) * kPrime1;
    }
    hash ^= hash >> 33;
    hash *= kPrime2;
    hash ^= hash >> 29;
    hash *= kPrime3;
    hash ^= hash >> 32;
    return hash;
}

}  // namespace gorvo::skin
