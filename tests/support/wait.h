// Waiting on a condition with a deadline: the test goes on as soon as the condition holds, and
// fails only when it has not held within the deadline. The poll interval only bounds how late
// the condition is seen; it never decides an outcome.
#pragma once

#include <algorithm>
#include <chrono>
#include <optional>
#include <thread>

namespace gorvo::test {

using std::chrono::milliseconds;

// Polls `holds()` until it returns true or `timeout` has passed; whether it held.
template <typename Predicate>
bool wait_until(Predicate&& holds, milliseconds timeout, milliseconds interval = milliseconds(20)) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (holds()) return true;
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline) return false;
        std::this_thread::sleep_for(
            std::min<std::chrono::steady_clock::duration>(interval, deadline - now));
    }
}

// Polls `produce()`, which returns a std::optional, until it gives a value or `timeout` has
// passed; that value, or std::nullopt.
template <typename Producer>
auto wait_for(Producer&& produce, milliseconds timeout, milliseconds interval = milliseconds(20))
    -> decltype(produce()) {
    decltype(produce()) value;
    wait_until([&] { return (value = produce()).has_value(); }, timeout, interval);
    return value;
}

}  // namespace gorvo::test
