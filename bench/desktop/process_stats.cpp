#include "desktop/process_stats.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace gorvo::bench {

namespace {

std::string first_line(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

// A "Name:   value" field of a status file, as a number.
std::optional<long long> status_field(const std::filesystem::path& file, std::string_view name) {
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        if (line.compare(0, name.size(), name) != 0 || line.size() <= name.size() ||
            line[name.size()] != ':') {
            continue;
        }
        std::istringstream value(line.substr(name.size() + 1));
        long long n = 0;
        if (value >> n) return n;
    }
    return std::nullopt;
}

std::optional<ThreadCount> count_thread(const std::filesystem::path& task) {
    // schedstat: nanoseconds on a processor, nanoseconds waiting, time slices.
    std::istringstream sched(first_line(task / "schedstat"));
    long long cpu_ns = 0;
    if (!(sched >> cpu_ns)) return std::nullopt;
    const std::optional<long long> voluntary =
        status_field(task / "status", "voluntary_ctxt_switches");
    const std::optional<long long> involuntary =
        status_field(task / "status", "nonvoluntary_ctxt_switches");
    if (!voluntary || !involuntary) return std::nullopt;
    ThreadCount c;
    c.name = first_line(task / "comm");
    c.cpu_ms = static_cast<double>(cpu_ns) / 1e6;
    c.switches = *voluntary + *involuntary;
    return c;
}

}  // namespace

ProcessSample sample_process(long long pid) {
    ProcessSample sample;
    const std::filesystem::path tasks =
        std::filesystem::path("/proc") / std::to_string(pid) / "task";
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(tasks, error)) {
        if (const std::optional<ThreadCount> c = count_thread(entry.path())) {
            sample.threads[std::stoi(entry.path().filename().string())] = *c;
        }
    }
    return sample;
}

Usage usage_between(const ProcessSample& before, const ProcessSample& after) {
    Usage u;
    for (const auto& [tid, now] : after.threads) {
        ThreadCount then;
        if (const auto it = before.threads.find(tid); it != before.threads.end()) then = it->second;
        u.cpu_ms += now.cpu_ms - then.cpu_ms;
        u.switches += now.switches - then.switches;
        u.switches_by_thread[now.name] += now.switches - then.switches;
    }
    return u;
}

std::optional<double> peak_rss_mb(long long pid) {
    const std::optional<long long> kib =
        status_field(std::filesystem::path("/proc") / std::to_string(pid) / "status", "VmHWM");
    if (!kib) return std::nullopt;
    return static_cast<double>(*kib) / 1024.0;
}

}  // namespace gorvo::bench
