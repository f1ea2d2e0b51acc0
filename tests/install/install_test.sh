#!/usr/bin/env bash
# Installs the build into a temporary prefix, builds the example application
# out of tree with find_package(VRLib) and with pkg-config, and runs both
# headless. The versions (library, driver) are the build's, as CMake has them.
set -euo pipefail
build=$1
src=$2
version=$3
driver_version=$4
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

cmake --install "$build" --prefix "$tmp/prefix" >"$tmp/install.log"
libdir=$(dirname "$(find "$tmp/prefix" -name 'libVRLib.so' | head -n 1)")
for f in include/VRLib.h include/DDrv.h bin/Demoria bin/Board_320_240.bmp bin/Lumisim.ini \
         bin/vr_fontconv bin/vr_imgconv; do
  [ -e "$tmp/prefix/$f" ] || { echo "not installed: $f"; exit 1; }
done
# Sonames carry the major versions.
objdump -p "$libdir/libVRLib.so" | grep -q "SONAME *libVRLib.so.${version%%.*}\$" || { echo "VRLib soname"; exit 1; }
objdump -p "$libdir/libDDrv_Lumisim.so" | grep -q "SONAME *libDDrv_Lumisim.so.${driver_version%%.*}\$" ||
  { echo "driver soname"; exit 1; }
[ -e "$libdir/libVRLib.so.$version" ] || { echo "not installed: libVRLib.so.$version"; exit 1; }
[ -e "$libdir/libDDrv_Lumisim.so.$driver_version" ] || { echo "not installed: libDDrv_Lumisim.so.$driver_version"; exit 1; }

# find_package(VRLib)
cmake -S "$src/examples" -B "$tmp/with-cmake" -DCMAKE_PREFIX_PATH="$tmp/prefix" >"$tmp/configure.log"
cmake --build "$tmp/with-cmake" >"$tmp/build.log"

# pkg-config
export PKG_CONFIG_PATH="$libdir/pkgconfig"
for pc in vrlib vrlib-core; do
  [ "$(pkg-config --modversion $pc)" = "$version" ] || { echo "$pc.pc version"; exit 1; }
done
# shellcheck disable=SC2046
cc -std=c99 -o "$tmp/with-pkg-config" "$src/examples/primitives.c" $(pkg-config --cflags --libs vrlib)

cd "$tmp"
LUMISIM_HEADLESS=1 VR_EXAMPLE_SECONDS=0 "$tmp/with-cmake/vr_example"
# The rpath in vrlib.pc finds the libraries from any folder, without
# LD_LIBRARY_PATH.
(cd / && env -u LD_LIBRARY_PATH LUMISIM_HEADLESS=1 VR_EXAMPLE_SECONDS=0 "$tmp/with-pkg-config")
echo "installed, built out of tree both ways, ran headless"
