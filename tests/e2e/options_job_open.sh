#!/usr/bin/env bash
# A saved job opens again. A job with options set on five pages is saved through the real save
# dialog and copied once; the program is ended and started anew, and "Open..." on the Job page
# opens the file through the real open dialog (the mirror warning shows, as a click would). The
# "Continue?" box then shows the same line, and the stand-in engine receives the same arguments.
# A refused file leaves the window as it was. Screenshots: the Job page before and after.
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
# shellcheck source=tests/e2e/options_lib.sh
. "$E2E_SRC/options_lib.sh"

folder='C:\zkv\jobopen'
folder_unix="$(unix_path "$folder")"
start_with_folders "$folder" 'C:\zkv\records\job_open.txt' 'C:\Data 1\' 'D:\Backup 2\'

show_page 1 0 'Button=Copy Options 1'
tick 'Button=Copy Non-Empty Sub-Directories' 1
tick 'Button=Copy Files in Backup Mode' 1
tick 'Button=Copy NTFS Security ACLs.' 1
tick 'Button=Copy Auditing.' 1
next_page 'Button=Copy Options 2'
tick 'Button=Assume FAT File Times (2-second granularity).' 1
real_click "$APP_TITLE" 'Button=Mirror a Directory Tree '
drv msgbox-press 'WARNING!' ok || fail "the mirror warning did not come"
show_page 2 1 'Button=File Selection Options 2'
fill_list "Edit@$(id_after 'Static=Exclude the Following File Names/Wildcards/Paths.')" '*.tmp "my 100% & that.txt"'
tick 'Button=Exclude Older Files' 1
show_page 3 0 'Button=Wait for sharenames To Be Defined (retry error 67).'
tick 'Button=Wait for sharenames To Be Defined (retry error 67).' 1
show_page 4 0 'Button=Logging Options'
tick "Button=Don't Display % Copied" 1
tick 'Button=Output to console window, as well as the log file.' 1
drv set-text "$APP_TITLE" "Edit@$(id_after 'Button=Log File')" 'C:\zkv\logs\night run.log'
tick 'Button=Overwrite Log File' 1

show_page 5 0 'Button=Job'
screenshot "$APP_TITLE" job-page
save_as "$folder\\job.cmd"
drv wait-file "$folder\\job.cmd" 10000 || fail "job.cmd was not written"
echo "job.cmd: $(cat "$folder_unix/job.cmd")"

# copy_once <what>: Copy, OK; the "Continue?" text in SHOWN and the engine's arguments in ARGS.
copy_once() {
    rm -f "$RECORD_UNIX"
    drv click "$APP_TITLE" 'Button=&Copy'
    drv_get msgbox 'Continue?'
    SHOWN="$OUT"
    echo "$1: Continue? shows $SHOWN"
    drv msgbox-press 'Continue?' ok
    drv wait-file "$RECORD_WIN" 20000 || fail "$1: Copy did not start the engine"
    ARGS="$(arguments_of "$RECORD_UNIX")"
}
copy_once "saved"
saved_line="$SHOWN" saved_args="$ARGS"
expected='robocopy.exe "C:\Data 1" "D:\Backup 2" /S /B /COPY:DATSU /MIR /FFT /XF *.tmp "my 100% & that.txt" /XO'
expected+=' /R:0 /W:0 /TBD /LOG:"C:\zkv\logs\night run.log" /TEE /NP'
assert_eq "the line saved" "$expected" "$saved_line"
assert_eq "the file holds it, escaped for the interpreter" \
    "${expected//%/%%}"$'\r' "$(cat "$folder_unix/job.cmd")"
quit_app

# A fresh start, then the job opened through the dialog.
start_app "$folder"
show_page 5 0 'Button=Job'
open_job() {
    real_click "$APP_TITLE" 'Button=Open...'
    drv wait-window 'Open' 10000 || fail "the open dialog did not open"
    expect_out "the open dialog's first file type" 'Command Files (*.cmd)' get-text 'Open' 'ComboBox@1136'
    real_type 'Open' 'Edit@1148' "$1"
    real_keys Return
    drv wait-gone 'Open' 10000 || fail "the open dialog stayed open"
}
open_job "$folder\\job.cmd"
drv msgbox-press 'WARNING!' ok || fail "the opened /MIR did not show the mirror warning"
echo "ok: the mirror warning shown"
copy_once "opened"
assert_eq "Continue? after opening" "$saved_line" "$SHOWN"
assert_eq "the engine's arguments after opening" "$saved_args" "$ARGS"

# A file the window cannot show: the message names it and quotes the switch; nothing changes.
printf 'robocopy.exe "C:\\Other" "D:\\Other" /E /XYZ\r\n' >"$folder_unix/bad.cmd"
open_job "$folder\\bad.cmd"
expect_out "the refusal" "The job could not be opened:"$'\r\n'"$folder\\bad.cmd"$'\r\n'"It holds \"/XYZ\", which this program cannot take."$'\r\n'"The window was left as it was." msgbox "$APP_TITLE"
drv msgbox-press "$APP_TITLE" ok
copy_once "after the refusal"
assert_eq "Continue? after the refusal" "$saved_line" "$SHOWN"
screenshot "$APP_TITLE" job-page-opened
quit_app
