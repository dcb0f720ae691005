#!/usr/bin/env bash
# Builds everything and runs every test: once in a normal build, once with AddressSanitizer + UBSan.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh

run_suite() {
    local dir=$1; shift
    cmake -S . -B "$dir" "$@"
    cmake --build "$dir" -j2
    # A test that fails once has failed. Every test carries a timeout that fits it; the global
    # one only catches a test registered without its own.
    (cd "$dir" && ctest --output-on-failure -j2 --timeout 600)
}

run_suite build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGORVO_WARNINGS_AS_ERRORS=ON
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DGORVO_SANITIZE=ON -DGORVO_WARNINGS_AS_ERRORS=ON
