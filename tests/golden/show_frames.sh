#!/bin/sh
# Stands in for an application under a golden test: "shows" the PNGs given
# as arguments by writing them as frames where the driver would, and
# checks the surroundings the test promises it.
set -eu
[ "${LUMISIM_HEADLESS:-}" = 1 ] || { echo "not headless" >&2; exit 3; }
[ -d "${LUMISIM_DUMP:-}" ] || { echo "no frame folder" >&2; exit 3; }
[ -z "$(ls "$LUMISIM_DUMP")" ] || { echo "frame folder not fresh" >&2; exit 3; }
if [ -n "${EXPECT_INPUT:-}" ]; then
  [ "${LUMISIM_INPUT:-}" = "$EXPECT_INPUT" ] || { echo "LUMISIM_INPUT is '${LUMISIM_INPUT:-}'" >&2; exit 3; }
fi
if [ -n "${EXPECT_FILE:-}" ]; then
  [ -f "./$EXPECT_FILE" ] || { echo "$EXPECT_FILE not in the run folder" >&2; exit 3; }
fi
n=0
for png in "$@"; do
  cp "$png" "$LUMISIM_DUMP/$(printf 'frame_%06d.png' "$n")"
  n=$((n + 1))
done
exit "${EXIT_STATUS:-0}"
