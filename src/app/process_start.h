// How long the process has been running, for the start-up measurement
// (GORVO_REPORT_FIRST_PAINT).
//
// On Linux the kernel's own start time of the process is used (/proc/self/stat, field 22, in
// clock ticks since boot, against the boot-time clock), so loading the shared libraries and
// running their initialisers is counted; its resolution is one clock tick (10 ms on most
// systems). Where that cannot be read, the time counts from mark_process_start(), which main()
// calls first thing.
#pragma once

#include <optional>
#include <string_view>

namespace gorvo::app {

void mark_process_start();

// Milliseconds since the process started.
long long ms_since_process_start();

// The start time in clock ticks since boot, read from the text of /proc/<pid>/stat; nothing
// when the text is not such a line. The command name in parentheses may hold spaces and
// parentheses itself, so the fields are counted from the last ')'.
std::optional<unsigned long long> start_ticks_from_stat(std::string_view stat_line);

}  // namespace gorvo::app
