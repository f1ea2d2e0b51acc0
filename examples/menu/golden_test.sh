#!/usr/bin/env bash
# Replays the menu's scenario headless and compares every frame the
# program shows with the checked-in golden frames, pixel for pixel.
#   golden_test.sh <menu program> <vr_pngdiff> <scenario> <golden folder> [runs] [load]
# runs: how many replays (default 1), each of which must match; load: the
# number of busy loops to run meanwhile (default 0), so that a replay's
# timing differs from the golden run's. VRLIB_UPDATE_GOLDEN=1 writes the
# frames of one run into the golden folder instead.
set -u
program=$1 pngdiff=$2 scenario=$3 golden=$4 runs=${5:-1} load=${6:-0}

work=$(mktemp -d)
busy=()
cleanup() {
  for pid in "${busy[@]}"; do kill "$pid" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT

for ((i = 0; i < load; ++i)); do
  (while :; do :; done) &
  busy+=($!)
done

replay() {  # replay <folder>
  mkdir -p "$1"
  (cd "$work" && LUMISIM_HEADLESS=1 LUMISIM_INPUT="$scenario" LUMISIM_DUMP="$1" timeout 60 "$program") ||
    { echo "FAIL: $program ended with status $? (folder $1)"; return 1; }
}

if [ "${VRLIB_UPDATE_GOLDEN:-}" = 1 ]; then
  replay "$work/frames" || exit 1
  mkdir -p "$golden" && rm -f "$golden"/frame_*.png && cp "$work/frames"/frame_*.png "$golden/"
  echo "wrote $(ls "$golden" | wc -l) golden frames to $golden"
  exit 0
fi

expected=$(cd "$golden" && ls frame_*.png)
[ -n "$expected" ] || { echo "FAIL: no golden frames in $golden"; exit 1; }
failed=0
for ((run = 1; run <= runs; ++run)); do
  frames="$work/run$run"
  replay "$frames" || { failed=1; continue; }
  got=$(cd "$frames" && ls frame_*.png)
  if [ "$got" != "$expected" ]; then
    echo "FAIL: run $run made frames [$(echo $got)], the golden ones are [$(echo $expected)]"
    failed=1
    continue
  fi
  for frame in $expected; do
    if ! diff=$("$pngdiff" "$golden/$frame" "$frames/$frame" 2>&1); then
      echo "FAIL: run $run, $frame: $diff"
      failed=1
    fi
  done
done
[ "$failed" = 0 ] && echo "ok: $runs replays, each $(echo "$expected" | wc -l) frames equal to the golden ones"
exit "$failed"
