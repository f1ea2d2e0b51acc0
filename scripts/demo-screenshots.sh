#!/usr/bin/env bash
# Runs the demo in its window on a virtual X server and saves a screenshot of
# every page: the title page about 1 s after the start, then each feature
# page about 3 s into its 6 s. The pictures go outside the repository.
#
#   scripts/demo-screenshots.sh [folder]     (default /tmp/demoria-shots)
#   BUILD_DIR picks another build (default build).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bin="$root/${BUILD_DIR:-build}/bin"
out="${1:-/tmp/demoria-shots}"
[ -x "$bin/Demoria" ] || { echo "no Demoria in $bin: build it first" >&2; exit 1; }
mkdir -p "$out"

# A free display number from the server itself.
numfile="$(mktemp)"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$numfile" 2>/dev/null &
xvfb=$!
demo=""
cleanup() {
  [ -n "$demo" ] && kill -TERM "$demo" 2>/dev/null && wait "$demo" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -f "$numfile"
}
trap cleanup EXIT
for _ in $(seq 50); do [ -s "$numfile" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$numfile")"
unset LUMISIM_HEADLESS QT_QPA_PLATFORM

cd "$bin"
./Demoria >"$out/console.txt" 2>&1 &
demo=$!
start=$(date +%s.%N)

# Sleeps until `at` seconds after the start, then grabs the whole screen.
shot() {
  local name=$1 at=$2 now wait
  now=$(date +%s.%N)
  wait=$(awk -v s="$start" -v n="$now" -v a="$at" 'BEGIN { w = s + a - n; print (w > 0 ? w : 0) }')
  sleep "$wait"
  import -window root "$out/$name.png"
  echo "$out/$name.png"
}

# The title page shows from tick 2 (0.4 s) to tick 52 (10.4 s); feature
# page k from 10.4 + 6 (k - 1) s on.
shot page0-title 1
titles=(features aufbau grafikelemente bitmaps texte ui-elemente treiber projekte)
for k in $(seq 1 8); do
  shot "page$k-${titles[k-1]}" "$(awk -v k="$k" 'BEGIN { print 13.4 + 6 * (k - 1) }')"
done

kill -HUP "$demo"
status=0
wait "$demo" || status=$?
demo=""
echo "Demoria ended with status $status"
