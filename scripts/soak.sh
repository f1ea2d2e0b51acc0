#!/usr/bin/env bash
# Runs the demo headless for SECONDS (default 1200) in the plain build and
# in the AddressSanitizer + UBSan build at once, samples each one's resident
# memory every 10 s, and fails on growth of more than 5 % over the sample
# taken after the first minute (a third of the run when it is shorter), on
# any sanitizer report, or when the demo does not end with status 0 on
# SIGTERM. The samples go to build-soak/<build>.rss.
#   scripts/soak.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-1200}
interval=10
settle=$((seconds / 3 < 60 ? seconds / 3 : 60))
mkdir -p build-soak

export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LUMISIM_HEADLESS=1

declare -A dirs=([plain]=build [asan]=build-asan)
declare -A sanitize=([plain]="" [asan]="address,undefined")
declare -A pids
for b in plain asan; do
  cmake -S . -B "${dirs[$b]}" -DVR_SANITIZE="${sanitize[$b]}" -DVR_BUILD_BENCH=OFF >/dev/null
  cmake --build "${dirs[$b]}" -j "$(nproc)" --target Demoria >/dev/null
  # From its own folder, where the board picture and the INI lie.
  (cd "${dirs[$b]}/bin" && exec ./Demoria >/dev/null 2>"$OLDPWD/build-soak/$b.err") &
  pids[$b]=$!
  : >"build-soak/$b.rss"
done

rss_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status" 2>/dev/null || echo 0; }

for ((t = interval; t <= seconds; t += interval)); do
  sleep "$interval"
  for b in plain asan; do
    echo "$t $(rss_kb "${pids[$b]}")" >>"build-soak/$b.rss"
  done
done

status=0
for b in plain asan; do
  pid=${pids[$b]}
  if ! kill -0 "$pid" 2>/dev/null; then
    echo "soak $b: the demo ended by itself (see build-soak/$b.err)"
    status=1
    continue
  fi
  kill -TERM "$pid"
  code=0
  wait "$pid" || code=$?
  read -r base max < <(awk -v s="$settle" '$1 >= s && !b {b = $2} $1 >= s && $2 > m {m = $2} END {print b, m}' "build-soak/$b.rss")
  growth=$(awk -v b="$base" -v m="$max" 'BEGIN {printf "%.1f", b ? (m - b) * 100 / b : 0}')
  line="soak $b: ${seconds} s, RSS $((base / 1024)) MiB after ${settle} s, at most $((max / 1024)) MiB later (+${growth} %)"
  if [ "$code" -ne 0 ]; then
    echo "$line; FAILED: exit status $code (see build-soak/$b.err)"
    status=1
  elif grep -qE 'ERROR: (Address|Leak)Sanitizer|runtime error:' "build-soak/$b.err"; then
    echo "$line; FAILED: sanitizer report in build-soak/$b.err"
    status=1
  elif awk -v b="$base" -v m="$max" 'BEGIN {exit !(m > b * 1.05)}'; then
    echo "$line; FAILED: more than 5 % growth"
    status=1
  else
    echo "$line; ok"
  fi
done
exit $status
