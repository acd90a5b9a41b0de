#!/usr/bin/env bash
# A job named as the program's argument opens at start, after the window's first activation, so
# that the sub-folder and attribute choices it holds survive it: "Continue?" shows the line in the
# program's order. A later activation (back from the About box) resets those groups as always. A
# refused file shows its message first, then the window with its defaults.
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
# shellcheck source=tests/e2e/options_lib.sh
. "$E2E_SRC/options_lib.sh"

folder='C:\zkv\jobarg'
folder_unix="$(unix_path "$folder")"
lay_app "$folder"
use_record 'C:\zkv\records\job_argument.txt'
printf 'robocopy.exe "C:\\Data" "D:\\Backup" /S /A /ZB /COPY:DAT /A+:RH /IA:C /XO /XL /R:0 /W:0 /NP\r\n' \
    >"$folder_unix/job.cmd"
printf '\r\n' >"$folder_unix/empty.cmd"

# start_with <job>: the program started with that argument.
start_with() {
    local pid
    drv wait-gone "$APP_TITLE" 5000 || fail "a \"$APP_TITLE\" window is already open"
    pid="$(drv start "$folder\\ZentrovaKV.exe" "$1")" || fail "cannot start the program with $1"
    STARTED_PIDS+=("$pid")
    APP_PID="$pid"
}
continue_shows() {
    drv click "$APP_TITLE" 'Button=&Copy' || fail "cannot press Copy"
    expect_out "$1" "$2" msgbox 'Continue?'
    drv msgbox-press 'Continue?' cancel
}

start_with "$folder\\job.cmd"
drv wait-window "$APP_TITLE" 30000 || fail "the main window did not appear"
continue_shows "the job opened at start" \
    'robocopy.exe "C:\Data" "D:\Backup" /S /A /ZB /COPY:DAT /A+:RH /IA:C /A /XO /XL /R:0 /W:0 /NP'

# Back from the About box: the groups as the activation sets them.
drv menu "$APP_TITLE" a || fail "cannot open the About box"
drv wait-window "About $APP_TITLE" 10000 || fail "the About box did not open"
drv click "About $APP_TITLE" 'Button=OK'
drv wait-gone "About $APP_TITLE" 10000 || fail "the About box stayed open"
continue_shows "after the About box" 'robocopy.exe "C:\Data" "D:\Backup" /E /ZB /COPY:DAT /R:0 /W:0 /NP'
quit_app

start_with "$folder\\empty.cmd"
expect_out "the refusal at start" "The job could not be opened:"$'\r\n'"$folder\\empty.cmd"$'\r\n'"It holds no robocopy command line."$'\r\n'"The window was left as it was." msgbox "$APP_TITLE"
drv msgbox-press "$APP_TITLE" ok
drv wait-window "$APP_TITLE" 30000 || fail "the main window did not appear after the refusal"
expect_out "the source box at its default" '' get-text "$APP_TITLE" "Edit@$(id_after 'Static=Source Path')"
drv set-text "$APP_TITLE" "Edit@$(id_after 'Static=Source Path')" 'C:\Data\'
drv set-text "$APP_TITLE" "Edit@$(id_after 'Static=Destination Path')" 'D:\Backup\'
continue_shows "the defaults after the refusal" 'robocopy.exe "C:\Data" "D:\Backup" /E /ZB /COPY:DAT /R:0 /W:0'
quit_app
