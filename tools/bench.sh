#!/usr/bin/env bash
# Installs what the benchmarks need, builds them in Release in build-bench/, and
# runs them under Xvfb: every command on a typical and on the largest mix, then
# start-up time and peak memory. Ends with the figures beside their targets.
#   bash tools/bench.sh                 everything
#   bash tools/bench.sh --benchmark_filter=Store   only some benchmarks (then no start-up)
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh cmake make g++ libfltk1.3-dev libx11-dev libbenchmark-dev xvfb xauth
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DCORVESSA_BENCH=ON -DCORVESSA_TESTS=OFF >/dev/null
cmake --build build-bench -j"$(nproc)" --target corvessa corvessa_bench corvessa_peakmem corvessa_mapwait \
  corvessa_writemix
echo "Load average before the run: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
status=0
xvfb-run -a -s "-noreset -screen 0 1280x1024x24" build-bench/corvessa_bench "$@" || status=$?
if [ $# -eq 0 ]; then
  echo
  xvfb-run -a -s "-noreset -screen 0 1280x1024x24" bash bench/startup.sh build-bench || status=$?
  echo
  bash bench/cmdline.sh build-bench || status=$?
fi
echo "Load average after the run: $(cut -d' ' -f1-3 /proc/loadavg)"
exit $status
