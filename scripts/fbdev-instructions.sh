#!/usr/bin/env bash
# Instructions per pixel of the frame-buffer driver's benchmarks and of the
# per-pixel floor, counted with callgrind. Times per pixel depend on the
# core (the RGB565 clear measured 1.38x the floor on one machine and about
# 1.0x on another); instruction counts repeat exactly for the same binaries.
#   scripts/fbdev-instructions.sh [BUILD_DIR]   (default build-rel, a
#   Release build with the fbdev_bench and fb_standin targets built)
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build-rel}/bin
for f in "$bin/fbdev_bench" "$bin/libfb_standin.so"; do
  [[ -e $f ]] || { echo "fbdev-instructions: $f missing; build fbdev_bench and fb_standin" >&2; exit 1; }
done
command -v valgrind >/dev/null || { echo "fbdev-instructions: valgrind not found" >&2; exit 1; }
out=$(mktemp)
trap 'rm -f "$out"' EXIT

# name, the pixel function, the calls collected with everything they call
# (a second pattern toggles collection off inside the first: the floor's
# set-up runs inside its benchmark)
count() {
  local name=$1 pixel=$2 toggles=()
  shift 2
  for t; do toggles+=(--toggle-collect="$t"); done
  LD_PRELOAD=$bin/libfb_standin.so valgrind --tool=callgrind --compress-strings=no --compress-pos=no \
    "${toggles[@]}" --callgrind-out-file="$out" \
    "$bin/fbdev_bench" --benchmark_filter="^$name\$" --benchmark_min_time=0.01 >/dev/null 2>&1 ||
    { echo "fbdev-instructions: $name did not run under callgrind" >&2; exit 1; }
  awk -v pixel="$pixel" '
    /^summary:/ { total = $2 }
    /^cfn=/ { hit = index($0, pixel) > 0 }
    /^calls=/ && hit { split($1, c, "="); calls += c[2] }
    END {
      if (calls == 0) { print "fbdev-instructions: no calls of " pixel > "/dev/stderr"; exit 1 }
      printf "%.1f\n", total / calls
    }' "$out"
}

floor=$(count BM_Floor floor_set_pixel '*BM_Floor*' floor_init)
printf '%-18s %s\n' BM_Floor "$floor instructions per pixel"
for b in BM_FbdevClear/16 BM_FbdevClear/32 BM_FbdevRect/16 BM_FbdevRect/32; do
  [[ $b == BM_FbdevClear* ]] && top=VR_ClearScreen || top=VR_DrawRect
  n=$(count "$b" DDrv_SetPixel "$top")
  printf '%-18s %s instructions per pixel, %s the floor\n' "$b" "$n" "$(awk -v n="$n" -v f="$floor" 'BEGIN { printf "%.2fx", n / f }')"
done
