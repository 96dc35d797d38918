#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a bounded time.
#   bash tools/fuzz.sh          about 30 seconds a target
#   bash tools/fuzz.sh 3600     an hour a target
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD  # the targets work in a folder of their own, so every path they get is absolute
seconds=${1:-30}
bash tools/install-deps.sh cmake make clang libfltk1.3-dev
# The sanitizer runtime of the clang that is installed, whatever its version.
clang_major=$(clang --version | sed -n 's/.*clang version \([0-9]*\).*/\1/p' | head -n 1)
bash tools/install-deps.sh "libclang-rt-$clang_major-dev"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCORVESSA_FUZZ=ON -DCORVESSA_TESTS=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)"
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=0 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
declare -A seeds=([recall]=recall [roundtrip]=recall [prefs]=prefs [tracks]=tracks [scrub]="recall prefs")
for target in recall roundtrip prefs tracks scrub; do
  corpus=$root/build-fuzz/corpus/$target
  log=$root/build-fuzz/$target.log
  mkdir -p "$corpus"
  dirs=()
  for d in ${seeds[$target]}; do dirs+=("$root/fuzz/seeds/$d"); done
  echo "== $target"
  if ! env -u DISPLAY "$root/build-fuzz/${target}_fuzz" "$corpus" "${dirs[@]}" \
      -max_total_time="$seconds" -max_len=65536 -timeout=20 -print_final_stats=1 -close_fd_mask=1 \
      -artifact_prefix="$root/build-fuzz/$target-" >"$log" 2>&1; then
    tail -n 60 "$log"
    exit 1
  fi
  grep -E '^stat::(number_of_executed_units|new_units_added)' "$log"
done
