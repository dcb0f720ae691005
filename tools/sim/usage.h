// What `gorvo250-sim --help` prints; the manual page is made from the same text.
#pragma once

#include <string>
#include <string_view>

namespace gorvo::sim {

// The whole --help text: the command, options, every script action with what it does, the
// trace's lines with the modes of its last line, the exit status and where the formats are
// documented in full.
std::string usage_text();

// Its first line, the command's form, for a usage error.
std::string usage_lines();

// The mode the last line of a trace names by number ("6" is "Game A running").
std::string_view mode_name(int mode);

}  // namespace gorvo::sim
