#!/usr/bin/env bash
# shellcheck disable=SC1003  # Windows paths, ending in a backslash, in single quotes
# A job file dropped on the window opens, from a file manager as a person drops it (XDND, which
# Wine turns into WM_DROPFILES): a hand-written .txt line on the General page, a .bat on the Job
# page, each then shown by "Continue?" in the program's order. A folder dropped on a folder box
# still goes in it, and a refused file leaves the window as it was after its message.
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
# shellcheck source=tests/e2e/options_lib.sh
. "$E2E_SRC/options_lib.sh"

folder='C:\zkv\jobdrop'
folder_unix="$(unix_path "$folder")"
data="$(unix_path 'C:\zkvdata')"
mkdir -p "$data/Photos" "$folder_unix"
printf 'robocopy c:\\data "d:\\my backup" /np /r:2 /w:1 /s /a+:h\r\n' >"$folder_unix/hand.txt"
printf 'robocopy.exe "C:\\zkv\\jobdrop" "D:\\Backup" /E /ZB /COPY:DAT /XF a^&b.txt 100%%%%.txt /R:0 /W:0\r\n' \
    >"$folder_unix/night.bat"
printf 'robocopy.exe "C:\\Other" "D:\\Other" /E /IPG:fast\r\n' >"$folder_unix/bad.cmd"
start_with_folders "$folder" 'C:\zkv\records\job_drop.txt'

# continue_shows <what> <line>: Copy, the "Continue?" text, Cancel.
continue_shows() {
    drv click "$APP_TITLE" 'Button=&Copy' || fail "cannot press Copy"
    expect_out "$1" "$2" msgbox 'Continue?'
    drv msgbox-press 'Continue?' cancel
}

drop_on 'Static=Source Path' "$folder_unix/hand.txt"
drv expect "$APP_TITLE" "$SRC_BOX" text 'c:\data' 10000 || fail "the dropped .txt job did not open"
continue_shows "the dropped hand-written job" 'robocopy.exe "c:\data" "d:\my backup" /S /ZB /A+:H /R:2 /W:1 /NP'

show_page 5 0 'Button=Job'
drop_on 'Button=Open...' "$folder_unix/night.bat"
drv expect "$APP_TITLE" "$SRC_BOX" text 'C:\zkv\jobdrop' 10000 || fail "the dropped .bat job did not open"
continue_shows "the dropped saved job" \
    'robocopy.exe "C:\zkv\jobdrop" "D:\Backup" /E /ZB /COPY:DAT /XF a&b.txt 100%.txt /R:0 /W:0'

show_page 0 0 "$DST_BOX"
drop_on "$DST_BOX" "$data/Photos"
drv expect "$APP_TITLE" "$DST_BOX" text 'C:\zkvdata\Photos\' 5000 || fail "the dropped folder is not in its box"
echo "ok: a folder dropped on a folder box goes in it"

drop_on 'Static=Source Path' "$folder_unix/bad.cmd"
expect_out "the refusal" "The job could not be opened:"$'\r\n'"$folder\\bad.cmd"$'\r\n'"It holds \"/IPG:fast\", which this program cannot take."$'\r\n'"The window was left as it was." msgbox "$APP_TITLE"
drv msgbox-press "$APP_TITLE" ok
continue_shows "after the refusal" \
    'robocopy.exe "C:\zkv\jobdrop" "C:\zkvdata\Photos" /E /ZB /COPY:DAT /XF a&b.txt 100%.txt /R:0 /W:0'
quit_app
