#!/usr/bin/env bash
# Makes the release with the build's dist target and fails unless it is what a user is told to
# expect: one zip named after the version, verified by SHA256SUMS, holding exactly the program
# that was built and a read-me with CRLF line ends that names the version and the engine.
# Usage: check_dist.sh <Windows build folder> <dist folder> <version> <engine size>
set -u
win=${1:?} dist=${2:?} version=${3:?} engine_size=${4:?}
. "$(dirname "${BASH_SOURCE[0]}")/release_lib.sh"

cmake --build "$win" --target dist >/dev/null || { echo "FAIL: the dist target failed" >&2; exit 1; }
name="ZentrovaKV-$version-win64.zip"
zips=$(cd "$dist" && ls ZentrovaKV-*.zip 2>/dev/null | xargs)
expect "zips in $dist" "$name" "$zips"
(cd "$dist" && sha256sum -c SHA256SUMS) && ok "SHA256SUMS verifies" || bad "SHA256SUMS does not verify"
expect "files SHA256SUMS names" "$name" "$(awk '{ print $2 }' "$dist/SHA256SUMS" | xargs)"

expect "entries" "ZentrovaKV.exe README.txt" "$(cmake -E tar tf "$dist/$name" | xargs)"
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
(cd "$unpacked" && cmake -E tar xf "$dist/$name")
cmp -s "$unpacked/ZentrovaKV.exe" "$win/ZentrovaKV.exe" && ok "the zip's program is the one built" ||
    bad "the zip's program differs from $win/ZentrovaKV.exe"

readme=$unpacked/README.txt
lines=$(wc -l <"$readme")
crlf=$(grep -c $'\r$' "$readme")
[ "$lines" -gt 0 ] && [ "$crlf" = "$lines" ] && [ "$(tail -c 2 "$readme" | od -An -tx1 | xargs)" = '0d 0a' ] &&
    ok "read-me: $lines lines, all ending CR LF" || bad "read-me: $crlf of $lines lines end CR LF"
for text in "Zentrova KV $version" "robocopy.exe" "exactly $engine_size bytes" "$name"; do
    tr -d '\r' <"$readme" | tr '\n' ' ' | tr -s ' ' | grep -qF "$text" && ok "read-me names \"$text\"" ||
        bad "read-me lacks \"$text\""
done
exit $fail
