#!/usr/bin/env bash
# Creates $WINEPREFIX once (about ten seconds); concurrent callers wait on a lock.
#   wine-prefix.sh        create when missing
#   wine-prefix.sh --stop end the prefix's wineserver (after the test run)
set -u
: "${WINEPREFIX:?WINEPREFIX must be set}"
export WINEPREFIX WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
if [ "${1:-}" = "--stop" ]; then
  [ -d "$WINEPREFIX" ] && /usr/lib/wine/wineserver -k 2>/dev/null
  exit 0
fi
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
if [ ! -f "$WINEPREFIX/.vfc-ready" ]; then
  rm -rf "$WINEPREFIX"
  DISPLAY= /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
  /usr/lib/wine/wineserver -w
  [ -f "$WINEPREFIX/system.reg" ] || { echo "wine-prefix: could not create $WINEPREFIX" >&2; exit 1; }
  touch "$WINEPREFIX/.vfc-ready"
fi
