// gorvo250-fault-settings-writer: a burst of settings writes through the game's own store, for
// the test that kills it at random moments. Every value of round R is known in advance (see
// burst_values.h); it says "writing" before the first write and "done <microseconds>" after the
// last.
#include <chrono>
#include <cstdio>
#include <string>

#include "fault/burst_values.h"
#include "platform/settings_store.h"

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: gorvo250-fault-settings-writer <store file> <round>\n");
        return 2;
    }
    gorvo::platform::QtSettingsStore store(QString::fromLocal8Bit(argv[1]));
    const int round = std::stoi(argv[2]);
    std::printf("writing\n");
    std::fflush(stdout);
    const auto start = std::chrono::steady_clock::now();
    for (const gorvo::fault::BurstValue& v : gorvo::fault::burst_values(round)) {
        if (v.boolean) {
            store.write_bool(v.name, v.value != 0);
        } else {
            store.write_int(v.name, v.value);
        }
    }
    const auto us = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - start);
    std::printf("done %lld\n", static_cast<long long>(us.count()));
    return store.write_failed() ? 1 : 0;
}
