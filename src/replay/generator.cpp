#include "replay/generator.h"

namespace gorvo::replay {

int Generator::draw(int n) {
    if (n <= 1) return 0;
    // Rejection sampling on the raw 64-bit output: uniform, and unlike the standard
    // distributions the same on every standard library.
    const auto range = static_cast<std::uint64_t>(n);
    const std::uint64_t limit = std::mt19937_64::max() - std::mt19937_64::max() % range;
    std::uint64_t x = engine_();
    while (x >= limit)
        x = engine_();
    return static_cast<int>(x % range);
}

}  // namespace gorvo::replay
