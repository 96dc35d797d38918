#!/usr/bin/env bash
# Start-up time and peak memory, on the display in DISPLAY (run it under xvfb-run):
#   bench/startup.sh BUILD_FOLDER [RUNS]
# Start-up: milliseconds from process start until the control window is mapped,
# the median of RUNS runs (default 15) in an empty folder. Peak memory: the peak
# resident set of a process that builds the windows, then stores and recalls
# the largest mix.
set -euo pipefail
build=$(cd "$1" && pwd)
runs=${2:-15}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

"$build/corvessa_mapwait" Corvessa "$build/corvessa" >/dev/null  # warm the file cache
times=()
for ((i = 0; i < runs; i++)); do
  times+=("$("$build/corvessa_mapwait" Corvessa "$build/corvessa")")
done
sorted=$(printf '%s\n' "${times[@]}" | sort -g)
median=$(sed -n "$(((runs + 1) / 2))p" <<<"$sorted")
printf 'start-up to the mapped control window: median %s ms of %d runs (%s .. %s); target <= 250 ms\n' \
  "$median" "$runs" "$(head -n1 <<<"$sorted")" "$(tail -n1 <<<"$sorted")"
status=0
awk -v m="$median" 'BEGIN { exit !(m <= 250) }' || status=2
"$build/corvessa_peakmem" || status=$?
exit $status
