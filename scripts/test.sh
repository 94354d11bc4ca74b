#!/usr/bin/env bash
# Builds and tests every target: native (ctest), fuzz (build, then a timed fuzzing run),
# win64 (ctest under wine64 on private Xvfb displays) and win32 (release build only).
# Runs every stage even after a failure, prints a summary and fails when any stage failed.
#   FUZZ_SECONDS  fuzzing time handed to fuzz/run-all.sh (default 60)
#   VFC_STAGES    stages to run, default "native fuzz win64 win32"
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

scripts/install-deps.sh || { echo "test: installing the dependencies failed" >&2; exit 1; }

jobs=2
fuzz_seconds=${FUZZ_SECONDS:-60}
stages=${VFC_STAGES:-native fuzz win64 win32}
logs=$root/build/logs
mkdir -p "$logs"

declare -A result seconds closing

banner() { printf '\n==== %s ====\n' "$*"; }

# Runs one command of a stage with its output shown and kept in the stage's log.
step() {
    local stage=$1
    shift
    echo "+ $*"
    "$@" 2>&1 | tee -a "$logs/$stage.log"
    return "${PIPESTATUS[0]}"
}

configure_and_build() {
    local preset=$1
    step "$preset" cmake --preset "$preset" && step "$preset" cmake --build --preset "$preset" -j"$jobs"
}

run_ctest() {
    local preset=$1
    shift
    step "$preset" ctest --preset "$preset" "$@"
    local rc=$?
    closing[$preset]=$(grep -E '^[0-9]+% tests passed' "$logs/$preset.log" | tail -1)
    [ -n "${closing[$preset]}" ] || closing[$preset]="(ctest printed no result line)"
    return $rc
}

stage_native() {
    configure_and_build native && run_ctest native -j"$jobs"
}

stage_fuzz() {
    configure_and_build fuzz || return 1
    if [ -x fuzz/run-all.sh ]; then
        step fuzz fuzz/run-all.sh build/fuzz "$fuzz_seconds"
    else
        echo "fuzz/run-all.sh not present: fuzz targets built, not run" | tee -a "$logs/fuzz.log"
    fi
}

stage_win64() {
    configure_and_build win64 && run_ctest win64
}

# The 32-bit release build cannot run here; it must build without a single warning
# (the compiler's are errors already; this also catches the resource compiler's and the linker's).
stage_win32() {
    configure_and_build win32 || return 1
    if grep -i 'warning' "$logs/win32.log" | grep -v -e '^+ ' -e '-Wall' >/dev/null; then
        echo "win32: the build printed warnings:" >&2
        grep -i 'warning' "$logs/win32.log" | grep -v -e '^+ ' >&2
        return 1
    fi
}

failed=0
for stage in $stages; do
    : >"$logs/$stage.log"
    banner "$stage"
    start=$(date +%s)
    if "stage_$stage"; then result[$stage]=passed; else result[$stage]=FAILED; failed=1; fi
    seconds[$stage]=$(($(date +%s) - start))
done

banner summary
for stage in $stages; do
    printf '%-7s %-7s %5ss  %s\n' "$stage" "${result[$stage]}" "${seconds[$stage]}" "${closing[$stage]:-}"
done
echo "logs: $logs"
# CTest's own closing line of each target, alone on its line.
for stage in $stages; do
    if [ -n "${closing[$stage]:-}" ]; then
        echo "$stage (ctest):"
        echo "${closing[$stage]}"
    fi
done
if [ $failed -ne 0 ]; then
    echo "test: FAILED"
    exit 1
fi
echo "test: all stages passed"
