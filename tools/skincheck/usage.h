// What `gorvo250-skincheck --help` prints; the manual page is made from the same text.
#pragma once

#include <string>

namespace gorvo::skincheck {

// The whole --help text: the command's forms, options, output, exit status and where the
// output is documented in full.
extern const char* const kUsage;

// Its first lines, the command's forms, for a usage error.
std::string usage_lines();

}  // namespace gorvo::skincheck
