#!/usr/bin/env bash
# Builds and runs the title-bar repaint benchmark under wine64 on a private Xvfb.
set -euo pipefail
cd "$(dirname "$0")/../.."
. winedriver/winedriver.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target titlebar-repaint-bench -j2 >/dev/null
WINEPREFIX=${WINEPREFIX:-$PWD/build/win64/wineprefix} \
  winedriver run build/win64/bench-titlebar/titlebar-repaint-bench.exe
