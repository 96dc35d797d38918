#!/usr/bin/env bash
# Installs what the tests need, builds, and runs every test under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh cmake make g++ libfltk1.3-dev googletest libgtest-dev xvfb xauth
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVESSA_TESTS=ON >/dev/null
cmake --build build-test -j"$(nproc)"
cd build-test
xvfb-run -a -s "-noreset -screen 0 1280x1024x24" ctest --output-on-failure -j"$(nproc)"
