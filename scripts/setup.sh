#!/usr/bin/env bash
# Installs what the project needs from Debian 12, by package name, and only
# what is missing. Safe to run again.
set -euo pipefail

packages=(
  # build and test
  build-essential cmake pkg-config libgtest-dev libgmock-dev libbenchmark-dev
  # driver: INI parsing and the simulator window
  libinih-dev qt6-base-dev libgl-dev
  # converters: font rasterising, PNG reading, SVG sources of the demo's images
  libfreetype-dev libpng-dev librsvg2-bin
  # the typefaces of the demo's fonts
  fonts-dejavu-core fonts-dejavu-extra fonts-liberation2 fonts-urw-base35
  # windowed tests and screenshots without a screen; XTest for the key-latency benchmark
  xvfb xauth x11-utils xdotool imagemagick libxtst-dev
  # API reference
  doxygen
  # Cortex-M cross build and the emulated LM3S6965 board
  gcc-arm-none-eabi libnewlib-arm-none-eabi libstdc++-arm-none-eabi-newlib qemu-system-arm
  # fuzz targets (scripts/fuzz.sh): clang with libFuzzer and the sanitizer runtimes
  clang libclang-rt-14-dev
  # the formatting check of scripts/test.sh and scripts/format.sh
  clang-format-14
  # instruction counts of the frame-buffer benchmarks (scripts/fbdev-instructions.sh)
  valgrind
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
