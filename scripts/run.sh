#!/usr/bin/env bash
# Builds the launcher and starts it under wine64.
#   On $DISPLAY when it is set and reachable, otherwise on a private Xvfb (1024x768x24).
#   Waits for the window to appear and paint, saves a screenshot to shots/launcher.png and runs
#   until the launcher ends or Ctrl+C, which stops the launcher, its wineserver and Xvfb by PID.
#   VFC_SHOT  where to save the screenshot (default shots/launcher.png)
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
title="Velmora Free Center"
exe=$root/build/win64/app/VelmoraCenter.exe
shot=${VFC_SHOT:-$root/shots/launcher.png}
python=/usr/bin/python3

scripts/install-deps.sh || exit 1
cmake --preset win64 >/dev/null || { echo "run: configuring win64 failed" >&2; exit 1; }
cmake --build --preset win64 --target VelmoraCenter -j2 || { echo "run: build failed" >&2; exit 1; }
[ -f "$exe" ] || { echo "run: $exe was not built" >&2; exit 1; }

# A prefix of its own, so that a test run's wineserver and this one never meet.
export WINEPREFIX=$root/build/wineprefix-run
export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
tests/harness/wine-prefix.sh || exit 1

xvfb_pid= server_pid= launcher_pid=
stop_all() {
    trap - EXIT INT TERM
    if [ -n "$launcher_pid" ]; then
        kill "$launcher_pid" 2>/dev/null
        wait "$launcher_pid" 2>/dev/null
    fi
    # Without user processes the wineserver ends Wine's own ones and then itself within seconds.
    if [ -n "$server_pid" ]; then
        for _ in $(seq 100); do
            kill -0 "$server_pid" 2>/dev/null || break
            sleep 0.1
        done
        kill "$server_pid" 2>/dev/null
        wait "$server_pid" 2>/dev/null
    fi
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
}
trap stop_all EXIT
trap 'echo; echo "run: stopping"; exit 130' INT TERM

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    echo "run: using display $DISPLAY"
else
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
    [ -n "$num" ] || { echo "run: Xvfb did not start" >&2; exit 1; }
    export DISPLAY=":$num"
    echo "run: started Xvfb on $DISPLAY (pid $xvfb_pid)"
fi

# The prefix's wineserver, started here so that it can be stopped by its PID. When one is running
# already (a test run on the same prefix), it refuses to start and the launcher shares that one.
# Debian's Wine names its temporary directory in the prefix's file 'wineserver'.
if [ -f "$WINEPREFIX/wineserver" ]; then
    server_base=/tmp/$(cat "$WINEPREFIX/wineserver")
else
    server_base=/tmp/.wine-$(id -u)
fi
server_dir=$(printf '%s/server-%x-%x' "$server_base" \
    "$(stat -c '%d' "$WINEPREFIX")" "$(stat -c '%i' "$WINEPREFIX")")
marker=$(mktemp)
/usr/lib/wine/wineserver --foreground 2>/dev/null &
server_pid=$!
for _ in $(seq 200); do
    [ -S "$server_dir/socket" ] && [ "$server_dir/socket" -nt "$marker" ] && break
    kill -0 "$server_pid" 2>/dev/null || { server_pid=; break; }
    sleep 0.05
done
rm -f "$marker"

/usr/lib/wine/wine64 "$exe" &
launcher_pid=$!
echo "run: launcher started (pid $launcher_pid)"

mkdir -p "$(dirname "$shot")"
if "$python" tests/e2e/screenshot.py wait --title "$title" --out "$shot" --timeout 60; then
    echo "run: screenshot saved to $shot"
else
    echo "run: the window did not appear and paint in time" >&2
fi

echo "run: running; press Ctrl+C to stop"
wait "$launcher_pid"
rc=$?
launcher_pid=
echo "run: launcher ended with exit code $rc"
exit $rc
