#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test; then builds again
# with AddressSanitizer and UndefinedBehaviorSanitizer and runs the unit tests
# under them, and fuzzes the readers of the files users hand in.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh
jobs=$(nproc)
(cd build && ctest --output-on-failure -j"$jobs")

echo "== unit tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -DKOLVIRA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-asan -j"$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-asan && ctest --output-on-failure -j"$jobs" -L unit -LE 'benchmark|packaging|e2e')

echo "== the file readers, fuzzed (a short run)"
bash tools/fuzz.sh

echo "== size of the tests"
bash tools/test-ratio.sh || { echo "the tests are above the limit: group and trim them"; exit 1; }
