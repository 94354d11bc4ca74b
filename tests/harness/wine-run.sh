#!/usr/bin/env bash
# Runs one Windows program under wine64 on a private Xvfb display and returns its exit code.
#   WINEPREFIX   the prefix to use (created on first use; creation is serialised by a lock)
#   VFC_DISPLAY  reuse this X display instead of starting a private one
# The program and the Xvfb server started here are stopped by their PIDs when the program ends
# or when this script is interrupted (CTest's timeout sends TERM).
set -u
: "${WINEPREFIX:?WINEPREFIX must be set}"
export WINEPREFIX WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
WINE64=/usr/lib/wine/wine64
here=$(cd "$(dirname "$0")" && pwd)

"$here/wine-prefix.sh" || exit 1

xvfb_pid= program_pid=
cleanup() {
    for pid in $program_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    done
}
trap cleanup EXIT
trap 'exit 143' TERM
trap 'exit 130' INT

if [ -n "${VFC_DISPLAY:-}" ]; then
    export DISPLAY=$VFC_DISPLAY
else
    # Xvfb picks a free display number itself and writes it to the descriptor we give it.
    numfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$numfile" 2>/dev/null &
    xvfb_pid=$!
    for _ in $(seq 200); do
        [ -s "$numfile" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.05
    done
    num=$(tr -dc 0-9 <"$numfile")
    rm -f "$numfile"
    [ -n "$num" ] || { echo "wine-run: Xvfb did not start" >&2; exit 1; }
    export DISPLAY=":$num"
fi

# In the background so that a signal reaches the trap while the program runs.
"$WINE64" "$@" &
program_pid=$!
wait "$program_pid"
rc=$?
program_pid=
exit $rc
