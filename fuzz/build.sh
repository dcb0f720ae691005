#!/usr/bin/env bash
# Builds every fuzzer into fuzz/out/ with clang, libFuzzer, AddressSanitizer and UBSan.
# Separate from the main (gcc) build; runs on two cores at most.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cxx=${CXX_FUZZ:-clang++}
if ! command -v "$cxx" >/dev/null; then
    echo "fuzz: $cxx not found (install clang and libclang-rt-14-dev)" >&2
    exit 1
fi
cmake -S "$here" -B "$here/out/build" -DCMAKE_CXX_COMPILER="$cxx" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$here/out/build" -j2
