#!/usr/bin/env bash
# Follows the driver guide literally on an installed VRLib: copies the
# template driver next to an application, builds both with the CMake lines
# the guide shows (VRLib::Core, then VRLib::Static) and with its pkg-config
# line, runs each, and checks that the frames came from the template driver
# and that the simulator was not even loaded. Linking without a driver must
# fail, naming the driver functions.
set -euo pipefail
build=$1
src=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "bind_driver_test: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$tmp/prefix" >"$tmp/install.log"
libdir=$(dirname "$(find "$tmp/prefix" -name 'libVRLibCore.so' | head -n 1)")
[ -e "$libdir/libVRLib.a" ] || fail "libVRLib.a not installed"
[ -x "$tmp/prefix/bin/vr_drvcheck" ] || fail "vr_drvcheck not installed"

# The guide's CMake block, marked <!-- bind-cmake --> in docs/driver-guide.md.
app=$tmp/app
mkdir -p "$app/driver-template"
awk '/<!-- bind-cmake -->/{on=1; next} on && /^```cmake/{inblock=1; next} inblock && /^```/{exit} inblock{print}' \
  "$src/docs/driver-guide.md" >"$app/CMakeLists.txt"
grep -q 'VRLib::Core' "$app/CMakeLists.txt" || fail "no CMake block found in the guide"
cp "$src/examples/driver-template/DDrv_Template.c" "$app/driver-template/"
cp "$src/examples/primitives.c" "$app/main.c"

# Runs a program with frame dumps on and checks a frame of the template's.
expect_template_frames() {
  # A fresh folder per run, so that no run's check sees an earlier run's frames.
  local program=$1 frames
  frames=$(mktemp -d "$tmp/frames-XXXXXX")
  (cd "$frames" && DDRV_TEMPLATE_DUMP=$frames VR_EXAMPLE_SECONDS=0 "$program") || fail "$program failed"
  ls "$frames"/frame_*.ppm >/dev/null 2>&1 || fail "$program showed no frame through the template driver"
  if objdump -p "$program" | grep -q 'NEEDED.*libDDrv_Lumisim\|NEEDED.*libVRLib\.so'; then
    fail "$program still needs the simulator"
  fi
}

cmake -S "$app" -B "$app/build" -DCMAKE_PREFIX_PATH="$tmp/prefix" >"$tmp/configure.log"
cmake --build "$app/build" >"$tmp/build.log" || { cat "$tmp/build.log"; fail "the guide's CMake lines do not build"; }
expect_template_frames "$app/build/my_app"

# The same, static: the guide's two replaced lines.
sed -e 's/vrlib_add_driver(DDrv_Template /vrlib_add_driver(DDrv_Template STATIC /' \
    -e 's/VRLib::Core/VRLib::Static/' "$app/CMakeLists.txt" >"$app/CMakeLists.static"
mkdir -p "$tmp/static" && cp -r "$app/driver-template" "$app/main.c" "$tmp/static/"
cp "$app/CMakeLists.static" "$tmp/static/CMakeLists.txt"
cmake -S "$tmp/static" -B "$tmp/static/build" -DCMAKE_PREFIX_PATH="$tmp/prefix" >"$tmp/configure-static.log"
cmake --build "$tmp/static/build" >"$tmp/build-static.log" || { cat "$tmp/build-static.log"; fail "static build"; }
objdump -p "$tmp/static/build/my_app" | grep -q 'NEEDED.*libVRLib' && fail "the static application needs a VRLib library"
expect_template_frames "$tmp/static/build/my_app"

# pkg-config, as the guide shows it.
export PKG_CONFIG_PATH="$libdir/pkgconfig"
# shellcheck disable=SC2046
cc -std=c99 -o "$tmp/my_app_pc" "$app/main.c" $(pkg-config --cflags --libs vrlib-core) -L"$app/build" -lDDrv_Template
# vrlib-core.pc carries the library's run path; only the driver's folder is given.
LD_LIBRARY_PATH="$app/build" expect_template_frames "$tmp/my_app_pc"

# Without a driver the link fails and names what is missing.
# shellcheck disable=SC2046
if cc -std=c99 -o "$tmp/no_driver" "$app/main.c" $(pkg-config --cflags --libs vrlib-core) 2>"$tmp/link.err"; then
  fail "linking VRLib::Core without a driver succeeded"
fi
grep -q "undefined reference to .DDrv_" "$tmp/link.err" || { cat "$tmp/link.err"; fail "the link error names no driver function"; }

# The installed checker passes the installed template.
"$tmp/prefix/bin/vr_drvcheck" "$app/build/libDDrv_Template.so" >"$tmp/check.log" || { cat "$tmp/check.log"; fail "vr_drvcheck"; }
echo "bound the template driver through the guide's CMake and pkg-config lines, shared and static"
