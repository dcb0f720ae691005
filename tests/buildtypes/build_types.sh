#!/usr/bin/env bash
# Configures every usual build type with GCC and with Clang, warnings as errors, and builds the
# core library (the handheld's logic) in each: a warning that one compiler gives only at one
# optimisation level fails here, not first in a packager's build. The build folders stay in
# WORK, so that a later run only builds what changed.
#
#   build_types.sh SOURCE WORK
set -euo pipefail
source=$1
work=$2
mkdir -p "$work"
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

failed=0
for compiler in gcc clang; do
    case $compiler in
        gcc) names=(-DCMAKE_C_COMPILER=gcc -DCMAKE_CXX_COMPILER=g++) ;;
        clang) names=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++) ;;
    esac
    for type in Debug Release RelWithDebInfo MinSizeRel; do
        dir=$work/$compiler-$type
        started=$SECONDS
        if {
            cmake -S "$source" -B "$dir" -DCMAKE_BUILD_TYPE="$type" -DGORVO_WARNINGS_AS_ERRORS=ON \
                "${names[@]}" "${launcher[@]}" &&
                cmake --build "$dir" -j2 --target gorvo_core
        } >"$dir.log" 2>&1; then
            echo "$compiler $type: built in $((SECONDS - started)) s"
        else
            echo "$compiler $type: FAILED; from $dir.log:"
            grep -E -A3 'warning:|error:|Error' "$dir.log" | head -n 40
            failed=1
        fi
    done
done
exit "$failed"
