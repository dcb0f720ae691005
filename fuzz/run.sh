#!/usr/bin/env bash
# Builds the fuzzers and runs each one for SECONDS (default 20), one after the other.
#
#   fuzz/run.sh [SECONDS]
#
# Seeds: the picture corpus (tests/data/corpus, or $GORVO_CORPUS_DIR), the
# shipped skin and Config.ini (build/program, or $GORVO_PROGRAM_DIR; skipped when not built),
# the simulator's example scripts, fuzz/seeds/ and the kept regression inputs. What a run
# finds stays in fuzz/out/corpus/<target>/ for the next run; a fault is written to
# fuzz/out/crashes/<target>/ and makes the script fail. $GORVO_FUZZ_TARGETS picks targets.
# $GORVO_FUZZ_RUNS=N makes a run repeatable, as a check must be: a fixed seed and at most N
# inputs (SECONDS still caps the time).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
out=$here/out
seconds=${1:-20}
corpus=${GORVO_CORPUS_DIR:-$root/tests/data/corpus}
program=${GORVO_PROGRAM_DIR:-$root/build/program}
read -r -a targets <<<"${GORVO_FUZZ_TARGETS:-profile png jpeg bmp ico script replay}"

"$here/build.sh"

# Copies files into a seed folder under names made from their paths, so that equal names in
# different folders do not overwrite each other.
add_seeds() {
    local dest=$1 base=$2; shift 2
    local f
    for f in "$@"; do
        [ -f "$f" ] || continue
        local rel=${f#"$base"/}
        cp "$f" "$dest/${rel//\//_}"
    done
}

make_seeds() {
    local t=$1 dest=$out/seeds/$1
    rm -rf "$dest"
    mkdir -p "$dest"
    local skin=$program/Graphics/Skin
    [ -d "$corpus" ] || echo "fuzz: no picture corpus at $corpus" >&2
    [ -d "$skin" ] || echo "fuzz: no shipped skin at $skin (not built): skipped as a seed" >&2
    shopt -s nullglob globstar
    case $t in
        png) add_seeds "$dest" "$corpus" "$corpus"/png/*.png
             add_seeds "$dest" "$program" "$skin"/*.png ;;
        jpeg) add_seeds "$dest" "$corpus" "$corpus"/jpeg/*.jpg
              add_seeds "$dest" "$program" "$program"/Graphics/Backdrops/*.jpg ;;
        bmp) add_seeds "$dest" "$corpus" "$corpus"/bmp/**/*.bmp ;;
        ico) "$out/make_ico_seeds" "$dest" "$corpus"/bmp/g/pal1.bmp "$corpus"/bmp/g/pal4.bmp \
                 "$corpus"/bmp/g/pal8.bmp "$corpus"/bmp/g/rgb24.bmp "$corpus"/bmp/g/rgb32.bmp \
                 "$corpus"/bmp/q/rgba32-1.bmp "$corpus"/png/basn6a08.png \
                 "$corpus"/png/basn3p04.png "$skin"/btn_acl_top.png >/dev/null ;;
        profile) add_seeds "$dest" "$program" "$program"/*.ini
                 add_seeds "$dest" "$here" "$here"/seeds/profile/* ;;
        script) add_seeds "$dest" "$root" "$root"/tests/sim/golden/*.script ;;
        replay) add_seeds "$dest" "$root" "$root"/tests/sim/golden/*.script
                add_seeds "$dest" "$here" "$here"/seeds/replay/* ;;
    esac
    shopt -u nullglob globstar
}

max_len() {
    case $1 in
        profile | script | replay) echo 4096 ;;
        *) echo 65536 ;;
    esac
}

# Runs one fuzzer; prints its closing figures. Returns non-zero when it found a fault.
run_target() {
    local t=$1
    mkdir -p "$out/corpus/$t" "$out/crashes/$t" "$out/logs"
    make_seeds "$t"
    local dirs=("$out/corpus/$t" "$out/seeds/$t")
    [ -d "$here/regressions/$t" ] && dirs+=("$here/regressions/$t")
    local log=$out/logs/$t.log status=0
    local repeatable=()
    [ -n "${GORVO_FUZZ_RUNS:-}" ] && repeatable=(-seed=1 "-runs=$GORVO_FUZZ_RUNS")
    nice -n 19 "$out/${t}_fuzz" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 -malloc_limit_mb=512 \
        -max_len="$(max_len "$t")" -dict="$here/dict/$t.dict" -print_final_stats=1 \
        -artifact_prefix="$out/crashes/$t/" "${repeatable[@]}" "${dirs[@]}" >"$log" 2>&1 || status=$?
    local runs
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    # One line per run, for the record of how long each target has run.
    echo "$(date -u +%FT%TZ) $t seconds=$seconds runs=${runs:-?} exit=$status" >>"$out/history.txt"
    if [ "$status" -ne 0 ]; then
        echo "fuzz $t: FAULT after ${runs:-?} runs (exit $status); log $log, inputs in $out/crashes/$t/"
        grep -m1 -E 'ERROR: (AddressSanitizer|UndefinedBehaviorSanitizer|libFuzzer)|runtime error|^[a-z]+: ' \
            "$log" || true
        return 1
    fi
    echo "fuzz $t: ${runs:-?} runs in ${seconds} s, no fault; corpus $(find "$out/corpus/$t" -type f | wc -l) inputs"
}

faults=0
for t in "${targets[@]}"; do
    run_target "$t" || faults=$((faults + 1))
done
if [ "$faults" -ne 0 ]; then
    echo "fuzz: $faults of ${#targets[@]} targets found a fault" >&2
    exit 1
fi
