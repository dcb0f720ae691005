#!/usr/bin/env bash
# Installs what is missing, builds the program and everything its folder ships, then starts the
# game with the program folder as its working directory.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh

build=build
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
# The program, and the targets that render its pictures, sounds and pages into its folder.
targets=(gorvo250)
while read -r target; do
    targets+=("$target")
done < <(cmake --build "$build" --target help | grep -oE 'gorvo_[a-z_]+_assets' | sort -u)
cmake --build "$build" -j2 --target "${targets[@]}"

cd "$build/program"
exec ./gorvo250 "$@"
