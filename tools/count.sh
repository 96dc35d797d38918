#!/usr/bin/env bash
# Prints the figures the README quotes.
#   bash tools/count.sh [BUILD]   BUILD: a configured build folder, for the number of tests
# Lines are counted in *.cpp, *.h and *.sh files, leaving out blank lines and lines that
# hold only a // comment: tests/ against the program's code in src/ and tools/.
set -euo pipefail
cd "$(dirname "$0")/.."
lines() {
  find "$@" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.sh' \) -print0 |
    xargs -0 cat | grep -Ev '^[[:space:]]*(//.*)?$' | wc -l
}
tests=$(lines tests) code=$(lines src tools)
echo "test lines: $tests, code lines: $code, tests to code: $(awk -v t="$tests" -v c="$code" 'BEGIN { printf "%.2f", t / c }')"
if [ $# -gt 0 ]; then
  echo "tests ctest runs: $(cd "$1" && ctest -N | sed -n 's/^Total Tests: //p')"
fi
