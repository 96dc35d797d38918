#!/usr/bin/env bash
# Installs what the tests need, builds, and runs every test under Xvfb: once as
# built for use, once more under AddressSanitizer and UndefinedBehaviorSanitizer;
# then runs each fuzz target for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh cmake make g++ libfltk1.3-dev libx11-dev googletest libgtest-dev \
  libbenchmark-dev xvfb xauth xdotool x11-apps locales desktop-file-utils appstream man-db dpkg-dev git
bash tools/comma-locale.sh

run() {  # build folder, extra cmake options...
  local dir=$1
  shift
  cmake -S . -B "$dir" -DCORVESSA_TESTS=ON "$@" >/dev/null
  cmake --build "$dir" -j"$(nproc)"
  (cd "$dir" && xvfb-run -a -s "-noreset -screen 0 1280x1024x24" ctest --output-on-failure -j"$(nproc)") |
    tee "$dir/ctest.log"
}

# The benchmarks are built here too, so that they keep compiling; tools/bench.sh runs them.
run build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVESSA_BENCH=ON
# The Debian package of that build, installed, tried and removed.
bash tests/package.sh build-test
ASAN_OPTIONS=halt_on_error=1:detect_leaks=0 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  run build-asan -DCMAKE_BUILD_TYPE=Debug -DCORVESSA_SANITIZE=ON
# The fuzz targets, about 30 seconds each.
bash tools/fuzz.sh 30

# What ctest counted over both runs ("N% tests passed, F tests failed out of T").
awk '/tests passed, .* tests failed out of/ { f += $4; t += $NF }
  END { print t - f " passed, " f " failed" }' build-test/ctest.log build-asan/ctest.log
