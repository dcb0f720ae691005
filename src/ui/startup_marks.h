// Marks along the start-up, for the start-up benchmark and its profile. With
// GORVO_REPORT_FIRST_PAINT set, each mark writes one line to the error output:
//   startup_mark <wall ms> <cpu ms> <what>
// <wall ms> counts from the first mark (main() calls it first thing), <cpu ms> is the processor
// time of the whole process so far, its loading included. Without the variable a mark costs one
// test of a flag.
#pragma once

namespace gorvo::ui::startup {

// `what`: one word naming the step that has just ended.
void mark(const char* what);

}  // namespace gorvo::ui::startup
