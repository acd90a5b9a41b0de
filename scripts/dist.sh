#!/usr/bin/env bash
# Packs a release: the zip with the program and its read-me, and SHA256SUMS beside it. The same
# inputs give the same zip, byte for byte: the entries in a fixed order with fixed modes, no owner
# or extra time fields, and every time set to SOURCE_DATE_EPOCH, else to the time of the last
# commit. Run by the build's `dist` target (`make dist`), which names the zip after the version.
# Usage: scripts/dist.sh <program.exe> <README.txt> <zip to write>
set -euo pipefail
[ $# -eq 3 ] || { echo "usage: dist.sh <program.exe> <README.txt> <zip to write>" >&2; exit 2; }
exe=$1 readme=$2 zip=$3
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git -C "$repo" log -1 --format=%ct 2>/dev/null) || {
        echo "dist: no commit to take the archive's time from; set SOURCE_DATE_EPOCH" >&2
        exit 1
    }
fi
mkdir -p "$(dirname "$zip")"
out="$(cd "$(dirname "$zip")" && pwd)"
name="$(basename "$zip")"
stage="$out/.stage"
# One release in the folder, so that SHA256SUMS speaks of it alone.
rm -rf "$stage" "$out/${name%%-*}"-*.zip "$out/SHA256SUMS"
mkdir "$stage"
cp "$exe" "$stage/ZentrovaKV.exe"
cp "$readme" "$stage/README.txt"
chmod 0644 "$stage"/*
touch -d "@$SOURCE_DATE_EPOCH" "$stage"/*
# A zip entry holds its time in local time; in UTC it is the same on every machine.
(cd "$stage" && TZ=UTC0 zip -q -X -D -9 "$out/$name" ZentrovaKV.exe README.txt)
rm -rf "$stage"
(cd "$out" && sha256sum "$name" >SHA256SUMS)
echo "dist: $out/$name"
cat "$out/SHA256SUMS"
