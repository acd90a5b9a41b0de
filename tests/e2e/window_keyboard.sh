#!/usr/bin/env bash
# The window from the keyboard alone, in parts that run on their own:
#   window_keyboard.sh walk <first> <last>   on the pages PAGES[first..last] (window_lib.sh), Tab
#       goes round every control that takes the focus (every shown, enabled control but the
#       option buttons, of which an array is reached at its chosen one), in reading order, then
#       the bottom row and the tab strip, and never stops on a control that is hidden or covered
#   window_keyboard.sh keys   Space on the step buttons; a text box in a check box's caption stays
#       drawn when Tab passes the check box, and a screenshot shows the focus on a check box
#       reached by Tab (keyboard-focus.png); the access keys of the captions do what their
#       controls do
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
# shellcheck source=tests/e2e/window_lib.sh
. "$E2E_SRC/window_lib.sh"
part="${1:-}"
case "$part" in
walk) is_page_range "${2:-}" "${3:-}" ||
    fail "usage: window_keyboard.sh walk <first> <last>, of the pages 0 to $((${#PAGES[@]} - 1))" ;;
keys) ;;
*) fail "usage: window_keyboard.sh walk <first> <last> | keys" ;;
esac

start_window_app

# Walks round the page in front with Tab and checks the walk (see above).
walk_page() {
    local what="$1" stops walk line name l t r b seen prev_t=-1 prev_l=-1 on_page=0 i from c
    drv_get tab-stops "$APP_TITLE" || fail "$what: a control that takes the focus has no tab stop: $OUT"
    stops="$OUT"
    drv_get tab-walk "$APP_TITLE" 80 || fail "$what: the Tab walk failed"
    walk="${OUT%$'\n'}"
    # Names follow the windows' order, which showing a page changes: taken now, for this walk.
    local -A fixed=()
    for c in SysTabControl32:0 'Button=&Copy' 'Button=&Quit' 'Button=<' 'Button=>'; do
        fixed["$(drv get "$APP_TITLE" "$c" name)"]=1
    done
    # The walk from the first control after the tab strip round to the tab strip.
    local -a lines
    mapfile -t lines <<<"$walk"
    from=0
    for ((i = 0; i < ${#lines[@]}; i++)); do
        [[ "${lines[i]}" == SysTabControl32:0\ * ]] && from=$((i + 1))
    done
    for ((i = 0; i < ${#lines[@]}; i++)); do
        line="${lines[(from + i) % ${#lines[@]}]}"
        read -r name l t r b seen <<<"$line"
        # (The pages cover the middle of the tab strip, which is all that "seen" looks at.)
        [[ "$seen" == seen || "$name" == SysTabControl32:0 ]] || fail "$what: Tab stopped on $name, which cannot be seen"
        [[ -z "${fixed[$name]:-}" ]] || continue
        # Reading order: down the page, and left to right on a row (a text box standing in a
        # check box's caption sits a few pixels higher than the box).
        if ((on_page)) && ! ((t > prev_t + 3 || (t >= prev_t - 3 && l > prev_l))); then
            fail "$what: Tab went from ($prev_l,$prev_t) back up to $name at ($l,$t)"
        fi
        prev_t="$t"
        prev_l="$l"
        on_page=1
    done
    while read -r name; do
        [[ -n "$name" ]] || continue
        grep -q "^$name " <<<"$walk" || fail "$what: Tab never reaches $name"
    done <<<"$stops"
    for name in "${!fixed[@]}"; do
        [[ "$(drv get "$APP_TITLE" "$name" enabled)" == 1 && "$(drv get "$APP_TITLE" "$name" visible)" == 1 ]] ||
            continue
        grep -q "^$name " <<<"$walk" || fail "$what: Tab never reaches $name"
    done
    echo "ok: $what: Tab goes round ${#lines[@]} stops in reading order"
}

# Presses Tab on the real keyboard until the control has the focus. Each Tab waits (up to 2 s)
# until the focus has moved, so that no Tab is pressed on a stale reading and carries it past.
tab_to() {
    local sel="$1" name i j now was
    name="$(drv get "$APP_TITLE" "$sel" name)" || fail "no $sel"
    now="$(drv focus-of "$APP_TITLE")"
    for ((i = 0; i < 40; i++)); do
        [[ "$now" == "$name" ]] && return 0
        was="$now"
        timeout 10 xdotool key Tab || fail "xdotool key Tab failed"
        for ((j = 0; j < 100; j++)); do
            now="$(drv focus-of "$APP_TITLE")"
            [[ "$now" == "$was" ]] || break
            sleep 0.02
        done
    done
    fail "Tab never reached $sel (the focus is on $now after 40 presses)"
}

if [[ "$part" == walk ]]; then
    for ((i = $2; i <= $3; i++)); do
        IFS='|' read -r tab steps what probe <<<"${PAGES[i]}"
        show_page "$tab" "$steps" "$probe" seen
        walk_page "$what"
    done
    end_app
    exit 0
fi

# Stepping with the keyboard: Space on ">" up to the last sub-page, where ">" turns grey and the
# focus goes to "<", so that Space steps back again.
goto_tab 0
goto_tab 1
holds "Copy Options 1 in front" 'Button=Copy Data.' seen 1
tab_to 'Button=>'
timeout 10 xdotool key --delay 200 space space || fail "xdotool space failed"
holds "Space twice on > shows Copy Options 3" 'Static=Add/Remove Attributes from Copied Files.' seen 1 \
    'Button=>' enabled 0
drv wait-focus "$APP_TITLE" 'Button=<' 5000 || fail "the focus did not go to < when > turned grey"
timeout 10 xdotool key space || fail "xdotool space failed"
holds "Space on < shows Copy Options 2" 'Button=Copy Security Info' seen 1
echo "ok: Space steps the sub-pages, and the focus stays on a step button"

# The focus shows on a check box reached by Tab, and the text box standing in the caption of the
# check box passed on the way is still drawn (its sunken border's outer corner is dark).
goto_tab 0
goto_tab 1
holds "Copy Options 1 in front" 'Button=Copy Data.' seen 1
lev_box="Edit@$(($(drv get "$APP_TITLE" 'Button=Copy Only the Top               Directory Levels' id) + 1))"
border="$(drv get "$APP_TITLE" "$lev_box" pixel:0,0)"
tab_to 'Button=Copy Data.'
screenshot "$APP_TITLE" keyboard-focus
expect_out "the levels box still drawn after Tab passed its check box" "$border" get "$APP_TITLE" "$lev_box" pixel:0,0

# --- Access keys, each through the real keyboard: Alt+G back to the General tab, Alt+F the
# check box, Alt+C the copy, Alt+Q the quit question, Alt+A the About box.
alt() { timeout 10 xdotool key --delay 30 "alt+$1" || fail "xdotool alt+$1 failed"; }
goto_tab 4
holds "Logging in front" 'Button=Browse' seen 1
alt g
holds "Alt+G chose General" SysTabControl32:0 tab 0 "$MATCH_DEST" seen 1
drv expect "$APP_TITLE" "$MATCH_DEST" check 1 5000 || fail "Match Destination Folder does not start checked"
alt f
drv expect "$APP_TITLE" "$MATCH_DEST" check 0 5000 || fail "Alt+F did not uncheck Match Destination Folder"
alt f
drv expect "$APP_TITLE" "$MATCH_DEST" check 1 5000 || fail "Alt+F did not check Match Destination Folder again"
echo "ok: Alt+F toggles Match Destination Folder"
drv set-text "$APP_TITLE" Edit:0 'C:\Data\'
drv set-text "$APP_TITLE" Edit:1 'D:\Backup\'
# Enter in a text box starts nothing: the window has no default button.
tab_to Edit:0
timeout 10 xdotool key Return || fail "xdotool Return failed"
sleep 1
expect_out "no confirmation after Enter in the source box" 0 exists 'Continue?' .
expect_out "the source box after Enter" 'C:\Data\' get-text "$APP_TITLE" Edit:0
alt c
drv wait-window 'Continue?' 10000 || fail "Alt+C did not press Copy"
timeout 10 xdotool key Escape || fail "xdotool Escape failed"
drv wait-gone 'Continue?' 5000 || fail "Esc did not close the confirmation"
echo "ok: Alt+C asks to continue, Esc cancels"
alt q
drv wait-window 'Close Zentrova' 10000 || fail "Alt+Q did not press Quit"
drv msgbox-press 'Close Zentrova' no
echo "ok: Alt+Q asks to quit"
alt a
drv wait-window "$ABOUT_TITLE" 10000 || fail "Alt+A did not open the About box"
timeout 10 xdotool key Escape || fail "xdotool Escape failed"
drv wait-gone "$ABOUT_TITLE" 5000 || fail "Esc did not close the About box"
echo "ok: Alt+A opens the About box"
end_app
