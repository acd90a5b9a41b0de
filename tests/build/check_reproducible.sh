#!/usr/bin/env bash
# Builds the release a second time, from scratch in another build folder, in another time zone and
# with another umask, and fails unless the program, the zip and SHA256SUMS are the same bytes as
# those of the first build, and the program names neither the source nor a build folder. Only the
# program is built the second time, not the test tools.
# Usage: check_reproducible.sh <source root> <Windows build folder> <dist folder> <second build folder>
set -u
root=${1:?} win=${2:?} dist=${3:?} again=${4:?}
. "$(dirname "${BASH_SOURCE[0]}")/release_lib.sh"
[ -f "$win/ZentrovaKV.exe" ] && [ -f "$dist/SHA256SUMS" ] || {
    echo "FAIL: no first build in $win and $dist; run make dist" >&2
    exit 1
}

rm -rf "$again" && mkdir -p "$again"
log=$again/build.log
started=$(date +%s)
(
    umask 077
    export TZ=NZST-12
    cmake -S "$root" -B "$again" -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
        -DZKV_DIST_DIR="$again/dist" >"$log" 2>&1 &&
        cmake --build "$again" --target dist -j"${JOBS:-2}" >>"$log" 2>&1
) || { tail -20 "$log"; echo "FAIL: the second build failed (log: $log)" >&2; exit 1; }
echo "second build: $(($(date +%s) - started)) s"

for file in ZentrovaKV.exe; do
    cmp "$win/$file" "$again/$file" && ok "$file is the same, $(stat -c %s "$again/$file") bytes" || bad "$file differs"
done
for file in $(cd "$dist" && ls ZentrovaKV-*.zip) SHA256SUMS; do
    cmp "$dist/$file" "$again/dist/$file" && ok "$file is the same, $(stat -c %s "$again/dist/$file") bytes" ||
        bad "$file differs"
done
sha256sum "$win/ZentrovaKV.exe" "$again/ZentrovaKV.exe" "$dist"/*.zip "$again"/dist/*.zip

for place in "$root" "$win" "$again"; do
    grep -qaF "$place" "$again/ZentrovaKV.exe" && bad "the program holds the path $place" ||
        ok "the program does not hold $place"
done
exit $fail
