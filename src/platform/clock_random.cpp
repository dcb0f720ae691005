#include "platform/clock_random.h"

#include <chrono>

namespace gorvo::platform {

ClockSeededRandom::ClockSeededRandom()
    : engine_(static_cast<std::mt19937::result_type>(
          std::chrono::high_resolution_clock::now().time_since_epoch().count())) {}

int ClockSeededRandom::draw(int n) {
    if (n <= 1) return 0;
    std::uniform_int_distribution<int> dist(0, n - 1);
    return dist(engine_);
}

}  // namespace gorvo::platform
