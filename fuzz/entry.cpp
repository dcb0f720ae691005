// The libFuzzer entry of one target, chosen when the program is built. A check that finds a
// fault aborts, so that libFuzzer keeps the input like any crash.
#include <cstdio>
#include <cstdlib>

#include "checks/targets.h"

#ifndef GORVO_FUZZ_TARGET
#error "GORVO_FUZZ_TARGET names the target to build"
#endif

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const gorvo::fuzz::Target* const target = gorvo::fuzz::find_target(GORVO_FUZZ_TARGET);
    if (target == nullptr) {
        std::fprintf(stderr, "no fuzz target named %s\n", GORVO_FUZZ_TARGET);
        std::abort();
    }
    const std::string problem = target->check(gorvo::fuzz::Input(data, size));
    if (!problem.empty()) {
        std::fprintf(stderr, "%s: %s\n", GORVO_FUZZ_TARGET, problem.c_str());
        std::abort();
    }
    return 0;
}
