#!/usr/bin/env bash
# scripts/check-paths-inside.pl on a repository made here: it names exactly the references that
# leave the repository, and none of the look-alikes that stay inside or are no paths at all.
# shellcheck disable=SC2016 # the files written hold shell and CMake text as it stands
set -euo pipefail
checker=$1
repo=$(mktemp -d)
trap 'rm -rf "$repo"' EXIT
cd "$repo"
git init -q .
mkdir -p docs src/ui tests/area tools
w=work u=.. h=home r=root  # spelt in pieces, so that this file passes the check itself
put() { mkdir -p "$(dirname "$1")"; printf '%s\n' "$2" >"$1"; }

# Inside, or no path: none of these may be named.
put src/ui/view.cpp "#include \"$u/core/images.h\"  // 0..9, '1'..'9', and so on..."
put tests/area/CMakeLists.txt "add_executable(t $u/ui/a.cpp \${CMAKE_CURRENT_SOURCE_DIR}/$u/data/x.png)"
put tools/run.sh 'cd "$(dirname "$0")/.." && x=${1:-$here/../build} && y=$build/../../elsewhere'
put docs/guide.md "See [the top]($u/README.md), https://example.org/$w/x and/or /usr/share/x, ~/.config."
put README.md "Settings in ~/.config/x; pictures in tests/data; /tmp/x and /proc/self/exe."
printf 'P7\n\x01\x02/%s/x %s/%s/%s\n' "$w" "$u" "$u" "$u" >picture.pam

# Outside: each of these must be named.
put CMakeLists.txt "set(C \"\${PROJECT_SOURCE_DIR}/$u/shared/corpus\")"
put tools/fuzz.sh "corpus=\${GORVO_CORPUS_DIR:-\$root/$u/shared/corpus} notes=/$w/shared/notes.txt"
put docs/notes.md "Seeds come from \`$u/shared/corpus\`."
put tests/area/paths.h "#include \"$u/$u/$u/outside.h\""
put src/home.txt "kept in /$h/alice/game, or /$r/game"
ln -s /etc/passwd src/link
git add -A

status=0
out=$("$checker" "$repo") || status=$?
found=$(printf '%s\n' "$out" | grep -v '^check-paths-inside:' | sed 's/: .*//' | sort | tr '\n' ' ')
expected="CMakeLists.txt:1 docs/notes.md:1 src/home.txt:1 src/home.txt:1 src/link tests/area/paths.h:1 tools/fuzz.sh:1 tools/fuzz.sh:1 "
if [ "$status" -ne 1 ] || [ "$found" != "$expected" ]; then
    printf 'exit status %s (1 expected); named:\n%s\nexpected: %s\n' "$status" "$out" "$expected"
    exit 1
fi

# With those gone the check passes.
git rm -q -f CMakeLists.txt tools/fuzz.sh docs/notes.md tests/area/paths.h src/home.txt src/link
"$checker" "$repo"
