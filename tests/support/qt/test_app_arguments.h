// The command line the test program's Qt application is made with: the program's own name,
// nothing else. Qt keeps referring to both for the life of the application.
#pragma once

#include <cerrno>

namespace gorvo::test {

struct TestAppArguments {
    static inline int argc = 1;
    static inline char* argv[] = {program_invocation_short_name, nullptr};
};

}  // namespace gorvo::test
