#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz/, Debian's clang, ASan + UBSan) and
# runs each for SECONDS (default 60) on a copy of its seed corpus. Crashes
# land in build-fuzz/crashes/<target>/; copy each into fuzz/corpus/<target>/
# and fuzz/regressions/<target>/ so that it stays a test.
#   scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
((${#targets[@]})) || targets=(ini font gimp png face)

CC=clang CXX=clang++ cmake -S fuzz -B build-fuzz >/dev/null
cmake --build build-fuzz -j "$(nproc)" >/dev/null

export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=1:allocator_may_return_null=1"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:+$UBSAN_OPTIONS:}print_stacktrace=1:halt_on_error=1"
status=0
for t in "${targets[@]}"; do
  work=build-fuzz/work/$t crashes=build-fuzz/crashes/$t
  mkdir -p "$work" "$crashes"
  cp -n fuzz/corpus/"$t"/* "$work"/ 2>/dev/null || true
  log=build-fuzz/fuzz_$t.log
  # Known crashes first: each must pass before new inputs are looked for.
  if compgen -G "fuzz/regressions/$t/*" >/dev/null; then
    build-fuzz/fuzz_"$t" fuzz/regressions/"$t"/* >"$log" 2>&1 || { echo "fuzz $t: a regression input fails (see $log)"; status=1; continue; }
  fi
  if build-fuzz/fuzz_"$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$crashes/" "$work" >"$log" 2>&1; then
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')
    echo "fuzz $t: $runs runs in ${seconds} s, no crash"
  else
    echo "fuzz $t: FAILED, inputs in $crashes (see $log)"
    status=1
  fi
done
exit $status
