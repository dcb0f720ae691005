#include "platform/clock_random.h"

#include <chrono>

namespace gorvo::platform {

std::uint64_t clock_seed() {
    return static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

}  // namespace gorvo::platform
