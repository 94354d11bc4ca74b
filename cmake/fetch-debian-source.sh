#!/usr/bin/env bash
# Fetches one Debian source package into a cache folder and unpacks it with Debian's patches.
#   fetch-debian-source.sh PACKAGE VERSION DSC_SHA256 CACHE_DIR SOURCE_DIR
# apt fetches and checks the files against the signed source index of the machine's own
# Debian archives (their deb entries, read as deb-src), using private list and cache folders,
# so the machine's apt configuration and state stay as they are. Once the .dsc with the
# expected SHA-256 and the files it lists are cached, no network is needed: dpkg-source checks
# every file against the .dsc's checksums while unpacking.
set -euo pipefail
package=$1 version=$2 dsc_sha256=$3 cache=$4 dest=$5
upstream=${version#*:}
dsc=$cache/${package}_${upstream}.dsc

have_cached_dsc() {
    [ -f "$dsc" ] && [ "$(sha256sum "$dsc" | cut -d' ' -f1)" = "$dsc_sha256" ]
}

fetch() {
    local apt=$cache/apt
    rm -rf "$apt"
    mkdir -p "$apt/lists/partial" "$apt/archives/partial" "$apt/sources.list.d"
    : >"$apt/sources.list"
    # The machine's Debian archives, as source entries.
    if [ -f /etc/apt/sources.list ]; then
        sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' /etc/apt/sources.list >>"$apt/sources.list"
    fi
    for file in /etc/apt/sources.list.d/*.list; do
        [ -f "$file" ] && sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$file" >>"$apt/sources.list"
    done
    for file in /etc/apt/sources.list.d/*.sources; do
        [ -f "$file" ] && sed 's/^Types:.*/Types: deb-src/' "$file" >"$apt/sources.list.d/$(basename "$file")"
    done
    local options=(-o "Dir::Etc::SourceList=$apt/sources.list" -o "Dir::Etc::SourceParts=$apt/sources.list.d"
        -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt" -o "Dir::Cache::Archives=$apt/archives"
        -o APT::Sandbox::User=root -o Debug::NoLocking=1 -q)
    apt-get "${options[@]}" update >/dev/null
    (cd "$cache" && apt-get "${options[@]}" source --download-only "$package=$version" >/dev/null)
    rm -rf "$apt"
}

mkdir -p "$cache"
if ! have_cached_dsc; then
    echo "fetch-debian-source: fetching $package $version"
    fetch
    have_cached_dsc || { echo "fetch-debian-source: $dsc does not have SHA-256 $dsc_sha256" >&2; exit 1; }
fi
rm -rf "$dest"
dpkg-source --quiet -x "$dsc" "$dest" >/dev/null 2>"$cache/dpkg-source.log" ||
    { cat "$cache/dpkg-source.log" >&2; exit 1; }
