#!/usr/bin/env bash
# Measures the launcher's start-up time against the minimal baseline (see measure.py).
#   bench/startup/run.sh [RUNS]     default 21 runs of each, interleaved
# Builds both programs in build/win64 first; uses a Wine prefix of its own.
set -euo pipefail
cd "$(dirname "$0")/../.."
. winedriver/winedriver.sh
runs=${1:-21}
build=build/win64

cmake --preset win64 >/dev/null
cmake --build --preset win64 --target VelmoraCenter startup-baseline -j2

export WINEPREFIX=$PWD/build/wineprefix-bench
winedriver prefix
exec /usr/bin/python3 bench/startup/measure.py "$build/app/VelmoraCenter.exe" \
    "$build/bench-startup/startup-baseline.exe" assets --runs "$runs"
