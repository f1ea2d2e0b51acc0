#!/usr/bin/env bash
# Runs a window check against a private Xvfb server, in a fresh folder that
# holds the board picture and the INI. Exits 77 (skipped) only when no
# X server can be started here.
#   run_under_xvfb.sh <check program> <data folder>
set -u
check=$1 data=$2

skip() { echo "SKIPPED: $*"; exit 77; }
for tool in Xvfb import xwininfo xdotool; do
  command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/setup.sh installs it)"
done

work=$(mktemp -d)
xvfb_pid=
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
cp "$data/Board_320_240.bmp" "$data/Lumisim.ini" "$work/"

# Xvfb picks a free display number and writes it to fd 3 once it listens;
# the screen holds the window at zoom 3. No reset when the last client
# leaves: a check that brings the window up again must not find the server
# in the middle of one.
Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || skip "Xvfb cannot start: $(tail -n 3 "$work/xvfb.log")"
  sleep 0.1
done
[ -s "$work/display" ] || skip "Xvfb did not come up within 10 s"

export DISPLAY=":$(cat "$work/display")"
# Qt's own threads under X11 are not ThreadSanitizer-clean; see the file.
suppressions="$(cd "$(dirname "$0")/../../.." && pwd)/scripts/tsan-qt.supp"
export TSAN_OPTIONS="${TSAN_OPTIONS:+$TSAN_OPTIONS:}suppressions=$suppressions"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY LUMISIM_HEADLESS
# A plain backdrop, so see-through pixels show something other than the board.
command -v xsetroot >/dev/null && xsetroot -solid '#b03060'
cd "$work" || exit 1
# One retry: a window manager-less Xvfb occasionally maps the window late.
"$check" && exit 0
echo "first attempt failed; retrying once"
sleep 1
"$check"
