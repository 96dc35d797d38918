#!/usr/bin/env bash
# The layers: the files' layer includes no toolkit and nothing above it, a program
# linked with it alone needs no toolkit and no display, and the folders of src/
# include each other in no loop but the windows' own refresh.
#   layers.sh SRC ALONE FOLDER...   ALONE: the program; FOLDER: the files' layer
set -u
src=$1 alone=$2
shift 2
fail() {
  echo "FAIL: $*"
  exit 1
}
above='FL/|app/|status/|where/|undo/|stores/|faders/|effects/|routing/|prefs/|cuemap/|mix/|typed/|messageswindow/'
for folder in "$@"; do
  hits=$(grep -lE "#include *[<\"]($above)" "$src/$folder"/* 2>/dev/null)
  [ -z "$hits" ] || fail "the files' layer includes a toolkit or window header: $hits"
done
ldd "$alone" | grep -iE 'fltk|libX' && fail "$alone links a toolkit or X library"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
(cd "$dir" && env -u DISPLAY "$alone") || fail "$alone failed"

# Folder includes as "from to" pairs; tsort names the folders of any loop.
edges=$(for f in "$src"/*/*; do
  from=$(basename "$(dirname "$f")")
  grep -oE '#include "[a-z]+/' "$f" | sed 's/#include "//; s|/||' | grep -vx "$from" | sed "s/^/$from /"
done | sort -u)
loops=$(echo "$edges" | tsort 2>&1 >/dev/null | grep -v 'input contains a loop' | sed 's/^tsort: //')
refresh='effects|faders|prefs|routing'  # UpdateGUI and the windows it refreshes
bad=$(echo "$loops" | grep -vxE "($refresh)" | grep .)
[ -z "$bad" ] || fail "folders that include each other in a loop: $(echo $loops)"
echo "PASS: the files' layer stands alone"
