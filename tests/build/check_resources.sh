#!/usr/bin/env bash
# Fails unless the icon file and the program carry every icon size the shell asks for, and the
# program's version resource and manifest hold the name and the version the build was given.
# Usage: check_resources.sh <zentrova.ico> <ZentrovaKV.exe> <version> <product name>
set -u
ico=${1:?} exe=${2:?} version=${3:?} name=${4:?}
# The sizes of the shell's views at 100 to 200 %; scripts/make_icon.sh draws the same list.
want="16 20 24 32 40 48 64 256"
. "$(dirname "${BASH_SOURCE[0]}")/release_lib.sh"
[ -f "$exe" ] || { echo "FAIL: $exe is missing; run make build-win" >&2; exit 1; }

expect "icon sizes in $(basename "$ico")" "$want" "$(icon_dir_sizes 16 <"$ico" | xargs)"
# A 256 px image is stored as PNG: as a bitmap it alone would be 260 KB.
format=$(bytes <"$ico" | awk '{ b[NR - 1] = $1 } END {
    for (i = 0; i < b[4] + 256 * b[5]; i++) {
        e = 6 + 16 * i; o = b[e + 12] + 256 * (b[e + 13] + 256 * (b[e + 14] + 256 * b[e + 15]))
        if (b[e] == 0) print (b[o] == 137 && b[o + 1] == 80 && b[o + 2] == 78 && b[o + 3] == 71) ? "PNG" : "bitmap"
    } }')
expect "256 px image format" "PNG" "$format"
expect "icon sizes in the program" "$want" "$(pe_resource "$exe" 14 1 | icon_dir_sizes 14 | xargs)"

for key in FileDescription ProductName; do
    expect "$key" "$name" "$(pe_resource "$exe" 16 1 | version_string "$key")"
done
for key in FileVersion ProductVersion; do
    expect "$key" "$version" "$(pe_resource "$exe" 16 1 | version_string "$key")"
done
expect "manifest version" "version=\"$version.0\"" \
    "$(pe_resource "$exe" 24 1 | grep -o "name=\"Zentrova.KV\" version=\"[0-9.]*\"" | grep -o 'version=.*')"
exit $fail
