#!/usr/bin/env bash
# Times `skin-inspect extract` against `unzip -p` on one 20 MB entry (text-like data,
# Info-ZIP level 6; with --encrypt also the password-protected archive).
#   usage: bench/extract-vs-unzip.sh [BUILD_DIR] [--encrypt]
# Uses hyperfine when installed, else ten runs of each timed with date +%s%N.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build/native}
inspect=$(cd "$build" && pwd)/tools/skin-inspect
[ -x "$inspect" ] || { echo "skin-inspect not built in $build" >&2; exit 1; }
encrypt=${2:-}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
python3 - <<'PY'
import random
rng = random.Random(5)
words = [b"skin", b"title", b"bar", b"menu", b"button", b"frame", b"colour", b"the", b"of",
         b"window", b"draw", b"bitmap", b"and", b"record", b"theme", b"border", b"region"]
out, size = [], 0
while size < 20 * 1024 * 1024:
    w = rng.choice(words) + (b"\n" if rng.random() < 0.09 else b" ")
    if rng.random() < 0.03:
        w += str(rng.randrange(100000)).encode()
    out.append(w)
    size += len(w)
open("SKINDATA.SK2", "wb").write(b"".join(out)[:20 * 1024 * 1024])
PY
zip -q -6 plain.zip SKINDATA.SK2
archives="plain.zip"
if [ "$encrypt" = "--encrypt" ]; then
    zip -q -6 -P pw enc.zip SKINDATA.SK2
    archives="plain.zip enc.zip"
fi
echo "entry: $(stat -c %s SKINDATA.SK2) bytes, archive: $(stat -c %s plain.zip) bytes"

for archive in $archives; do
    pw=""
    [ "$archive" = enc.zip ] && pw="-P pw"
    ipw=""
    [ "$archive" = enc.zip ] && ipw="--password pw"
    ours="$inspect extract $ipw $archive SKINDATA.SK2 out-ours"
    theirs="unzip -p $pw $archive SKINDATA.SK2 > out-unzip"
    eval "$ours" && eval "$theirs" && cmp out-ours out-unzip
    if command -v hyperfine >/dev/null; then
        hyperfine -N --warmup 2 --runs 15 "$ours" 2>/dev/null || true
        hyperfine --warmup 2 --runs 15 -n "unzip -p $archive" "$theirs"
    else
        for cmd in "$ours" "$theirs"; do
            start=$(date +%s%N)
            for _ in 1 2 3 4 5 6 7 8 9 10; do eval "$cmd"; done
            end=$(date +%s%N)
            echo "$cmd: $(( (end - start) / 10000000 )) ms per run"
        done
    fi
done
