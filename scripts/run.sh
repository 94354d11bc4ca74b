#!/usr/bin/env bash
# Builds the launcher and starts it under wine64 (through the Wine driver, winedriver/).
#   On $DISPLAY when it is set and reachable, otherwise on a private Xvfb (1024x768x24).
#   Waits for the window to appear and paint, saves a screenshot to shots/launcher.png and runs
#   until the launcher ends or Ctrl+C, which stops the launcher, its wineserver and Xvfb by PID.
#   VFC_SHOT  where to save the screenshot (default shots/launcher.png)
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
. winedriver/winedriver.sh
exe=$root/build/win64/app/VelmoraCenter.exe
shot=${VFC_SHOT:-$root/shots/launcher.png}

scripts/install-deps.sh || exit 1
cmake --preset win64 >/dev/null || { echo "run: configuring win64 failed" >&2; exit 1; }
cmake --build --preset win64 --target VelmoraCenter -j2 || { echo "run: build failed" >&2; exit 1; }
[ -f "$exe" ] || { echo "run: $exe was not built" >&2; exit 1; }

# A prefix of its own, so that a test run's wineserver and this one never meet.
export WINEPREFIX=$root/build/wineprefix-run
winedriver prefix || exit 1
winedriver show "$exe" --title "Velmora Free Center" --shot "$shot"
