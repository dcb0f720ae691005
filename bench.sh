#!/usr/bin/env bash
# Builds the program and its benchmarks in Release and prints every figure on its own line as
# "name value unit"; lines starting with '#' say how a figure was taken and what it aims at.
# The desktop figures are taken on the real program on an X server of its own (Xvfb, xdotool);
# the sound-server figure through a PulseAudio server of its own with a null sink.
#
#   ./bench.sh [seconds of the idle and of the play phase, default 60]
set -euo pipefail
cd "$(dirname "$0")"

build=${GORVO_BENCH_BUILD:-build-bench}
seconds=${1:-60}
mkdir -p "$build"
log="$build/bench-build.log"

if ! {
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DGORVO_WARNINGS_AS_ERRORS=ON &&
        cmake --build "$build" -j2 --target gorvo250 gorvo_skin_assets gorvo_media_assets \
            gorvo250-bench-engine gorvo250-bench-verify gorvo250-bench-skin gorvo250-bench-sound \
            gorvo250-bench-sound-server gorvo250-bench-baseline gorvo250-bench-desktop
} >"$log" 2>&1; then
    tail -n 30 "$log"
    echo "# the Release build failed; the whole output is in $log"
    exit 1
fi

program="$build/program"
benches="$build/bench"
echo "# $(date -u '+%Y-%m-%d %H:%M UTC') on $(uname -n): $(nproc) processors, load $(cut -d' ' -f1-3 /proc/loadavg)"
scripts/with-x-server.sh -s 1280x1024x24 \
    "$benches/gorvo250-bench-desktop" "$program" "$benches/gorvo250-bench-baseline" "$seconds"
"$benches/gorvo250-bench-sound" "$program"
"$benches/gorvo250-bench-sound-server" "$program"
"$benches/gorvo250-bench-skin" "$program"
"$benches/gorvo250-bench-engine"
"$benches/gorvo250-bench-verify"
