// The seed of the program's random generator (replay/generator.h): all 64 bits of a
// high-resolution clock reading, different in every run. A recording keeps it.
#pragma once

#include <cstdint>

namespace gorvo::platform {

std::uint64_t clock_seed();

}  // namespace gorvo::platform
