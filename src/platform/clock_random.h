// The program-wide random generator, seeded once from a high-resolution clock when created.
#pragma once

#include <random>

#include "core/ports.h"

namespace gorvo::platform {

class ClockSeededRandom final : public RandomSource {
  public:
    ClockSeededRandom();
    // Uniform in 0..n-1; 0 when n is not positive.
    int draw(int n) override;

  private:
    std::mt19937 engine_;
};

}  // namespace gorvo::platform
