#include "ui/startup_marks.h"

#include <sys/resource.h>
#include <time.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace gorvo::ui::startup {

namespace {

using Clock = std::chrono::steady_clock;

struct Marks {
    bool on = std::getenv("GORVO_REPORT_FIRST_PAINT") != nullptr;
    Clock::time_point origin = Clock::now();
};

Marks& marks() {
    static Marks instance;
    return instance;
}

double process_cpu_ms() {
    timespec t{};
    if (clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t) != 0) return 0;
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1.0e6;
}

}  // namespace

void mark(const char* what) {
    const Marks& m = marks();
    if (!m.on) return;
    const double wall = std::chrono::duration<double, std::milli>(Clock::now() - m.origin).count();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::fprintf(stderr, "startup_mark %.2f %.2f %ld %s\n", wall, process_cpu_ms(), usage.ru_minflt,
                 what);
    std::fflush(stderr);
}

}  // namespace gorvo::ui::startup
