#!/usr/bin/env bash
# The log file through "Browse" and the real save dialog: its filter and the name proposed from
# today's date; a chosen path with a blank selects "Append Log File" and goes whole, in quotes,
# to the command line; "Overwrite Log File" switches the form and survives the next browse (where
# the dialog adds ".log"); a cancelled browse leaves no log file; a name typed by hand counts
# only once a mode is clicked.
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
# shellcheck source=tests/e2e/options_lib.sh
. "$E2E_SRC/options_lib.sh"

logs='C:\zkv logs'
mkdir -p "$(unix_path "$logs")"
start_with_folders 'C:\zkv\options' 'C:\zkv\records\options_log_file.txt'
show_page 4 0 'Button=Logging Options'
log_box="Edit@$(id_after 'Button=Log File')"
append='Button=Append Log File'
overwrite='Button=Overwrite Log File'
plain=' /E /ZB /COPY:DAT /R:0 /W:0'
file_box='Edit@1148'  # edt1 of the standard dialog, inside its name combo

# Opens the dialog with "Browse"; the dialog's first file type and proposed name are checked.
browse() {
    local before after
    before="$(date +%-m%-d%y).txt"  # today as M/d/yyyy, the prefix's short date, gives "Md" + "yy"
    real_click "$APP_TITLE" 'Button=Browse'
    drv wait-window 'Save As' 10000 || fail "the log file dialog did not open"
    after="$(date +%-m%-d%y).txt"
    expect_out "the first file type" 'Log Files (*.log)' get-text 'Save As' 'ComboBox@1136'
    drv_get get-text 'Save As' "$file_box"
    [[ "$OUT" == "$before" || "$OUT" == "$after" ]] || fail "the proposed name is \"$OUT\", not $before"
    echo "ok: the proposed name $OUT"
}

choose() {  # types the full name into the open dialog and presses Enter
    real_type 'Save As' "$file_box" "$1"
    real_keys Return
    drv wait-gone 'Save As' 10000 || fail "the log file dialog stayed open"
}

expect_out "no mode at start" 0 get "$APP_TITLE" "$append" check
browse
choose "$logs\\run.log"
drv expect "$APP_TITLE" "$log_box" text "$logs\\run.log" 5000 || fail "the chosen name is not in the box"
drv expect "$APP_TITLE" "$append" check 1 5000 || fail "browsing did not select Append Log File"
expect_command "append after browsing" "$plain /LOG+:\"$logs\\run.log\""

tick "$overwrite" 1
expect_out "append deselected" 0 get "$APP_TITLE" "$append" check
expect_command "overwrite" "$plain /LOG:\"$logs\\run.log\""

# Browsing again keeps overwrite; a name without extension gets ".log".
browse
choose "$logs\\second"
drv expect "$APP_TITLE" "$log_box" text "$logs\\second.log" 5000 || fail "the dialog did not add .log"
expect_out "overwrite kept" 1 get "$APP_TITLE" "$overwrite" check
expect_command "overwrite, the new name" "$plain /LOG:\"$logs\\second.log\""

# Cancel: no log file, neither in the box nor on the command line; and a name typed by hand
# counts only once a mode is clicked.
browse
drv click 'Save As' 'Button=Cancel'
drv wait-gone 'Save As' 10000 || fail "the log file dialog stayed open after Cancel"
drv expect "$APP_TITLE" "$log_box" text '' 5000 || fail "Cancel left a name in the box"
real_type "$APP_TITLE" "$log_box" "$logs\\hand.log"
expect_command "no log after a cancelled browse and a name only typed" "$plain"
tick "$append" 1
expect_command "append with the typed name" "$plain /LOG+:\"$logs\\hand.log\""
quit_app
