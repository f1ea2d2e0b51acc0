#!/usr/bin/env bash
# Checks the formatting, then builds and runs every test: a plain build, the
# Cortex-M3 build with its tests under QEMU, one under AddressSanitizer and
# UndefinedBehaviourSanitizer, and one under ThreadSanitizer for the tests
# labelled "threads". Warnings are errors in all of them.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/format.sh --check
jobs=$(nproc)

export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$PWD/scripts/tsan.supp"

run() {
  local dir=$1 sanitize=$2 label=$3
  cmake -S . -B "$dir" -DVR_SANITIZE="$sanitize" -DVR_BUILD_BENCH=OFF -DVR_WERROR=ON >/dev/null
  cmake --build "$dir" -j "$jobs"
  (cd "$dir" && ctest --output-on-failure -j "$jobs" ${label:+-L "$label"})
}

run build "" ""
# The Cortex-M3 build: library size against its budget, and the tests on
# the emulated board (they take the fonts and vr_scene_tool from build/).
cmake --preset cortex-m3 -DVR_WERROR=ON >/dev/null
cmake --build --preset cortex-m3 -j "$jobs"
ctest --preset cortex-m3 -j "$jobs"
run build-asan "address,undefined" ""
run build-tsan "thread" "threads"

# The fuzz targets for about 20 s each (crashes found so far are replayed
# first), and a one-minute soak of the demo in the plain and ASan builds.
# A fuzz failure still lets the soak run; both count.
fuzz=0
scripts/fuzz.sh 20 || fuzz=$?
scripts/soak.sh 60
exit $fuzz
