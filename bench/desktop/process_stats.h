// What the kernel counts for a running process: processor time and context switches of each of
// its threads, and its peak resident memory.
#pragma once

#include <map>
#include <optional>
#include <string>

namespace gorvo::bench {

struct ThreadCount {
    std::string name;
    double cpu_ms = 0;
    long long switches = 0;  // voluntary and involuntary: each is a wake-up of the thread
};

// One look at every thread of a process, by thread id.
struct ProcessSample {
    std::map<int, ThreadCount> threads;
};

ProcessSample sample_process(long long pid);

// Between two looks at the same process. A thread born in between counts from zero; one that
// ended in between is lost (the game's threads live as long as the process).
struct Usage {
    double cpu_ms = 0;
    long long switches = 0;
    std::map<std::string, long long> switches_by_thread;  // by thread name
};

Usage usage_between(const ProcessSample& before, const ProcessSample& after);

// VmHWM: the most resident memory the process has had so far, in MiB.
std::optional<double> peak_rss_mb(long long pid);

}  // namespace gorvo::bench
