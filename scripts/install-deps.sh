#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the tools need, when any is missing.
# Quick when everything is present: dpkg-query only, no network. Recommended packages come
# along on purpose: Wine draws text through XRender and takes Tahoma from fonts-wine.
set -euo pipefail

packages=(
    g++-mingw-w64-x86-64 g++-mingw-w64-i686 wine64 fonts-wine xvfb xdotool imagemagick x11-utils
    googletest libgtest-dev libbenchmark-dev zlib1g-dev libdeflate-dev libjpeg62-turbo-dev
    dpkg-dev xz-utils clang-14 libclang-rt-14-dev zip unzip p7zip-full libarchive-tools cmake ninja-build
    python3 python3-pil python3-numpy nodejs npm hyperfine locales
)

is_installed() {
    [ "$(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null)" = installed ]
}

missing=()
for package in "${packages[@]}"; do
    is_installed "$package" && continue
    # Some nodejs builds carry npm themselves and declare it as provided.
    if [ "$package" = npm ] && command -v npm >/dev/null 2>&1; then
        continue
    fi
    missing+=("$package")
done

if [ ${#missing[@]} -eq 0 ]; then
    echo "install-deps: all ${#packages[@]} packages present"
    exit 0
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null 2>&1 || { echo "install-deps: need root or sudo to install: ${missing[*]}" >&2; exit 1; }
    as_root=(sudo)
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q "${missing[@]}"
