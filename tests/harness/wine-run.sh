#!/usr/bin/env bash
# Runs one Windows program under wine64 on a private Xvfb display and returns its exit code.
#   WINEPREFIX   the prefix to use (created on first use; creation is serialised by a lock)
#   VFC_DISPLAY  reuse this X display instead of starting a private one
# The Xvfb server started here is stopped by its PID when the program ends.
set -u
: "${WINEPREFIX:?WINEPREFIX must be set}"
export WINEPREFIX WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
WINE64=/usr/lib/wine/wine64
here=$(cd "$(dirname "$0")" && pwd)

"$here/wine-prefix.sh" || exit 1

xvfb_pid=
cleanup() { [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null; }
trap cleanup EXIT INT TERM

if [ -n "${VFC_DISPLAY:-}" ]; then
  export DISPLAY=$VFC_DISPLAY
else
  # Xvfb picks a free display number itself and writes it to the descriptor we give it.
  numfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$numfile" 2>/dev/null &
  xvfb_pid=$!
  for _ in $(seq 200); do [ -s "$numfile" ] && break; kill -0 "$xvfb_pid" 2>/dev/null || break; sleep 0.05; done
  num=$(tr -dc 0-9 <"$numfile"); rm -f "$numfile"
  [ -n "$num" ] || { echo "wine-run: Xvfb did not start" >&2; exit 1; }
  export DISPLAY=":$num"
fi

"$WINE64" "$@"
rc=$?
exit $rc
