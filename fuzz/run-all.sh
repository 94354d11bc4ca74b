#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a bounded time each, seeded from
# fuzz/corpus/<target>/, and fails on any crash, leak, timeout or out-of-memory.
#   usage: fuzz/run-all.sh BUILD_DIR SECONDS
# New inputs go to a scratch corpus under BUILD_DIR/fuzz-work; the seeds stay untouched.
# Findings are kept as BUILD_DIR/fuzz-work/<target>/crash-*, leak-*, timeout-*, oom-*.
set -uo pipefail

if [ $# -ne 2 ]; then
    echo "usage: $0 BUILD_DIR SECONDS" >&2
    exit 64
fi
build=$(cd "$1" && pwd) || exit 1
seconds=$2
here=$(cd "$(dirname "$0")" && pwd)
targets="fuzz_inflate fuzz_archive fuzz_records fuzz_bmp"

failed=0
for target in $targets; do
    program=$build/fuzz/$target
    if [ ! -x "$program" ]; then
        echo "$target: not built ($program)" >&2
        failed=1
        continue
    fi
    work=$build/fuzz-work/$target
    mkdir -p "$work/corpus"
    log=$work/log.txt
    # The format targets get inputs large enough to hold many tiny Deflate blocks, long record
    # chains and archives near the decoder's limits.
    case $target in
    fuzz_inflate | fuzz_archive | fuzz_records) max_len=65536 ;;
    *) max_len=4096 ;;
    esac
    echo "== $target: ${seconds}s, inputs up to $max_len bytes"
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        "$program" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -detect_leaks=1 -max_len="$max_len" \
        -print_final_stats=1 -artifact_prefix="$work/" "$work/corpus" "$here/corpus/$target" \
        >"$log" 2>&1
    rc=$?
    runs=$(grep -Eo 'stat::number_of_executed_units: *[0-9]+' "$log" | grep -Eo '[0-9]+$' | tail -1)
    cov=$(grep -Eo 'cov: [0-9]+' "$log" | tail -1)
    echo "   executions: ${runs:-?}  ${cov:-}  corpus: $(ls "$work/corpus" | wc -l) inputs  exit: $rc"
    if [ $rc -ne 0 ] || ls "$work"/crash-* "$work"/leak-* "$work"/timeout-* "$work"/oom-* >/dev/null 2>&1; then
        echo "$target: FAILED (see $log)" >&2
        grep -E 'ERROR|SUMMARY|deadly|Test unit written' "$log" | head -20 >&2
        failed=1
    fi
done
exit $failed
