#!/usr/bin/env bash
# Installs whatever the build and the tests need from Debian's packages, skipping what is there.
set -u
need=()
have() { command -v "$1" >/dev/null 2>&1; }
check() {  # command package
    have "$1" || need+=("$2")
}
check cmake cmake
check g++ g++
check make make
check x86_64-w64-mingw32-g++ g++-mingw-w64-x86-64
check x86_64-w64-mingw32-windres binutils-mingw-w64-x86-64
check wine wine
dpkg -s wine64 >/dev/null 2>&1 || need+=(wine64)
check Xvfb xvfb
check xdotool xdotool
check import imagemagick
check xwininfo x11-utils
# The folder-box scenario drops folders the way an X file manager does, from Python through libX11.
python3 -c "import ctypes" >/dev/null 2>&1 || need+=(python3)
# The release zip (make dist): Info-ZIP can leave out owners and extra times, so a zip is rebuilt
# byte for byte.
check zip zip
# The end-to-end tests give their Wine prefix Wine's own Tahoma, and DejaVu Sans as a wider face.
[ -f /usr/share/wine/fonts/tahoma.ttf ] || need+=(fonts-wine)
[ -f /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf ] || need+=(fonts-dejavu-core)
# clang and its fuzzer runtime build the fuzz targets.
check clang++-14 clang-14
# clang-format keeps the C++ sources in one layout (.clang-format); a test checks it.
check clang-format-14 clang-format-14
ls /usr/lib/llvm-14/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1 || need+=(libclang-rt-14-dev)
[ -f /usr/include/gtest/gtest.h ] || need+=(libgtest-dev)
[ -f /usr/include/benchmark/benchmark.h ] || need+=(libbenchmark-dev)
# The real ImageMagick, not a stand-in that only serves file viewers.
if have convert && ! convert -version 2>/dev/null | grep -q ImageMagick; then need+=(imagemagick); fi

[ ${#need[@]} -eq 0 ] && exit 0
# Keep the order, drop repeats.
mapfile -t need < <(printf '%s\n' "${need[@]}" | awk '!seen[$0]++')
echo "setup: installing ${need[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
if ! $SUDO apt-get update -qq >/tmp/zkv-apt-update.log 2>&1; then
    echo "setup: apt-get update failed; see /tmp/zkv-apt-update.log" >&2
    exit 1
fi
if ! $SUDO apt-get install -y -qq --no-install-recommends "${need[@]}" >/tmp/zkv-apt-install.log 2>&1; then
    echo "setup: installing ${need[*]} failed; see /tmp/zkv-apt-install.log" >&2
    tail -5 /tmp/zkv-apt-install.log >&2
    exit 1
fi
for p in "${need[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || { echo "setup: package $p is still missing" >&2; exit 1; }
done
echo "setup: done"
