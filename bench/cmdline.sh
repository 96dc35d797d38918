#!/usr/bin/env bash
# Process time (user and system) of "corvessa --check" on the largest mix and of
# "corvessa --diff" of two largest mixes, equal and differing in every entry:
# the median of RUNS runs (default 15), each beside its target.
#   bench/cmdline.sh BUILD_FOLDER [RUNS]
set -euo pipefail
build=$(cd "$1" && pwd)
runs=${2:-15}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/a" "$work/b" "$work/c"
(cd "$work/a" && "$build/corvessa_writemix" largest)
(cd "$work/b" && "$build/corvessa_writemix" largest)
(cd "$work/c" && "$build/corvessa_writemix" largest-other)
cd "$work"

# The median process time of a command, in milliseconds.
cputime() {
  local t=() i
  TIMEFORMAT='%3U %3S'
  for ((i = 0; i < runs; i++)); do
    t+=("$({ time env -u DISPLAY "$@" >/dev/null 2>&1; } 2>&1 | awk '{ print ($1 + $2) * 1000 }')")
  done
  printf '%s\n' "${t[@]}" | sort -g | sed -n "$(((runs + 1) / 2))p"
}

status=0
while IFS=';' read -r name target args; do
  IFS=' ' read -r -a argv <<<"$args"
  ms=$(cputime "$build/corvessa" "${argv[@]}")
  verdict=met
  awk -v m="$ms" -v t="$target" 'BEGIN { exit !(m <= t) }' || { verdict=MISSED; status=2; }
  printf '%-52s %7.1f ms   target <= %s ms   %s\n' "$name" "$ms" "$target" "$verdict"
done <<END
corvessa --check, largest mix;50;--check a
corvessa --diff, two equal largest mixes;60;--diff a b
corvessa --diff, largest mixes differing everywhere;150;--diff a c
END
exit $status
