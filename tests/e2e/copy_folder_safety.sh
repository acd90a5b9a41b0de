#!/usr/bin/env bash
# Commands that would destroy what they were asked to copy, on the real program: the same folder
# refused at Copy, a destination inside its source refused at Save, a source inside a mirrored
# destination refused at Copy (each with its exact text, OK and the exclamation icon, the focus
# then in the destination box, nothing started or saved), and a mirror to a drive root asked
# about first: Enter answers No and starts nothing, Yes goes on to "Continue?" and the engine.
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
# shellcheck source=tests/e2e/options_lib.sh
. "$E2E_SRC/options_lib.sh"

folder='C:\zkv\safety'
start_with_folders "$folder" 'C:\zkv\records\copy_folder_safety.txt' 'C:\Data\' 'c:\data\'

# The boxes have the main window's title: msgbox finds the box (the one dialog of that title),
# while a selector finds the main window first, or a control only the box has.
# expect_refusal <what> <screenshot name or ""> <text> <press...>: the press, the box, OK, then the
# focus in the destination box.
expect_refusal() {
    local what="$1" shot="$2" text="$3"
    shift 3
    "$@"
    expect_out "$what: text" "$text" msgbox "$APP_TITLE"
    expect_out "$what: buttons and icon" 'buttons=ok icon=exclamation' msgbox-info "$APP_TITLE"
    [[ -z "$shot" ]] || screenshot "$APP_TITLE" "$shot"
    drv msgbox-press "$APP_TITLE" ok || fail "$what: cannot answer OK"
    drv wait-focus "$APP_TITLE" "$DST_BOX" 5000 || fail "$what: the focus is not in the destination box"
    echo "ok: $what: the focus is in the destination box"
}
# Waits until the question's box has closed.
question_gone() {
    local until=$((${EPOCHREALTIME/./} + 5000000))
    while [[ "$(drv exists "$APP_TITLE" 'Button=&No')" != 0 ]]; do
        ((${EPOCHREALTIME/./} < until)) || fail "the question stays open"
        sleep 0.1
    done
}
press_copy() { drv click "$APP_TITLE" 'Button=&Copy' || fail "cannot press Copy"; }
press_save() { real_click "$APP_TITLE" 'Button=Save'; }
# The focus away from the destination box, so that the refusal has to move it there.
focus_source() {
    real_click "$APP_TITLE" "$SRC_BOX"
    drv wait-focus "$APP_TITLE" "$SRC_BOX" 5000 || fail "the source box did not take the focus"
}

# The same folder, spelt differently, at Copy.
focus_source
expect_refusal "same folder at Copy" copy-folder-safety-refusal \
    $'The source and the destination are the same folder:\r\nSource: C:\\Data\r\nDestination: c:\\data\r\nrobocopy.exe would copy the folder onto itself.\r\nPlease choose another destination. Nothing was started.' \
    press_copy
drv no-file "$RECORD_WIN" 1500 || fail "the engine was started"
echo "ok: nothing started"

# The destination inside the source with the default /E, at Save on the Job page: refused before
# the save dialog, and the General page comes back with the destination box.
drv set-text "$APP_TITLE" "$DST_BOX" 'C:\Data\Backup\' || fail "cannot fill the destination box"
show_page 5 0 'Button=Job'
expect_refusal "destination inside the source at Save" '' \
    $'The destination lies inside the source:\r\nSource: C:\\Data\r\nDestination: C:\\Data\\Backup\r\nWith /E, robocopy.exe copies the source\'s sub-folders, and the destination is one of them: the copy would copy its own output into itself.\r\nPlease choose a destination outside the source, or name it under "Exclude the Following Directory Names/Paths". Nothing was saved.' \
    press_save
expect_out "the save dialog after the refusal" 0 exists 'Save As' .

# Mirroring (its warning answered) with the source inside the destination, at Copy.
show_page 1 1 'Button=Copy Options 2'
real_click "$APP_TITLE" 'Button=Mirror a Directory Tree '
drv msgbox-press 'WARNING!' ok || fail "no mirror warning"
drv expect "$APP_TITLE" 'Button=Mirror a Directory Tree ' check 1 5000 || fail "the mirror box is not checked"
goto_tab 0
drv set-text "$APP_TITLE" "$SRC_BOX" 'D:\Backup\Data\' || fail "cannot fill the source box"
drv set-text "$APP_TITLE" "$DST_BOX" 'D:\Backup\' || fail "cannot fill the destination box"
focus_source
expect_refusal "source inside the mirrored destination at Copy" '' \
    $'The source lies inside the destination:\r\nSource: D:\\Backup\\Data\r\nDestination: D:\\Backup\r\nWith /MIR, robocopy.exe deletes whatever the destination holds that the source does not, and the source folder itself is one of those: the copy would delete what it was asked to copy.\r\nPlease choose another destination, or leave out /MIR. Nothing was started.' \
    press_copy

# Mirroring to a drive root: the question, answered first with Enter (No), then with Yes.
drv set-text "$APP_TITLE" "$SRC_BOX" 'C:\Data\' || fail "cannot fill the source box"
drv set-text "$APP_TITLE" "$DST_BOX" 'E:\' || fail "cannot fill the destination box"
question=$'The destination E:\\ is the root of a drive, and the command holds /MIR.\r\nEverything in E:\\ that is not in the source C:\\Data will be deleted.\r\nDo you want to go on?'
press_copy
expect_out "root question: text" "$question" msgbox "$APP_TITLE"
expect_out "root question: buttons and icon" 'buttons=yes,no icon=exclamation' msgbox-info "$APP_TITLE"
screenshot "$APP_TITLE" copy-folder-safety-root-question
real_keys Return
question_gone
drv no-file "$RECORD_WIN" 1500 || fail "Enter started the engine"
expect_out "\"Continue?\" after Enter" 0 exists 'Continue?' .
echo "ok: Enter answered No and started nothing"

press_copy
expect_out "root question again" "$question" msgbox "$APP_TITLE"
drv msgbox-press "$APP_TITLE" yes || fail "cannot answer Yes"
expect_out "the command after Yes" 'robocopy.exe "C:\Data" "E:\\" /E /ZB /COPY:DAT /MIR /R:0 /W:0' msgbox 'Continue?'
drv msgbox-press 'Continue?' ok || fail "cannot answer OK"
drv wait-file "$RECORD_WIN" 20000 || fail "the engine was not started after Yes"
expected="$(expected_record "$folder\\robocopy.exe \"C:\\Data\" \"E:\\\\\" /E /ZB /COPY:DAT /MIR /R:0 /W:0" \
    "$folder\\robocopy.exe" 'C:\Data' 'E:\' /E /ZB /COPY:DAT /MIR /R:0 /W:0; printf x)"
read_record
assert_eq "engine start record" "${expected%x}" "$RECORD_TEXT"
quit_app
