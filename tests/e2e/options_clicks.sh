#!/usr/bin/env bash
# Options chosen with real mouse clicks on several pages: copy flags (with data driving
# timestamps), the destructive options with the mirror warning, the attribute add/remove groups,
# the archive choice and a file-system toggle. Then the confirmation shows exactly the switches
# in command order, and OK starts the engine with exactly those arguments.
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
# shellcheck source=tests/e2e/options_lib.sh
. "$E2E_SRC/options_lib.sh"

folder='C:\zkv\options'
start_with_folders "$folder" 'C:\zkv\records\options_clicks.txt'

# Copy Options 1: the copy flags.
show_page 1 0 'Button=Copy Options 1'
tick 'Button=Copy Auditing.' 1
tick 'Button=Copy NTFS Security ACLs.' 1
tick 'Button=Copy Data.' 0
drv expect "$APP_TITLE" 'Button=Copy Timestamps.' check 0 5000 || fail "unchecking data left timestamps checked"
echo "ok: timestamps followed data"

# Copy Options 2: purge, the guarded mirror, both moves and long paths off.
next_page 'Button=Copy Options 2'
tick 'Button=Delete Dirs in Dest. that no longer Exist in Source' 1
real_click "$APP_TITLE" 'Button=Mirror a Directory Tree '
warning=$'THIS OPTION SHOULD BE USED WITH GREAT CAUTION!\r\nIF FILES OR FOLDERS ARE DELETED FROM THE SOURCE\r\nTHEY WILL BE DELETED FROM THE DESTINATION AND VICE VERSA!'
expect_out "mirror warning text" "$warning" msgbox 'WARNING!'
expect_out "mirror warning buttons and icon" 'buttons=ok icon=exclamation' msgbox-info 'WARNING!'
drv msgbox-press 'WARNING!' ok
drv expect "$APP_TITLE" 'Button=Mirror a Directory Tree ' check 1 5000 || fail "the mirror box did not stay checked"
tick 'Button=Move Files (Delete From Source)' 1
tick 'Button=Move Files and Folders (Delete From Source)' 1
tick 'Button=Turn off very long path (> 256 characters) support.' 1

# Copy Options 3: Add for Hidden and System, Remove for Archive (rows R A S H N T).
next_page 'Button=Copy Options 3'
tick 'Button#3=Add' 1   # Hidden
tick 'Button#2=Add' 1   # System
tick 'Button#1=Remove' 1   # Archive
drv expect "$APP_TITLE" 'Button#1=Add' check 0 || fail "Remove for Archive left Add checked"

# File Selection Options 4: copy only files with the archive attribute.
show_page 2 3 'Button=File Selection Options 4'
tick 'Button=Copy Only Files With Archive Attribute Set.' 1
drv expect "$APP_TITLE" 'Button=Ignore Archive Attribute.' check 0 || fail "the archive group kept two choices"

switches='/E /A /ZB /COPY:ASU /MOV /MOVE /PURGE /MIR /A+:SH /A-:A /256 /A /R:0 /W:0'
expect_command "all the options" " $switches" ok

drv wait-file "$RECORD_WIN" 20000 || fail "the engine was not started"
read -r -a words <<<"$switches"
expected="$(expected_record "$folder\\robocopy.exe \"$SRC_ARG\" \"$DST_ARG\" $switches" \
    "$folder\\robocopy.exe" "$SRC_ARG" "$DST_ARG" "${words[@]}"; printf x)"
read_record
assert_eq "engine start record" "${expected%x}" "$RECORD_TEXT"
quit_app
