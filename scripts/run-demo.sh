#!/usr/bin/env bash
# Starts the demo from its build folder, where its board picture and
# Lumisim.ini lie beside it. BUILD_DIR picks another build (default build).
set -euo pipefail
bin="$(cd "$(dirname "$0")/.." && pwd)/${BUILD_DIR:-build}/bin"
cd "$bin"
if [ -x ./Demoria ]; then
  exec ./Demoria "$@"
fi
exec ./vr_example "$@"
