#!/usr/bin/env bash
# Draws the program's icon, a white K on a blue rounded square, at every size Windows asks for and
# writes app/win32/zentrova.ico. The .ico is committed, so that a build does not depend on which
# ImageMagick draws it; run this after changing the artwork below, then `make test`.
# Usage: scripts/make_icon.sh [output.ico]
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="${1:-$repo/app/win32/zentrova.ico}"
# The sizes of the shell's views at 100 to 200 %; tests/build/check_icon.sh holds the same list.
sizes=(16 20 24 32 40 48 64 256)
# Each size is drawn this many times larger and scaled down, which smooths the edges evenly.
over=8
blue='#1F5FAF'

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The artwork on a 48-unit square: the rounded square, the K's stem, and its two arms as one shape.
draw() {  # size -> PNG of that size
    local size=$1 k
    k=$(awk -v s="$size" -v o="$over" 'BEGIN { printf "%.6f", s * o / 48 }')
    local at
    at() { awk -v k="$k" -v pts="$*" 'BEGIN {
        n = split(pts, p, " "); s = ""
        for (i = 1; i <= n; i += 2) s = s sprintf("%s%.3f,%.3f", (i > 1 ? " " : ""), p[i] * k, p[i + 1] * k)
        print s }'; }
    local big=$((size * over))
    convert -size "${big}x${big}" xc:none \
        -fill "$blue" -draw "roundrectangle $(at 1.5 1.5 46.5 46.5) $(at 9.5 9.5)" \
        -fill white -draw "rectangle $(at 10.5 12.5 20.5 36.5)" \
        -draw "polygon $(at 28 12.5 38 12.5 26.5 24 39 36.5 29.25 36.5 20.5 27.75 20.5 20)" \
        -filter Box -resize "${size}x${size}" \
        -strip -define png:exclude-chunks=date,time "PNG32:$work/$size.png"
}

for size in "${sizes[@]}"; do draw "$size"; done
# Bitmaps up to 32 px, which every reader of icons knows; PNG above, which Windows has read at any
# size since Vista and which keeps the program small (a 64 px bitmap alone is 17 KB).
bitmap_max=32
le() {  # value bytes -> the value as little-endian bytes
    local v=$1 n=$2 i
    for ((i = 0; i < n; i++)); do printf "\\$(printf %03o $(((v >> (8 * i)) & 255)))"; done
}
offset=$((6 + 16 * ${#sizes[@]}))
{
    le 0 2; le 1 2; le ${#sizes[@]} 2
    for size in "${sizes[@]}"; do
        if [ "$size" -le "$bitmap_max" ]; then
            # ImageMagick's one-image icon less its 22-byte header is the bitmap with its mask.
            convert "$work/$size.png" "$work/$size.ico"
            tail -c +23 "$work/$size.ico" >"$work/$size.img"
        else
            cp "$work/$size.png" "$work/$size.img"
        fi
        bytes=$(stat -c %s "$work/$size.img")
        le $((size % 256)) 1; le $((size % 256)) 1; le 0 1; le 0 1; le 1 2; le 32 2; le "$bytes" 4; le "$offset" 4
        offset=$((offset + bytes))
    done
    for size in "${sizes[@]}"; do cat "$work/$size.img"; done
} >"$work/icon.ico"
mv "$work/icon.ico" "$out"
identify "$out"
