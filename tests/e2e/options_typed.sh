#!/usr/bin/env bash
# Values typed and slid, key by key through the program's own message loop: a number field
# (digits accepted one by one; a letter refused with its box, and the field empty and focused
# afterwards, typed on the real keyboard), the run-hours field (a window taken only once
# complete; an hour out of range caught at its second digit; an end before the start refused),
# the two sliders (keyboard and mouse) and a folder list taken when Tab leaves it. After each
# step the confirmation shows exactly what the controls say.
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
# shellcheck source=tests/e2e/options_lib.sh
. "$E2E_SRC/options_lib.sh"

start_with_folders 'C:\zkv\options' 'C:\zkv\records\options_typed.txt'
base_head=' /E /ZB /COPY:DAT'

# --- Inter-packet gap: digits are taken as they are typed.
show_page 1 0 'Button=Copy Options 1'
ipg_box='Button=Inter-Packet Gap                 (ms), to free bandwidth on slow lines.'
ipg="Edit@$(id_after "$ipg_box")"
drv expect "$APP_TITLE" "$ipg" enabled 0 || fail "the gap field is usable before its box is checked"
drv click "$APP_TITLE" "$ipg_box"
drv expect "$APP_TITLE" "$ipg" enabled 1 5000 || fail "checking the box left the gap field disabled"
drv wait-focus "$APP_TITLE" "$ipg" 5000 || fail "checking the box did not focus the gap field"
expect_out "gap field turns white" FFFFFF get "$APP_TITLE" "$ipg" pixel:30,9
drv type-each "$APP_TITLE" "$ipg" 5
expect_out "no refusal of a digit" 0 exists 'Invalid Entry' .
drv type-each "$APP_TITLE" "$ipg" 0
expect_command "gap after the second digit" "$base_head /IPG:50 /R:0 /W:0"
# The field stands in its check box's caption: a click into it goes to the field, not the box.
real_keys Tab
drv wait-focus "$APP_TITLE" "$ipg" 1000 2>/dev/null && fail "Tab did not leave the gap field"
real_click "$APP_TITLE" "$ipg"
drv wait-focus "$APP_TITLE" "$ipg" 5000 || fail "a click into the gap field did not focus it"
drv expect "$APP_TITLE" "$ipg_box" check 1 1000 || fail "a click into the gap field unchecked its box"
echo "ok: a click into the gap field focuses it and leaves its box checked"

# --- Run hours: a complete, ordered window only.
rh_box='Button=Run Hours'
rh="Edit@$(id_after "$rh_box")"
blank='  :   -   :  '
expect_out "run hours at start" "$blank" get-text "$APP_TITLE" "$rh"
expect_out "run hours field grey at start" C0C0C0 get "$APP_TITLE" "$rh" pixel:120,9
tick "$rh_box" 1
drv wait-focus "$APP_TITLE" "$rh" 5000 || fail "checking Run Hours did not focus the field"
drv expect-sel "$APP_TITLE" "$rh" 0 13 5000 || fail "the run-hours text is not all selected"
expect_out "run hours field white" FFFFFF get "$APP_TITLE" "$rh" pixel:120,9
expect_out "run hours after checking" "$blank" get-text "$APP_TITLE" "$rh"
drv type-each "$APP_TITLE" "$rh" 0800173
expect_out "run hours, one digit short" '08:00 - 17:3 ' get-text "$APP_TITLE" "$rh"
expect_command "an incomplete window is not taken" "$base_head /IPG:50 /R:0 /W:0"
drv type-each "$APP_TITLE" "$rh" 0
expect_out "run hours complete" '08:00 - 17:30' get-text "$APP_TITLE" "$rh"
expect_command "the complete window" "$base_head /IPG:50 /RH:0800-1730 /R:0 /W:0"

tick "$rh_box" 0
expect_out "run hours cleared by unchecking" "$blank" get-text "$APP_TITLE" "$rh"
expect_out "run hours field grey again" C0C0C0 get "$APP_TITLE" "$rh" pixel:120,9
expect_command "no window once unchecked" "$base_head /IPG:50 /R:0 /W:0"

tick "$rh_box" 1
drv expect-sel "$APP_TITLE" "$rh" 0 13 5000 || fail "the run-hours text is not all selected"
drv type-each "$APP_TITLE" "$rh" 2
drv type-each "$APP_TITLE" "$rh" 5
expect_out "start hour 25 refused" 'Enter a Start Time Between 00:00 and 23:59' msgbox 'Invalid Start Time'
expect_out "start hour box buttons and icon" 'buttons=ok icon=exclamation' msgbox-info 'Invalid Start Time'
drv msgbox-press 'Invalid Start Time' ok
expect_out "start hours repaired" "00:${blank:3}" get-text "$APP_TITLE" "$rh"
drv expect-sel "$APP_TITLE" "$rh" 0 2 5000 || fail "the start hours are not selected after the box"

# A complete window must end after it starts: the hours, then the minutes, are refused, each
# with its own box, and the offending part is selected for typing over.
# typed | box title | box text | buttons and icon | selection afterwards
order_cases=(
    '10300930|Error|Start Time "HOURS" is After End Time|buttons=ok icon=exclamation|8 10'
    '10|Zentrova KV|Start Time "MINUTES" is After End Time|buttons=ok icon=none|11 13'
)
for row in "${order_cases[@]}"; do
    IFS='|' read -r typed title text info sel <<<"$row"
    drv type-each "$APP_TITLE" "$rh" "$typed"
    expect_out "order box for $typed" "$text" msgbox "$title"
    expect_out "order box buttons and icon" "$info" msgbox-info "$title"
    drv msgbox-press "$title" ok
    read -r from to <<<"$sel"
    drv expect-sel "$APP_TITLE" "$rh" "$from" "$to" 5000 || fail "not $sel selected after the box"
done
expect_out "the refused window stays in the field" '10:30 - 10:30' get-text "$APP_TITLE" "$rh"
drv type-each "$APP_TITLE" "$rh" 31
expect_command "a window one minute long" "$base_head /IPG:50 /RH:1030-1031 /R:0 /W:0"

# --- Run again after n changes, on the real keyboard: a letter is refused.
next_page 'Button=Copy Options 2'
mon_box='Button=Run again when more than                 changes seen.'
mon="Edit@$(id_after "$mon_box")"
tick "$mon_box" 1
drv wait-focus "$APP_TITLE" "$mon" 5000 || fail "checking the box did not focus the changes field"
real_keys a
expect_out "a letter refused" 'Please Enter An Integer.' msgbox 'Invalid Entry'
expect_out "refusal buttons and icon" 'buttons=ok,cancel icon=critical' msgbox-info 'Invalid Entry'
drv msgbox-press 'Invalid Entry' ok
drv expect "$APP_TITLE" "$mon" text '' 5000 || fail "the refused letter stayed in the field"
drv wait-focus "$APP_TITLE" "$mon" 5000 || fail "the field does not have the focus after the refusal"
echo "ok: the changes field is empty and focused"
# The next key lands there.
real_keys 7
drv expect "$APP_TITLE" "$mon" text 7 5000 || fail "a digit typed after the refusal did not arrive"
expect_command "a digit after the refusal" "$base_head /MON:7 /IPG:50 /RH:1030-1031 /R:0 /W:0"

# --- Sliders: the retry count by keyboard and by a drag, the wait by a click on the channel.
show_page 3 0 'Button=Retry Options'
retry='msctls_trackbar32:0'
wait_slider='msctls_trackbar32:1'
retry_label="Static@$(id_after "$retry")"
wait_label="Static@$(id_after "$wait_slider")"
expect_out "retry range" '0 30' get "$APP_TITLE" "$retry" range
drv key "$APP_TITLE" "$retry" right 3
drv expect "$APP_TITLE" "$retry_label" text 3 5000 || fail "the retry label does not show 3"
expect_command "retries after three arrow keys" "$base_head /MON:7 /IPG:50 /RH:1030-1031 /R:3 /W:0"
drv key "$APP_TITLE" "$retry" pagedown
drv expect "$APP_TITLE" "$retry_label" text 8 5000 || fail "the retry label does not show 8"
expect_out "retry position" 8 get "$APP_TITLE" "$retry" pos
# Home, then dragged with the mouse from the thumb (at the left end) to past the right end.
drv key "$APP_TITLE" "$retry" home
drv expect "$APP_TITLE" "$retry_label" text 0 5000 || fail "the retry label does not show 0 after Home"
rect="$(drv get "$APP_TITLE" "$retry" rect)"
read -r l t r b <<<"$rect"
timeout 10 xdotool mousemove "$((l + 13))" "$((t + 10))" mousedown 1 \
    mousemove "$(((l + r) / 2))" "$((t + 10))" mousemove "$((r + 20))" "$((t + 10))" mouseup 1 ||
    fail "xdotool drag failed"
drv expect "$APP_TITLE" "$retry_label" text 30 5000 || fail "the retry label does not show 30 after the drag"
expect_out "retry position after the drag" 30 get "$APP_TITLE" "$retry" pos

# A click on the channel a little right of the thumb (at 0, on the left end) moves one page.
rect="$(drv get "$APP_TITLE" "$wait_slider" rect)"
read -r l t r b <<<"$rect"
real_click "$APP_TITLE" "$wait_slider" "$(((r - l) / 6))" 10
drv expect "$APP_TITLE" "$wait_label" text 5 5000 || fail "the wait label does not show 5"
expect_out "wait position" 5 get "$APP_TITLE" "$wait_slider" pos

# --- An exclusion list, typed on the real keyboard, counts once the focus leaves it by Tab.
show_page 2 1 'Button=File Selection Options 2'
dirs="Edit@$(id_after 'Static=Exclude the Following Directory Names/Paths')"
real_type "$APP_TITLE" "$dirs" 'temp "my cache"'
real_keys Tab
for ((i = 0; i < 100; i++)); do
    focus="$(drv focus-of "$APP_TITLE")"
    [[ "$focus" != "$(drv get "$APP_TITLE" "$dirs" name)" ]] && break
done
[[ "$focus" != "$(drv get "$APP_TITLE" "$dirs" name)" ]] || fail "Tab did not leave the folder list"
echo "ok: Tab moved the focus to $focus"
expect_command "retries after the drag, wait after a click, the folder list" \
    "$base_head /MON:7 /IPG:50 /RH:1030-1031 /XD temp \"my cache\" /R:30 /W:5"
quit_app
