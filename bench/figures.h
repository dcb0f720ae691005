// How the benchmarks print: one figure a line, "name value unit", and comment lines starting
// with '#'. A figure that could not be measured is printed as "name n/a unit" with a comment
// saying why.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

namespace gorvo::bench {

// Nearest-rank percentile, p in 0..1; 0 for no values.
inline double percentile(std::vector<double> values, double p) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const double rank = std::ceil(p * static_cast<double>(values.size()));
    const auto index = static_cast<std::size_t>(std::max(rank, 1.0)) - 1;
    return values[std::min(index, values.size() - 1)];
}

inline void print_figure(const std::string& name, double value, const std::string& unit,
                         int decimals = 1) {
    std::printf("%s %.*f %s\n", name.c_str(), decimals, value, unit.c_str());
    std::fflush(stdout);
}

inline void print_missing(const std::string& name, const std::string& unit,
                          const std::string& why) {
    std::printf("%s n/a %s\n# %s: %s\n", name.c_str(), unit.c_str(), name.c_str(), why.c_str());
    std::fflush(stdout);
}

// A comment line, formatted as printf formats; the compiler checks the arguments against the
// format as it does printf's.
[[gnu::format(printf, 1, 2)]] inline void print_note(const char* format, ...) {
    std::printf("# ");
    std::va_list args;
    va_start(args, format);
    std::vprintf(format, args);
    va_end(args);
    std::printf("\n");
    std::fflush(stdout);
}

}  // namespace gorvo::bench
