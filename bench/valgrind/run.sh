#!/usr/bin/env bash
# A short real run of the game under valgrind memcheck, on its own X server (Xvfb): the case is
# opened, a Game B started and Tobo moved from the keyboard, then the game ends with Esc.
# Exits 0 when memcheck found no error outside the suppressions of gorvo250.supp (system and
# library code only), non-zero otherwise, with memcheck's log on the output.
#
#   bench/valgrind/run.sh [program folder, default build/program]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program_dir=$(cd "${1:-$here/../../build/program}" && pwd)

if [[ -z "${GORVO_VALGRIND_DISPLAY:-}" ]]; then
    for tool in valgrind xvfb-run xdotool; do
        command -v "$tool" >/dev/null || { echo "valgrind run: $tool is missing" >&2; exit 2; }
    done
    GORVO_VALGRIND_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$here/run.sh" "$program_dir"
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/Quillmark"
printf '[General]\nSoundMode=2\nSplashScreen=0\nFullscreenMode=0\n' >"$scratch/Quillmark/Gorvo250.conf"
log="$scratch/memcheck.log"

cd "$program_dir"
# Children the libraries fork (a bus launcher) are not the game: their reports are left out.
XDG_CONFIG_HOME="$scratch" valgrind --tool=memcheck --error-exitcode=99 \
    --child-silent-after-fork=yes --num-callers=40 \
    --leak-check=full --show-leak-kinds=definite --errors-for-leak-kinds=definite \
    --suppressions="$here/gorvo250.supp" --gen-suppressions=all --log-file="$log" \
    ./gorvo250 &
game=$!

press() {  # key, held ms
    xdotool keydown "$1"
    sleep "$(printf '0.%03d' "$2")"
    xdotool keyup "$1"
    sleep 0.3
}

shown=no
for _ in $(seq 1 600); do
    if xdotool search --onlyvisible --name '^Gorvo250$' >/dev/null 2>&1; then shown=yes; break; fi
    kill -0 "$game" 2>/dev/null || break
    sleep 0.5
done
if [[ $shown == yes ]]; then
    sleep 1
    press 5 300        # open the case
    press 2 300        # Game B
    sleep 4            # its start sequence
    for key in Up Right Left Control_L Up Down Left; do press "$key" 500; done
    sleep 1
    xdotool key Escape
fi
status=0
wait "$game" || status=$?

if [[ $shown != yes ]]; then
    echo "valgrind run: the game's window never appeared"
    cat "$log"
    exit 1
fi
if [[ $status -ne 0 ]]; then
    cat "$log"
    echo "valgrind run: memcheck reported errors (exit status $status)"
    exit 1
fi
grep -E "ERROR SUMMARY|definitely lost" "$log" | sed 's/^==[0-9]*== /valgrind run: /'
