// The one random generator of the program and of the simulator: the Mersenne Twister of 64 bits,
// whose output sequence the C++ standard fixes, reduced to a range by rejection sampling, so a
// seed gives the same draws with every compiler and standard library. A recording keeps the seed.
#pragma once

#include <cstdint>
#include <random>

#include "core/ports.h"

namespace gorvo::replay {

class Generator final : public RandomSource {
  public:
    explicit Generator(std::uint64_t seed) : seed_(seed), engine_(seed) {}
    // Uniform in 0..n-1; 0 when n is 1 or less.
    int draw(int n) override;
    std::uint64_t seed() const { return seed_; }

  private:
    std::uint64_t seed_;
    std::mt19937_64 engine_;
};

}  // namespace gorvo::replay
