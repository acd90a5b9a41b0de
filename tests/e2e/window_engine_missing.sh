#!/usr/bin/env bash
# Start-up without an engine of the right size beside the program: the "Robocopy Not Found" box,
# and Cancel ends the program before its window is ever shown. (OK would open the download page
# in a browser, which is left alone here.)
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
# shellcheck source=tests/e2e/window_lib.sh
. "$E2E_SRC/window_lib.sh"

BOX='Robocopy Not Found'
TEXT=$'Click OK to download Windows Server 2003 Resource Kit from www.microsoft.com\r\nOnce it is downloaded, Install it and copy Robocopy the the Zentrova program directory\r\nThen, Restart the Zentrova Program'

# One byte longer than the engine, made here from the stand-in (padded to the engine's size).
LONG_ENGINE="$SCRATCH/robocopy_79873.exe"
cp "$STANDIN" "$LONG_ENGINE"
truncate -s 79873 "$LONG_ENGINE"

# case | engine file laid beside the program (none: no robocopy.exe)
cases=(
    "one byte short|$WIN_BUILD/robocopy_standin_short.exe"
    "one byte long|$LONG_ENGINE"
    "missing|none"
)

for row in "${cases[@]}"; do
    IFS='|' read -r name engine <<<"$row"
    echo "case: engine $name"
    folder="C:\\zkv\\no engine"
    if [[ "$engine" == none ]]; then
        lay_app "$folder"
        rm -f "$(unix_path "$folder")/robocopy.exe"
    else
        lay_app "$folder" "$engine"
    fi
    drv wait-gone "$APP_TITLE" 5000 || fail "a \"$APP_TITLE\" window is already open"
    pid="$(drv start "$folder\\ZentrovaKV.exe")" || fail "cannot start the program"
    STARTED_PIDS+=("$pid")

    expect_out "box text" "$TEXT" msgbox "$BOX" 30000
    expect_out "box buttons and icon" "buttons=ok,cancel icon=exclamation" msgbox-info "$BOX"
    # Shown before the main window: the program's only window is the box.
    drv list-windows >"$SCRATCH/windows"
    count="$(grep -c " pid=$pid " "$SCRATCH/windows" || true)"
    assert_eq "windows of the program while the box is up" 1 "$count"
    expect_out "no main window while the box is up" 0 exists "$APP_TITLE" .

    drv msgbox-press "$BOX" cancel
    drv wait-exit "$pid" 10000 || fail "the program goes on after Cancel"
    echo "ok: the program ended"
    expect_out "no main window afterwards" 0 exists "$APP_TITLE" .
done
