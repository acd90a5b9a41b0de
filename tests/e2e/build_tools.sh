#!/usr/bin/env bash
# Builds the Windows test tools with mingw-w64:
#   robocopy_standin.exe        the recording stand-in for the copy engine, padded to 79872 bytes
#   robocopy_standin_79871.exe  the same, one byte short (the program must reject it)
#   kvdriver.exe                the test driver that works the program's windows
# Usage: build_tools.sh [output folder]   (default: <repo>/build/win)
# CC / CXX override the compilers (default x86_64-w64-mingw32-gcc / -g++).
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
repo="$(cd "$here/../.." && pwd)"
out="${1:-$repo/build/win}"
cc="${CC:-x86_64-w64-mingw32-gcc}"
cxx="${CXX:-x86_64-w64-mingw32-g++}"
engine_size=79872

mkdir -p "$out"

timeout 120 "$cc" -std=c11 -O2 -Wall -Wextra -static -s \
    -o "$out/robocopy_standin.exe" "$repo/tests/standin/robocopy_standin.c" -lshell32
size=$(stat -c %s "$out/robocopy_standin.exe")
if (( size > engine_size - 1 )); then
    echo "build_tools.sh: stand-in is $size bytes, more than the engine's $engine_size" >&2
    exit 1
fi
truncate -s "$engine_size" "$out/robocopy_standin.exe"
cp "$out/robocopy_standin.exe" "$out/robocopy_standin_79871.exe"
truncate -s $((engine_size - 1)) "$out/robocopy_standin_79871.exe"

timeout 300 "$cxx" -std=c++20 -O2 -Wall -Wextra -municode -static -s \
    -o "$out/kvdriver.exe" "$here/driver.cpp" -luser32 -lgdi32

echo "built $out/robocopy_standin.exe ($engine_size bytes), $out/robocopy_standin_79871.exe, $out/kvdriver.exe"
