#!/usr/bin/env bash
# Configures the usual build types with GCC and with Clang, warnings as errors, and builds the
# core library (the handheld's logic) in each: a warning that one compiler gives only at one
# optimisation level fails here, not first in a packager's build. GCC's RelWithDebInfo and Debug
# are the suite's own two builds (./test.sh), so only its -O3 and -Os builds are made here;
# Clang, whose warnings hardly depend on optimisation, is tried without and with it. These
# builds compile file by file, as a packager may (the suite's own builds compile in batches), so
# that a file which only builds beside its batch neighbours fails here. The build folders stay in
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
        gcc)
            names=(-DCMAKE_C_COMPILER=gcc -DCMAKE_CXX_COMPILER=g++)
            types=(Release MinSizeRel)
            ;;
        clang)
            names=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++)
            types=(Debug Release)
            ;;
    esac
    for type in "${types[@]}"; do
        dir=$work/$compiler-$type
        started=$SECONDS
        if {
            cmake -S "$source" -B "$dir" -DCMAKE_BUILD_TYPE="$type" -DGORVO_WARNINGS_AS_ERRORS=ON \
                -DCMAKE_UNITY_BUILD=OFF \
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
