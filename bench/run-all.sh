#!/usr/bin/env bash
# Runs every benchmark side by side with its anchor and prints, as its last lines, one
# `ratio NAME VALUE AIM` line per measure: our cost divided by the anchor's (time, or bytes for
# memory), so lower is better, with the aim in the same form. The raw figures stand above them.
# A measurement, not a test: exits 0 whatever the figures, 1 only when a measure could not run.
#   bench/run-all.sh [--runs N] [MEASURE...]
#     MEASURE: inflate, hover, titlebar or startup (default all of them, in that order)
#     N: interleaved start-up runs of each program (default 21)
set -uo pipefail
cd "$(dirname "$0")/.."
. winedriver/winedriver.sh
runs=21
if [ "${1:-}" = --runs ]; then
    runs=${2:?--runs takes a number}
    shift 2
fi
measures=("$@")
[ ${#measures[@]} -gt 0 ] || measures=(inflate hover titlebar startup)
out=build/bench
mkdir -p "$out"
ratios=$out/ratios.txt
: >"$ratios"
failed=()

# Runs one measure, showing its output and keeping its ratio lines.
measure() {
    local name=$1
    shift
    printf '\n==== %s ====\n' "$name"
    "$@" 2>&1 | tee "$out/$name.log"
    if [ "${PIPESTATUS[0]}" -ne 0 ]; then
        failed+=("$name")
        return
    fi
    grep -E '^ratio ' "$out/$name.log" >>"$ratios"
}

build() {
    cmake --preset "$1" >/dev/null && cmake --build --preset "$1" --target "${@:2}" -j2 >/dev/null
}

inflate() {
    build native inflate-bench &&
        build/native/bench/inflate-bench --benchmark_repetitions=3 \
            --benchmark_report_aggregates_only=true --benchmark_out_format=json \
            --benchmark_out="$out/inflate.json" &&
        /usr/bin/python3 bench/inflate_ratios.py "$out/inflate.json"
}

hover() {
    build win64 hover-repaint-bench &&
        WINEPREFIX=$PWD/build/wineprefix-bench winedriver prefix &&
        WINEPREFIX=$PWD/build/wineprefix-bench \
            winedriver run build/win64/bench-hover/hover-repaint-bench.exe
}

titlebar() {
    build win64 titlebar-repaint-bench &&
        WINEPREFIX=$PWD/build/wineprefix-bench winedriver prefix &&
        WINEPREFIX=$PWD/build/wineprefix-bench \
            winedriver run build/win64/bench-titlebar/titlebar-repaint-bench.exe
}

startup() {
    build win64 VelmoraCenter startup-baseline &&
        WINEPREFIX=$PWD/build/wineprefix-bench winedriver prefix &&
        WINEPREFIX=$PWD/build/wineprefix-bench /usr/bin/python3 bench/startup/measure.py \
            build/win64/app/VelmoraCenter.exe build/win64/bench-startup/startup-baseline.exe \
            assets --runs "$runs"
}

for name in "${measures[@]}"; do
    case $name in
    inflate | hover | titlebar | startup) measure "$name" "$name" ;;
    *)
        echo "run-all: unknown measure $name (inflate, hover, titlebar, startup)" >&2
        exit 64
        ;;
    esac
done

printf '\n==== ratios (ours / anchor; lower is better) ====\n'
cat "$ratios"
if [ ${#failed[@]} -ne 0 ]; then
    echo "bench: could not measure: ${failed[*]}" >&2
    exit 1
fi
