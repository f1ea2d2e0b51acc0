#!/usr/bin/env bash
# Makes docs/simulator.png, the README's picture of the simulator window:
# runs the demo on a virtual X server with a grey backdrop (so the window's
# see-through corners show), waits for page "2-D-Grafikelemente" and crops
# the screen to the window with a margin.
#   BUILD_DIR picks another build (default build).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bin="$root/${BUILD_DIR:-build}/bin"
out="$root/docs/simulator.png"
[ -x "$bin/Demoria" ] || { echo "no Demoria in $bin: build it first" >&2; exit 1; }

numfile="$(mktemp)"
shot="$(mktemp --suffix=.png)"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$numfile" 2>/dev/null &
xvfb=$!
demo=""
backdrop=""
backdrop_pid=""
cleanup() {
  [ -n "$demo" ] && kill -TERM "$demo" 2>/dev/null && wait "$demo" 2>/dev/null || true
  [ -n "$backdrop_pid" ] && kill "$backdrop_pid" 2>/dev/null && wait "$backdrop_pid" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -f "$numfile" "$backdrop"; [ -n "${KEEP_SHOT:-}" ] || rm -f "$shot"
}
trap cleanup EXIT
for _ in $(seq 50); do [ -s "$numfile" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$numfile")"
unset LUMISIM_HEADLESS QT_QPA_PLATFORM
# The backdrop is a plain window under the demo's (the root window of the
# virtual server stays black whatever its background is set to).
backdrop="$(mktemp --suffix=.png)"
convert -size 1024x768 xc:'#8a8f98' "$backdrop"
display -geometry +0+0 -borderwidth 0 "$backdrop" &
backdrop_pid=$!
sleep 1

cd "$bin"
./Demoria >/dev/null 2>&1 &
demo=$!
# Feature page 3 is shown from 22.4 s to 28.4 s after the start.
sleep 26
import -window root "$shot"
geometry=$(xwininfo -name 'Vantrel Simu')
x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$geometry")
y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$geometry")
w=$(awk '/Width:/ {print $2}' <<<"$geometry")
h=$(awk '/Height:/ {print $2}' <<<"$geometry")
m=16
# A border of backdrop first, so a window at the screen's edge keeps its margin.
convert "$shot" -bordercolor '#8a8f98' -border "$m" \
  -crop "$((w + 2 * m))x$((h + 2 * m))+$x+$y" +repage -strip "$out"
echo "wrote $out (window at $x,$y size ${w}x$h; screen $shot)"
