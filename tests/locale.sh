#!/usr/bin/env bash
# The program's start-up under a comma-decimal locale writes and reads the three
# files byte for byte as under the C locale.   locale.sh path/to/locale_run
set -euo pipefail
run=$1
locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' || { echo "no de_DE.UTF-8 locale"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for mode in plain env; do
  for loc in C de_DE.UTF-8; do
    mkdir -p "$work/$mode/$loc"
    (cd "$work/$mode/$loc" && LANG=$loc LC_ALL=$loc "$run" ${mode/plain/} >out.txt)
    echo "== $mode $loc"; cat "$work/$mode/$loc/out.txt"
  done
  c=$work/$mode/C de=$work/$mode/de_DE.UTF-8
  grep -qx 'status: Save Complete' "$de/out.txt"
  for f in faders.txt prefs.txt tracks.txt; do cmp "$c/$f" "$de/$f"; done
done
# Under "env" the C library itself formats with a comma, so the comparison means something.
grep -qx 'printf: 0,5' "$work/env/de_DE.UTF-8/out.txt"
