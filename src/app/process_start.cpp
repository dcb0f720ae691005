#include "app/process_start.h"

#include <time.h>
#include <unistd.h>

#include <charconv>
#include <chrono>
#include <fstream>
#include <iterator>
#include <string>

namespace gorvo::app {

namespace {

using SteadyClock = std::chrono::steady_clock;

SteadyClock::time_point& marked_start() {
    static SteadyClock::time_point start = SteadyClock::now();
    return start;
}

// Field 22 of the stat line; fields 1 and 2 are the pid and the command in parentheses.
constexpr int kStartTimeField = 22;
constexpr int kFirstFieldAfterName = 3;

std::optional<long long> ms_from_kernel_start() {
    std::ifstream file("/proc/self/stat");
    const std::string line((std::istreambuf_iterator<char>(file)),
                           std::istreambuf_iterator<char>());
    const std::optional<unsigned long long> ticks = start_ticks_from_stat(line);
    const long ticks_per_second = sysconf(_SC_CLK_TCK);
    timespec now{};
    if (!ticks || ticks_per_second <= 0 || clock_gettime(CLOCK_BOOTTIME, &now) != 0) return {};
    const long long now_ms = static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
    const long long start_ms = static_cast<long long>(
        *ticks * 1000ULL / static_cast<unsigned long long>(ticks_per_second));
    if (start_ms > now_ms) return {};
    return now_ms - start_ms;
}

}  // namespace

void mark_process_start() {
    marked_start();
}

std::optional<unsigned long long> start_ticks_from_stat(std::string_view stat_line) {
    const std::size_t name_end = stat_line.rfind(')');
    if (name_end == std::string_view::npos) return {};
    std::size_t pos = name_end + 1;
    for (int field = kFirstFieldAfterName; field <= kStartTimeField; ++field) {
        while (pos < stat_line.size() && stat_line[pos] == ' ')
            ++pos;
        const std::size_t end = std::min(stat_line.find(' ', pos), stat_line.size());
        if (pos >= end) return {};
        if (field == kStartTimeField) {
            unsigned long long ticks = 0;
            const char* first = stat_line.data() + pos;
            const char* last = stat_line.data() + end;
            const auto [ptr, ec] = std::from_chars(first, last, ticks);
            if (ec != std::errc() || ptr != last) return {};
            return ticks;
        }
        pos = end;
    }
    return {};
}

long long ms_since_process_start() {
    if (const std::optional<long long> ms = ms_from_kernel_start()) return *ms;
    return std::chrono::duration_cast<std::chrono::milliseconds>(SteadyClock::now() -
                                                                 marked_start())
        .count();
}

}  // namespace gorvo::app
