#!/usr/bin/env bash
# The refusals that the other scenarios do not reach, each on the real program, and after each
# one nothing lost: the export's empty-box errors (no dialog opens, the focus goes to the box), a
# folder that would not reach the engine intact and one that is not a full path (each refused
# before the confirmation and before the save dialog, the second giving its box the focus), a folder that the command file's code page cannot hold (nothing written), the
# run-hours minute and end-time range messages (the window typed before stays in force), and an
# engine that cannot be started. After each box the boxes hold what was typed, no file appears,
# the engine has not run, and the next confirmation shows the same command as before.
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
# shellcheck source=tests/e2e/options_lib.sh
. "$E2E_SRC/options_lib.sh"

out_win='C:\zkv\messages-out'
out_unix="$(unix_path "$out_win")"
rm -rf "$out_unix"
mkdir -p "$out_unix"
start_with_folders 'C:\zkv\messages' 'C:\zkv\records\messages_state.txt'
switches=' /E /ZB /COPY:DAT /R:0 /W:0'

# Both boxes as the case left them, no save dialog, no file written and the engine not started.
expect_nothing_lost() {
    local src="$1" dst="$2"
    expect_out "source box kept" "$src" get-text "$APP_TITLE" "$SRC_BOX"
    expect_out "destination box kept" "$dst" get-text "$APP_TITLE" "$DST_BOX"
    expect_out "no save dialog" 0 exists 'Save As' .
    assert_eq "no file written" '' "$(ls -A "$out_unix")"
    [[ ! -e "$RECORD_UNIX" ]] || fail "the engine was started"
}

# After a refused folder the General page, where the boxes are, is in front.
general_in_front() {
    drv expect "$APP_TITLE" SysTabControl32:0 tab 0 5000 || fail "the General tab is not chosen after the box"
    drv expect "$APP_TITLE" 'Button=Match Destination &Folder to Source Folder' visible 1 5000 ||
        fail "the General page is not in front after the box"
    echo "ok: the General page in front"
}

# Answers a box with OK (the driver waits until it has closed).
press_ok() {
    drv msgbox-press "$1" ok || fail "cannot answer \"$1\""
}

# --- The export's own empty-box errors, pressed on the Job page.
show_page 5 0 'Button=Job'
# source | destination | text | focus afterwards
empty_cases=(
    '|D:\Backup\|Please select a source directory|'"$SRC_BOX"
    'C:\Data\||Please select a destination directory|'"$DST_BOX"
)
for row in "${empty_cases[@]}"; do
    IFS='|' read -r src dst text focus <<<"$row"
    echo "case: save with source '$src', destination '$dst'"
    show_page 5 0 'Button=Job'
    drv set-text "$APP_TITLE" "$SRC_BOX" "$src"
    drv set-text "$APP_TITLE" "$DST_BOX" "$dst"
    real_click "$APP_TITLE" 'Button=Save'
    expect_out "save refusal" "$text" msgbox Error
    expect_out "save refusal buttons and icon" 'buttons=ok icon=none' msgbox-info Error
    press_ok Error
    general_in_front
    drv wait-focus "$APP_TITLE" "$focus" 5000 || fail "the focus is not on $focus after the box"
    expect_nothing_lost "$src" "$dst"
done

# --- A double quote in a folder: the command could not be split back as shown.
bad_src='C:\Da"ta\'
drv set-text "$APP_TITLE" "$SRC_BOX" "$bad_src"
drv set-text "$APP_TITLE" "$DST_BOX" 'D:\Backup\'
# press | what the box ends with
broken_cases=(
    'Button=&Copy|Nothing was started.'
    'Button=Save|Nothing was saved.'
)
for row in "${broken_cases[@]}"; do
    IFS='|' read -r button consequence <<<"$row"
    echo "case: $button with a double quote in the source"
    show_page 5 0 'Button=Job'
    real_click "$APP_TITLE" "$button"
    drv_get msgbox "$APP_TITLE" || fail "no refusal after $button"
    [[ "$OUT" == 'The value of "Source Path" would not reach robocopy.exe as shown'* ]] ||
        fail "the refusal does not name the source: $OUT"
    [[ "$OUT" == *"$consequence" ]] || fail "the refusal does not end with \"$consequence\": $OUT"
    echo "ok: refused naming the source, ending \"$consequence\""
    expect_out "broken-argument buttons and icon" 'buttons=ok icon=exclamation' msgbox-info "$APP_TITLE"
    expect_out "no confirmation" 0 exists 'Continue?' .
    press_ok "$APP_TITLE"
    expect_nothing_lost "$bad_src" 'D:\Backup\'
done

# --- A folder that is not a full path: the engine would read it against an accidental folder.
# press | source | destination | field named | focus afterwards | what the box ends with
partial_cases=(
    'Button=&Copy|Data\|D:\Backup\|Source Path|'"$SRC_BOX"'|Nothing was started.'
    'Button=&Copy|C:\Data\|D:Backup\|Destination Path|'"$DST_BOX"'|Nothing was started.'
    'Button=&Copy|\Backup\|D:\Backup\|Source Path|'"$SRC_BOX"'|Nothing was started.'
    'Button=Save|C:\Data\|Backup\|Destination Path|'"$DST_BOX"'|Nothing was saved.'
    'Button=Save|D:Data\|D:\Backup\|Source Path|'"$SRC_BOX"'|Nothing was saved.'
    'Button=Save|C:\Data\|\Backup\|Destination Path|'"$DST_BOX"'|Nothing was saved.'
)
for row in "${partial_cases[@]}"; do
    IFS='|' read -r button src dst field focus consequence <<<"$row"
    echo "case: $button with source '$src', destination '$dst'"
    show_page 5 0 'Button=Job'
    drv set-text "$APP_TITLE" "$SRC_BOX" "$src"
    drv set-text "$APP_TITLE" "$DST_BOX" "$dst"
    real_click "$APP_TITLE" "$button"
    expect_out "not a full path" "The value of \"$field\" is not a full path, so robocopy.exe would read it against \
whatever folder happens to be current."$'\r\n'"Please give a full path, such as C:\\Data\\ or \\\\server\\share\\Data\\. \
$consequence" msgbox "$APP_TITLE"
    expect_out "not-a-full-path buttons and icon" 'buttons=ok icon=exclamation' msgbox-info "$APP_TITLE"
    expect_out "no confirmation" 0 exists 'Continue?' .
    press_ok "$APP_TITLE"
    general_in_front
    drv wait-focus "$APP_TITLE" "$focus" 5000 || fail "the focus is not on $focus after the box"
    expect_nothing_lost "$src" "$dst"
done
show_page 5 0 'Button=Job'
drv set-text "$APP_TITLE" "$DST_BOX" 'D:\Backup\'

# --- A folder name the OEM code page cannot hold: the .cmd file is refused, nothing is written.
cjk_src='C:\数据\'
drv set-text "$APP_TITLE" "$SRC_BOX" "$cjk_src"
real_click "$APP_TITLE" 'Button=Save'
drv wait-window 'Save As' 10000 || fail "the save dialog did not open"
file_box='Edit@1148'
real_type 'Save As' "$file_box" "$out_win\\job.cmd"
real_keys Return
drv wait-gone 'Save As' 10000 || fail "the save dialog stayed open"
drv_get msgbox "$APP_TITLE" || fail "no refusal for the unwritable character"
[[ "$OUT" == 'The value of "Source Path" holds a character that cannot be written in the OEM code page'* ]] ||
    fail "the refusal does not name the source and the code page: $OUT"
echo "ok: refused naming the source and the OEM code page"
expect_out "code-page refusal buttons and icon" 'buttons=ok icon=exclamation' msgbox-info "$APP_TITLE"
press_ok "$APP_TITLE"
expect_nothing_lost "$cjk_src" 'D:\Backup\'

# The boxes as at the start: the command is what it was.
drv set-text "$APP_TITLE" "$SRC_BOX" 'C:\Data\'
expect_command "the command after the refusals" "$switches"

# --- Run hours: a valid window, then a wrong minute, end hour and end minute typed over it.
show_page 1 0 'Button=Copy Options 1'
rh_box='Button=Run Hours'
rh="Edit@$(id_after "$rh_box")"
tick "$rh_box" 1
drv type-each "$APP_TITLE" "$rh" 08001700
with_rh="${switches/ \/R:0/ /RH:0800-1700 /R:0}"
expect_command "the valid window" "$with_rh"
# Each case moves the caret from the start with the arrow keys (which step over the literals) and
# types one wrong digit there.
# right arrows | digit | box text | field afterwards | selection
range_cases=(
    '2|6|Enter a Start Time Between 00:00 and 23:59|08:00 - 17:00|3 5'
    '4|3|Enter an End Time Between 00:00 and 23:59|08:00 - 00:00|8 10'
    '6|6|Enter an End Time Between 00:00 and 23:59|08:00 - 17:00|11 13'
)
for row in "${range_cases[@]}"; do
    IFS='|' read -r rights digit text repaired sel <<<"$row"
    echo "case: run hours, $digit typed after Home and $rights right arrows"
    # The end hours repaired by the case before are typed again over their selection.
    [[ "$(drv get-text "$APP_TITLE" "$rh")" == '08:00 - 17:00' ]] || drv type-each "$APP_TITLE" "$rh" 17
    expect_out "run hours before the case" '08:00 - 17:00' get-text "$APP_TITLE" "$rh"
    drv key "$APP_TITLE" "$rh" home
    drv key "$APP_TITLE" "$rh" right "$rights"
    drv type-each "$APP_TITLE" "$rh" "$digit"
    expect_out "range box" "$text" msgbox 'Invalid Start Time'
    expect_out "range box buttons and icon" 'buttons=ok icon=exclamation' msgbox-info 'Invalid Start Time'
    press_ok 'Invalid Start Time'
    expect_out "field repaired" "$repaired" get-text "$APP_TITLE" "$rh"
    read -r from to <<<"$sel"
    drv expect-sel "$APP_TITLE" "$rh" "$from" "$to" 5000 || fail "not $sel selected after the box"
    expect_command "the earlier window still in force" "$with_rh"
done
quit_app

# --- An engine of the right size that is no program: the start fails with the system's reason.
bad_folder='C:\zkv\messages-engine'
head -c "$(cat "$WIN_BUILD/engine-size.txt")" /dev/zero >"$SCRATCH/robocopy.exe"
lay_app "$bad_folder" "$SCRATCH/robocopy.exe"
use_record 'C:\zkv\records\messages_engine.txt'
start_app "$bad_folder"
drv set-text "$APP_TITLE" "$SRC_BOX" 'C:\Data\' || fail "cannot fill the source box"
drv set-text "$APP_TITLE" "$DST_BOX" 'D:\Backup\' || fail "cannot fill the destination box"
expect_command "confirmed" "$switches" ok
drv_get msgbox "$APP_TITLE" || fail "no message for the failed start"
IFS=$'\n' read -r -d '' line1 line2 reason <<<"${OUT//$'\r\n'/$'\n'}" || true
assert_eq "start failure, first line" 'The copy engine could not be started:' "$line1"
assert_eq "start failure, the engine named" "$bad_folder\\robocopy.exe" "$line2"
[[ -n "${reason//$'\n'/}" ]] || fail "the start failure gives no reason"
[[ "$reason" != *%1* ]] || fail "the reason keeps the system's placeholder: $reason"
echo "ok: the reason given: ${reason%$'\n'}"
expect_out "start failure buttons and icon" 'buttons=ok icon=critical' msgbox-info "$APP_TITLE"
press_ok "$APP_TITLE"
expect_out "source box kept" 'C:\Data\' get-text "$APP_TITLE" "$SRC_BOX"
expect_command "the same command after the failure" "$switches"
quit_app
