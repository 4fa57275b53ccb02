#!/usr/bin/env bash
# Builds the libFuzzer targets of the file readers with clang (in build-fuzz)
# and runs each from its seed corpus in tests/fuzz/: RUNS inputs each, by
# default a short run of about 20 s each (a takvim's year is slow to read);
# a crash, a hang, a leak or a sanitizer's report fails, its input kept as
# build-fuzz/crash-*.
# Skipped, with a message, where clang or libFuzzer is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
echo 'extern "C" int LLVMFuzzerTestOneInput(const char *, unsigned long) { return 0; }' \
  >"$probe/probe.cpp"
if ! command -v clang++ >/dev/null ||
   ! clang++ -fsanitize=fuzzer "$probe/probe.cpp" -o "$probe/probe" 2>/dev/null; then
  echo "fuzzing skipped: clang and libFuzzer are not installed (tools/install-deps.sh)"
  exit 0
fi

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DKOLVIRA_FUZZ=ON -DBUILD_TESTING=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzz-mosque-table fuzz-takvim

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for short in mosque-table:4000 takvim:500; do
  reader=${short%:*}
  runs=${RUNS:-${short#*:}}
  found=build-fuzz/corpus/$reader # what the run adds; the seeds stay as they are
  mkdir -p "$found"
  echo "== fuzz-$reader: $runs inputs"
  log=build-fuzz/fuzz-$reader.log
  if ! build-fuzz/bin/fuzz-"$reader" -runs="$runs" -seed=1 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix=build-fuzz/ -print_final_stats=1 "$found" "tests/fuzz/$reader" >"$log" 2>&1; then
    grep -v '^#[0-9]' "$log"
    echo "fuzz-$reader failed: see $log"
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$log"
done
