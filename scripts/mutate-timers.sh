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
# The copy is brought up to date file by file: a file whose content changed gets a new time, so
# that an object built from a mutant of it is never taken for current; files gone from the
# working tree go from the copy too.
mkdir -p "$root"
git ls-files -z --cached --others --exclude-standard >"$work/files"
while IFS= read -r -d '' f; do
    [[ -f $f ]] || continue
    if ! cmp -s "$f" "$root/$f"; then
        mkdir -p "$root/$(dirname "$f")"
        cp "$f" "$root/$f"
    fi
done <"$work/files"
(cd "$root" && find . -type f -printf '%P\0') | sort -z >"$work/copied"
sort -z "$work/files" | comm -z -23 "$work/copied" - | (cd "$root" && xargs -0r rm -f)
cd "$root"
only=${1:-}
# Stages, cheapest first: a mutant is built and run only as far as the first stage that kills it.
stages=("core_tests:tests/core/core_tests"
        "sim_unit_tests:tests/sim/sim_unit_tests"
        "sim_program_tests gorvo250-sim:tests/sim/sim_program_tests"
        "soak_tests:tests/soak/soak_tests")

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

# build TARGETS...: builds them quietly; the log is kept for a failure.
build() {
    cmake --build "$build" -j2 --target "$@" >"$backup/build.log" 2>&1
}

build_all() {
    local stage targets=()
    for stage in "${stages[@]}"; do
        read -ra more <<<"${stage%%:*}"
        targets+=("${more[@]}")
    done
    build "${targets[@]}"
}

# Builds and runs the stages in order; prints the first failing test, or nothing when all
# pass, or "BUILD" when a stage does not build.
first_failure() {
    local stage program out status targets
    for stage in "${stages[@]}"; do
        read -ra targets <<<"${stage%%:*}"
        program=${stage#*:}
        if ! build "${targets[@]}"; then
            echo BUILD
            return
        fi
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

# File by file: a mutant changes one file, which then recompiles alone instead of with its batch.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGORVO_WARNINGS_AS_ERRORS=ON \
    -DCMAKE_UNITY_BUILD=OFF \
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
    killer=$(first_failure)
    restore
    if [[ $killer == BUILD ]]; then
        printf '%-34s %s\n' "$name" "DOES NOT BUILD:"
        grep -m3 'error' "$backup/build.log" || true
        broken=$((broken + 1))
    elif [[ -n $killer ]]; then
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
