#!/usr/bin/env bash
# Mutation check of the scheduler and the timer set-up of the game's sequences. Each mutant in
# scripts/timer-mutants.txt changes one comparison, constant or order in one source file; the
# script applies one at a time, rebuilds the core library, the simulator and their tests, runs
# them, and reports the first test that fails ("killed") or that none did ("SURVIVED").
#
#   scripts/mutate-timers.sh [name-pattern]     (only the mutants whose name matches)
#
# The mutants are made in a copy of the working tree (tracked and new files) in build-mutants/
# (or $GORVO_MUTANT_BUILD), never in the working tree itself, and built there with ccache.
# Exit status 1 when a mutant survived, 2 when a mutant could not be applied or built.
set -euo pipefail
cd "$(dirname "$0")/.."
list=$PWD/scripts/timer-mutants.txt
work=$(realpath -m "${GORVO_MUTANT_BUILD:-build-mutants}")
root=$work/tree
build=$work/build
# A fresh copy each run (no file deleted since the last run stays behind); the times of the
# files are kept, so only what changed is compiled again.
rm -rf "$root"
mkdir -p "$root"
git ls-files -z --cached --others --exclude-standard |
    tar --null --files-from=- --ignore-failed-read -cf - 2>/dev/null | tar -xf - -C "$root"
cd "$root"
only=${1:-}
targets=(core_tests sim_unit_tests sim_program_tests gorvo250-sim soak_tests)
programs=(tests/core/core_tests tests/sim/sim_unit_tests tests/sim/sim_program_tests
          tests/soak/soak_tests)

backup=$(mktemp -d)
mutated=""
restore() {
    if [[ -n $mutated ]]; then
        cp "$backup/original" "$root/$mutated"
        mutated=""
    fi
}
trap 'restore; rm -rf "$backup"' EXIT
trap 'exit 130' INT TERM

build_all() {
    cmake --build "$build" -j2 --target "${targets[@]}" >"$backup/build.log" 2>&1
}

# Runs the test programs in order; prints the first failing test, or nothing when all pass.
first_failure() {
    local program out status
    for program in "${programs[@]}"; do
        set +e
        out=$(cd "$build" && QT_QPA_PLATFORM=offscreen timeout 300 "./$program" \
            --gtest_fail_fast --gtest_brief=1 2>&1)
        status=$?
        set -e
        if ((status == 124)); then
            echo "$(basename "$program") (timed out)"
            return
        elif ((status != 0)); then
            local failed
            failed=$(grep -m1 -o '^\[  FAILED  \] [^ ,]*' <<<"$out" | cut -c14- || true)
            echo "${failed:-$(basename "$program") (exit status $status)}"
            return
        fi
    done
}

# apply FILE OCCURRENCE FROM TO: replaces the OCCURRENCE-th appearance of the text FROM.
apply() {
    FROM=$3 TO=$4 N=$2 perl -0pi -e '
        my ($from, $to, $n) = ($ENV{FROM}, $ENV{TO}, $ENV{N});
        my $seen = 0;
        s/\Q$from\E/++$seen == $n ? $to : $&/ge;
        die "occurrence $n of \"$from\" not found\n" if $seen < $n;
    ' "$1"
}

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGORVO_WARNINGS_AS_ERRORS=ON \
    -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache >/dev/null
build_all || { cat "$backup/build.log"; echo "the unmutated tree does not build" >&2; exit 2; }
baseline=$(first_failure)
if [[ -n $baseline ]]; then
    echo "the unmutated tree already fails: $baseline" >&2
    exit 2
fi

survived=0
broken=0
printf '%-34s %s\n' "mutant" "result"
while IFS= read -r line; do
    [[ -z $line || $line == \#* ]] && continue
    name=${line%%: *}
    rest=${line#*: }
    place=${rest%%: *}
    change=${rest#*: }
    file=${place%#*}
    occurrence=${place##*#}
    from=${change%% ==> *}
    to=${change#* ==> }
    [[ -n $only && $name != *$only* ]] && continue

    cp "$file" "$backup/original"
    mutated=$file
    if ! apply "$file" "$occurrence" "$from" "$to" 2>"$backup/apply.log"; then
        printf '%-34s %s\n' "$name" "NOT APPLIED: $(cat "$backup/apply.log")"
        broken=$((broken + 1))
        restore
        continue
    fi
    if ! build_all; then
        printf '%-34s %s\n' "$name" "DOES NOT BUILD (see the mutant's line)"
        broken=$((broken + 1))
        restore
        continue
    fi
    killer=$(first_failure)
    restore
    if [[ -n $killer ]]; then
        printf '%-34s killed by %s\n' "$name" "$killer"
    else
        printf '%-34s SURVIVED\n' "$name"
        survived=$((survived + 1))
    fi
done <"$list"

# Leave the build matching the restored source.
build_all || true
((broken == 0)) || exit 2
((survived == 0)) || exit 1
