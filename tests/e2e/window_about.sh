#!/usr/bin/env bash
# The About box: one box however often "&About" is chosen, its texts, Enter and Esc close it.
# Coming back from it is an activation of the main window: the sub-folder, archive, exclusion
# and attribute choices go back to their defaults, txtDirLev is disabled again and the General
# page comes to the front while the tab strip keeps its tab. A message box closing is not.
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
# shellcheck source=tests/e2e/window_lib.sh
. "$E2E_SRC/window_lib.sh"

start_window_app
# Both folders given, so that Copy asks "Continue?" (a refused folder would bring General forward).
drv set-text "$APP_TITLE" Edit:0 'C:\Data\'
drv set-text "$APP_TITLE" Edit:1 'D:\Backup\'

NON_EMPTY='Button=Copy Non-Empty Sub-Directories'
ALL_SUBDIRS='Button=Copy All Sub-Directories'
LEVELS='Button=Copy Only the Top               Directory Levels'

# Away from every default the activation puts back. Each page is in front while it is worked,
# so its controls are the first of their captions in child order.
goto_tab 1
drv click "$APP_TITLE" "$NON_EMPTY"
drv click "$APP_TITLE" "$LEVELS"
holds "Copy Options 1 changed" "$NON_EMPTY" check 1 "$ALL_SUBDIRS" check 0 "$LEVELS" check 1 Edit:0 enabled 1
step_next
step_next
drv click "$APP_TITLE" 'Button#0=Add'
holds "Copy Options 3 changed" 'Button#0=Add' check 1 'Button#0=None' check 0
goto_tab 2
drv click "$APP_TITLE" 'Button#0=Exclude'
holds "File Selection Options 1 changed" 'Button#0=Exclude' check 1 'Button#0=None' check 0
step_next
drv click "$APP_TITLE" 'Button=Exclude Changed Files'
drv click "$APP_TITLE" 'Button=Exclude Extra Files and Directories'
holds "File Selection Options 2 changed" 'Button=Exclude Changed Files' check 1 'Button=None of the Above.' check 0 \
    'Button=Exclude Extra Files and Directories' check 1 'Button=None of the Above' check 0
step_next
step_next
drv click "$APP_TITLE" 'Button=Copy Only Files With Archive Attribute Set.'
holds "File Selection Options 4 changed" 'Button=Copy Only Files With Archive Attribute Set.' check 1 \
    'Button=Ignore Archive Attribute.' check 0
goto_tab 1
holds "Copy Options 1 in front" 'Button=Copy Data.' seen 1 "$NON_EMPTY" check 1

# A message box closing is no activation: everything stays as it was.
drv click "$APP_TITLE" 'Button=&Copy'
drv wait-window 'Continue?' 10000 || fail "no \"Continue?\" box"
drv msgbox-press 'Continue?' cancel
holds "after the message box: Copy Options 1 still in front, nothing reset" SysTabControl32:0 tab 1 \
    'Button=Copy Data.' seen 1 "$MATCH_DEST" seen 0 "$NON_EMPTY" check 1 "$ALL_SUBDIRS" check 0 Edit:0 enabled 1

# "&About" twice: one box.
drv menu "$APP_TITLE" a
drv wait-window "$ABOUT_TITLE" 10000 || fail "no About box"
drv menu "$APP_TITLE" a
drv wait-window "$ABOUT_TITLE" 10000 || fail "the About box went away"
assert_eq "About boxes after choosing About twice" 1 "$(count_windows "$ABOUT_TITLE")"
# Texts in child order: icon, title, version, description, mail address.
holds_in "$ABOUT_TITLE" "About box texts" Static:1 text "$APP_TITLE" Static:2 text 'Version 1.1.0' \
    Static:3 text $'A Handy GUI that Unleashes the Power\r\nof Microsoft\'s RoboCopy' \
    Button=OK seen 1 'Button=&System Info...' seen 1

# The mail address turns blue under the mouse pointer and black again when it leaves.
email_colours() {
    local l t r b
    read -r l t r b <<<"$(drv get "$ABOUT_TITLE" Static:4 rect)"
    drv wait-painted "$ABOUT_TITLE" 5000 || fail "the About box does not finish painting"
    timeout 30 import -display "$DISPLAY" -window root -crop "$((r - l))x$((b - t))+$l+$t" +repage \
        "$SCRATCH/email.png" || fail "import failed"
    timeout 30 convert "$SCRATCH/email.png" -format %c histogram:info: >"$SCRATCH/colours"
    printf 'blue=%s black=%s' "$(grep -c '#0000FF' "$SCRATCH/colours" || true)" \
        "$(grep -c '#000000' "$SCRATCH/colours" || true)"
}
mouse_to() { timeout 10 xdotool mousemove "$1" "$2" || fail "xdotool mousemove failed"; }
read -r l t r b <<<"$(drv get "$ABOUT_TITLE" Static:4 rect)"
mouse_to "$(((l + r) / 2))" "$(((t + b) / 2))"
assert_eq "mail address under the pointer" 'blue=1 black=0' "$(email_colours)"
read -r l t r b <<<"$(drv get "$ABOUT_TITLE" . rect)"
mouse_to "$((l + 20))" "$((t + 150))"
assert_eq "mail address after the pointer left" 'blue=0 black=1' "$(email_colours)"
mouse_to 4000 4000  # out of the way, in the screen's far corner

# Enter closes it (the focus is on OK), and coming back resets the choices.
expect_out "focus in the About box" 'Button:0' focus-of "$ABOUT_TITLE"
drv key "$ABOUT_TITLE" Button:0 return
drv wait-gone "$ABOUT_TITLE" 5000 || fail "Enter does not close the About box"
holds "back from About: General in front, the tab strip still on Copy Options" SysTabControl32:0 tab 1 \
    'Button=General' visible 1 "$MATCH_DEST" seen 1 Edit:0 seen 1 Edit:1 seen 1 'Button=Copy Data.' seen 0
# The pages as the tab strip shows them again: each choice back at its default.
goto_tab 2
goto_tab 1
holds "Copy Options 1 reset" "$NON_EMPTY" check 0 "$ALL_SUBDIRS" check 1 Edit:0 enabled 0 "$LEVELS" check 1
step_next
step_next
holds "Copy Options 3 reset" 'Button#0=Add' check 0 'Button#0=None' check 1
goto_tab 2
holds "File Selection Options 1 reset" 'Button#0=Exclude' check 0 'Button#0=None' check 1
step_next
holds "File Selection Options 2 reset" 'Button=Exclude Changed Files' check 0 'Button=None of the Above.' check 1 \
    'Button=Exclude Extra Files and Directories' check 0 'Button=None of the Above' check 1
step_next
step_next
holds "File Selection Options 4 reset" 'Button=Copy Only Files With Archive Attribute Set.' check 0 \
    'Button=Ignore Archive Attribute.' check 1

# Esc closes it too, with the same reset; the tab strip keeps File Selection.
drv click "$APP_TITLE" 'Button=Copy Only Files With Archive Attribute Set.'
holds "File Selection Options 4 changed again" 'Button=Copy Only Files With Archive Attribute Set.' check 1
drv menu "$APP_TITLE" a
drv wait-window "$ABOUT_TITLE" 10000 || fail "no About box"
drv key "$ABOUT_TITLE" Button:0 escape
drv wait-gone "$ABOUT_TITLE" 5000 || fail "Esc does not close the About box"
holds "back from About again: General in front, the tab strip still on File Selection, archive choice reset" \
    SysTabControl32:0 tab 2 'Button=General' visible 1 "$MATCH_DEST" seen 1 \
    'Button=Ignore Archive Attribute.' seen 0 'Button=Ignore Archive Attribute.' check 1 \
    'Button=Copy Only Files With Archive Attribute Set.' check 0

# A mail link the system cannot open (its mail program is missing) is said in a message that
# gives the address to type; the About box stays.
reg_set 'HKCR\mailto\shell\open\command' '' '"C:\zkv\no mail program.exe" "%1"'
drv menu "$APP_TITLE" a
drv wait-window "$ABOUT_TITLE" 10000 || fail "no About box"
read -r l t r b <<<"$(drv get "$ABOUT_TITLE" Static:4 rect)"
timeout 10 xdotool mousemove "$(((l + r) / 2))" "$(((t + b) / 2))" click 1 || fail "xdotool click failed"
text="$(drv msgbox "$APP_TITLE" 10000)" || fail "no message about the mail link"
mouse_to 4000 4000
[[ "$text" == $'This address could not be opened:\r\nsupport@zentrova.example\r\n'*$'\r\nPlease type it into your web browser or mail program.' ]] ||
    fail "message about the mail link: $text"
echo "ok: the mail link that cannot open is given in a message"
drv msgbox-press "$APP_TITLE" ok
holds_in "$ABOUT_TITLE" "the About box stays" Button=OK seen 1
drv key "$ABOUT_TITLE" Button:0 escape
drv wait-gone "$ABOUT_TITLE" 5000 || fail "Esc does not close the About box"
end_app
