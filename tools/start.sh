#!/usr/bin/env bash
# Installs what is missing, builds, and starts Corvessa in work/ with the
# stand-in engine on PATH, so that "Mix" works out of the box.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh cmake make g++ libfltk1.3-dev
cmake -S . -B build -DCORVESSA_TESTS=OFF >/dev/null
cmake --build build -j"$(nproc)" --target corvessa tarnell4
mkdir -p work
cd work
PATH="$PWD/../build/engine:$PATH" exec ../build/corvessa
