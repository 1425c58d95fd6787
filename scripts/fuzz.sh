#!/usr/bin/env bash
# Builds every libFuzzer target (fuzz/) with clang into build-fuzz and runs
# each for SECONDS (default 60), one after another on one core.
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]
# FUZZ_FLAGS adds libFuzzer options, e.g. "-fork=1 -ignore_crashes=1" to go
# on past a known finding.
#
# Each target starts from its seeds in fuzz/corpus/<target without fuzz_>
# and keeps what it learns in build-fuzz/corpus/<target>; crashes, leaks and
# time-outs land in build-fuzz/findings/<target>/. A finding is fixed, then
# copied into fuzz/regressions/ (pictures/ for the picture targets, named
# after the format: .bmp, .ico, .jpg, .wmf or .emf), where the normal tests
# replay it. Prints executions and findings per target; exits 1 when any
# target found something.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
shift || true
build="$root/build-fuzz"

if [ ! -f "$build/CMakeCache.txt" ]; then
  CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DPLB_BUILD_FUZZ=ON \
    -DPLB_BUILD_TESTS=OFF -DPLB_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null ||
    exit 2
fi
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in "$root"/fuzz/fuzz_*.cpp; do
    targets+=("$(basename "$source" .cpp)")
  done
fi
cmake --build "$build" --target "${targets[@]}" || exit 2

export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
# Undefined behaviour stops the run with a stack, so that it leaves a finding.
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen
summary=()
found=0
for target in "${targets[@]}"; do
  seeds="$root/fuzz/corpus/${target#fuzz_}"
  corpus="$build/corpus/$target"
  findings="$build/findings/$target"
  log="$build/findings/$target.log"
  mkdir -p "$corpus" "$findings"
  echo "== $target: $seconds s"
  "$build/bin/$target" "$corpus" "$seeds" -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 \
    -artifact_prefix="$findings/" ${FUZZ_FLAGS:-} >"$log" 2>&1
  status=$?
  execs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -1)
  count=$(find "$findings" -type f | wc -l)
  [ "$count" -gt 0 ] && found=1
  summary+=("$(printf '%-24s %12s executions %4d findings (exit %d)' "$target" "${execs:-?}" \
    "$count" "$status")")
  if [ "$status" -ne 0 ]; then
    grep -m1 -E 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error|SUMMARY' "$log"
  fi
done
printf '%s\n' "${summary[@]}"
exit $found
