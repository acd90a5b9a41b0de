#!/usr/bin/env bash
# Opens the program under Wine. Without a display it starts a virtual one, says so, and saves a
# screenshot of the window so that a headless machine still shows what a person would see.
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
run="$repo/build/run"
shots="$repo/build/screenshots"
mkdir -p "$run" "$shots"
# The program refuses to start without its engine beside it; the test stand-in takes its place
# and records the command line it was given in last-command.txt.
cp "$repo/build/win/ZentrovaKV.exe" "$run/"
cp "$repo/build/win/robocopy_standin.exe" "$run/robocopy.exe"

export WINEPREFIX="${WINEPREFIX:-$repo/build/run-prefix}"
# shellcheck source=scripts/wine_lib.sh
. "$repo/scripts/wine_lib.sh"

XVFB_PID=""
cleanup() {
    [ -n "$XVFB_PID" ] && { timeout 20 wineserver -k 2>/dev/null || true; stop_xvfb; }
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ] || ! xwininfo -root >/dev/null 2>&1; then
    start_xvfb 90 /dev/null || { echo "run: no display, and Xvfb did not come up" >&2; exit 1; }
    echo "run: no display found; started a virtual one (Xvfb $DISPLAY)"
fi
[ -f "$WINEPREFIX/system.reg" ] || echo "run: preparing a Wine prefix in $WINEPREFIX (once)"
prepare_prefix /dev/null || true
# The program's own prefix gets the dialog font the window was designed with; a prefix of yours
# is left as it is.
if [ "$WINEPREFIX" = "$repo/build/run-prefix" ]; then
    bash "$repo/scripts/wine_fonts.sh" standard || echo "run: the prefix keeps the fonts it has" >&2
fi

# Asked only now: the first Wine process of a session must already see the display.
export ZKV_STANDIN_RECORD="$(winepath -w "$run/last-command.txt" 2>/dev/null || echo "$run/last-command.txt")"

cd "$run"
wine ZentrovaKV.exe &
app=$!
if [ -z "$XVFB_PID" ]; then
    wait "$app" || true
    exit 0
fi
# Headless: wait for the window, photograph it, then close it (or leave it to a person at a terminal).
for _ in $(seq 300); do
    line=$(xwininfo -root -tree 2>/dev/null | grep '"Zentrova KV"' | head -1 || true)
    [ -n "$line" ] && break
    sleep 0.1
done
[ -n "$line" ] || { import -window root "$shots/run-failed.png" 2>/dev/null; echo "run: the window did not appear (screen: $shots/run-failed.png)" >&2; exit 1; }
sleep 1
geom=$(echo "$line" | grep -oE '[0-9]+x[0-9]+\+-?[0-9]+\+-?[0-9]+' | head -1)
import -window root -crop "$geom" +repage "$shots/run.png"
echo "run: the window is on the virtual display; screenshot saved to $shots/run.png"
if [ -t 0 ]; then
    read -r -p "run: press Enter to close the program " _ || true
fi
timeout 20 wineserver -k 2>/dev/null || true
