# The Wine/Xvfb driver for shell scripts: source this file, then call
#   winedriver prefix [--reset] | stop | run [--unmanaged] PROGRAM [ARGS...] | show EXE ...
# with WINEPREFIX set (the commands are documented in winedriver/__init__.py).
WINEDRIVER_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

winedriver() {
    /usr/bin/python3 "$WINEDRIVER_DIR" "$@"
}
