#!/usr/bin/env bash
# Runs a command on an X server of its own. Xvfb picks a free display itself (-displayfd: it
# claims the display's sockets and lock atomically) and names it only once it accepts
# connections, so commands run side by side never share a display and never start before their
# server is ready. The server ends with the command; the command's exit status is returned.
#
#   scripts/with-x-server.sh [-s WIDTHxHEIGHTxDEPTH] command [arguments...]
#   (default screen 1280x1024x24)
set -euo pipefail
screen=1280x1024x24
if [[ ${1:-} == -s ]]; then
    screen=$2
    shift 2
fi
if [[ $# -eq 0 ]]; then
    echo "usage: $0 [-s WIDTHxHEIGHTxDEPTH] command [arguments...]" >&2
    exit 2
fi
command -v Xvfb >/dev/null || { echo "with-x-server: Xvfb is missing" >&2; exit 2; }

scratch=$(mktemp -d)
server=
stop_server() {
    if [[ -n $server ]]; then
        kill "$server" 2>/dev/null || true
        wait "$server" 2>/dev/null || true
    fi
    rm -rf "$scratch"
}
trap stop_server EXIT

# The display number arrives through a pipe once the server is ready; the pipe closes without
# one when the server fails.
mkfifo "$scratch/display"
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset \
    3>"$scratch/display" >"$scratch/server.log" 2>&1 </dev/null &
server=$!
number=
read -r -t 60 number <"$scratch/display" || true
if [[ ! $number =~ ^[0-9]+$ ]]; then
    echo "with-x-server: Xvfb gave no display; its output:" >&2
    cat "$scratch/server.log" >&2
    exit 1
fi

status=0
DISPLAY=:$number "$@" || status=$?
exit "$status"
