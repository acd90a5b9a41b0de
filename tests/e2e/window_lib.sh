# shellcheck shell=bash
# Shared by the scenarios of the whole window (window_*.sh), sourced after lib.sh.

WINDOW_FOLDER='C:\zkv\window'
# shellcheck disable=SC2034  # used by the scenarios
ABOUT_TITLE="About $APP_TITLE"
MATCH_DEST='Button=Match Destination &Folder to Source Folder'
BROWSE_TITLE='Browse for Folder'
BROWSE_TREE='SysTreeView32:0'

# Every page a person can bring to the front, as the pages and keyboard scenarios visit them:
# tab | ">" presses from its first sub-page | name (also of its screenshots) | a control only that
# page shows
# shellcheck disable=SC2034  # used by the scenarios
PAGES=(
    '0|0|general|Button=Match Destination &Folder to Source Folder'
    '1|0|copy-options-1|Button=Copy Data.'
    '1|1|copy-options-2|Button=Copy Security Info'
    '1|2|copy-options-3|Static=Add/Remove Attributes from Copied Files.'
    '2|0|file-selection-1|Static=Include/Exclude Files Based on Attributes.'
    '2|1|file-selection-2|Static=Exclude the Following File Names/Wildcards/Paths.'
    '2|2|date-limits|Button=>>>'
    '2|3|file-selection-4|Button=Ignore Archive Attribute.'
    '3|0|retry|msctls_trackbar32:0'
    '4|0|logging|Button=Browse'
    '5|0|job|Button=Save'
)

# Whether <first> <last> name a range of PAGES, for the scenarios that run in parts.
is_page_range() { [[ "$1" =~ ^[0-9]+$ && "$2" =~ ^[0-9]+$ ]] && (($1 <= $2 && $2 < ${#PAGES[@]})); }

# Lays out the program beside the stand-in, starts it and waits until its General page is up.
start_window_app() {
    lay_app "$WINDOW_FOLDER"
    start_app "$WINDOW_FOLDER"
    drv expect-all "$APP_TITLE" 10000 "$MATCH_DEST" seen 1 || fail "the General page did not come up"
}

# Ends the program started last without asking it (quitting is a scenario of its own).
end_app() {
    drv kill "$APP_PID"
    drv wait-gone "$APP_TITLE" 5000 || fail "the main window stays after the program was ended"
}

# holds <what> <sel> <property> <value> [<sel> <property> <value>...]: every one of them is so
# (within 5 s) in the main window. A property "seen" is 1 when the control shows and nothing
# covers it.
holds() {
    local what="$1"
    shift
    drv expect-all "$APP_TITLE" 5000 "$@" || fail "$what"
    echo "ok: $what"
}

# The same for another window.
holds_in() {
    local title="$1" what="$2"
    shift 2
    drv expect-all "$title" 5000 "$@" || fail "$what"
    echo "ok: $what"
}

# step_buttons <what> <shown 0|1> [<"<" enabled> <">" enabled>]
step_buttons() {
    local what="$1" shown="$2"
    if [[ "$shown" == 0 ]]; then
        holds "$what: \"<\" and \">\" hidden" 'Button=<' visible 0 'Button=>' visible 0
    else
        holds "$what: \"<\" enabled $3, \">\" enabled $4" 'Button=<' visible 1 'Button=>' visible 1 \
            'Button=<' enabled "$3" 'Button=>' enabled "$4"
    fi
}

# The number of shown top-level windows titled so.
count_windows() {
    local title="$1"
    drv list-windows >"$SCRATCH/windows" || fail "list-windows failed"
    grep -cF " \"$title\"" "$SCRATCH/windows" || true
}

# The prefix's registry (every scenario starts with the keys it may change put back, see
# reset_prefix): a text value set, a key deleted with all below it (when there).
reg_set() { drv reg-set "$1" "$2" sz "$3" || fail "cannot set $2 of $1"; }
reg_delete_key() { drv reg-delete "$1" || fail "cannot delete $1"; }

# The DPI of the programs started next. The driver reads it when it starts, so it is started anew.
set_log_pixels() {
    drv reg-set 'HKCU\Control Panel\Desktop' LogPixels dword "$1" || fail "cannot set LogPixels $1"
    drv_session_end  # the next command gets a driver that reads the prefix anew
}

# The prefix's fonts for the programs started next: standard (the font the layout was designed
# with) or wide (a noticeably wider dialog font). The driver measures captions in the dialog font,
# so it is started anew.
set_fonts() {
    run_closed bash "$REPO/scripts/wine_fonts.sh" "$1" >"$SCRATCH/fonts" 2>&1 </dev/null ||
        fail "cannot set the $1 fonts: $(cat "$SCRATCH/fonts")"
    drv_session_end  # the next command gets a driver that reads the prefix anew
}

# A window's outer size in pixels, "WxH" (the main window's unless another title is given).
window_size() {
    local rect l t r b
    rect="$(drv get "${1:-$APP_TITLE}" . rect)" || fail "no window \"${1:-$APP_TITLE}\""
    read -r l t r b <<<"$rect"
    echo "$((r - l))x$((b - t))"
}

# The height of the status bar at the main window's foot, in pixels.
status_bar_height() {
    local l t r b
    read -r l t r b <<<"$(drv get "$APP_TITLE" msctls_statusbar32:0 rect)" || fail "no status bar"
    echo "$((b - t))"
}

# A specified outer size "WxH" with the status bar's height added, which the window adds to it.
with_status_bar() { echo "${1%x*}x$((${1#*x} + $(status_bar_height)))"; }

# The layout of a window as a person sees it: no caption cut off by its control, no control
# outside its page or the window's client area, all tabs in view with room to spare, no text box
# covering the caption it stands in.
# layout_holds <title> <what> [dpi the program was told of]
layout_holds() {
    local title="$1" what="$2" dpi="${3:-}"
    drv clipped "$title" ${dpi:+10000 "$dpi"} || fail "captions cut off in $what"
    drv wait-painted "$title" 10000 || fail "\"$title\" did not finish painting"
    drv misplaced "$title" || fail "controls out of place in $what"
    echo "ok: no caption cut off, every control in place in $what"
}

# The shell's folder picker, worked from the keyboard as a person does. It opens with nothing
# chosen, where the arrow keys do nothing: typing "m" chooses "My Computer"; from there the arrow
# keys go to the folder (Right opens an item, Down and Up move among its children), and Enter
# accepts it. pick_folder <"(...)" number: 0 source, 1 destination> <folder on C:>
pick_folder() {
    local which="$1" folder="$2" path='Desktop > My Computer >  (C:)' rest name names
    rest="${folder#C:\\}"
    if [[ -n "$rest" ]]; then
        # shellcheck disable=SC1003,SC2141  # the folders of a Windows path
        IFS='\' read -r -a names <<<"$rest"
        for name in "${names[@]}"; do path="$path > $name"; done
    fi
    open_picker "$which"
    tree_go "$path"
    # Enter in the tree presses the picker's default button, OK.
    drv key "$BROWSE_TITLE" "$BROWSE_TREE" return
    drv wait-gone "$BROWSE_TITLE" 5000 || fail "the picker stays open after Enter"
}

# Opens the picker of a "(...)" button and chooses "My Computer" in it.
open_picker() {
    drv click "$APP_TITLE" "Button#$1=(...)"
    drv wait-window "$BROWSE_TITLE" 20000 || fail "no folder picker"
    drv type "$BROWSE_TITLE" "$BROWSE_TREE" m
}

# Goes to an item of the picker's tree ("Desktop > My Computer > ...") with the arrow keys.
tree_go() {
    drv tree-choose "$BROWSE_TITLE" "$BROWSE_TREE" "$1" 10000 || fail "the picker does not reach $1"
    expect_out "picker at $1" "$1" tree-path "$BROWSE_TITLE" "$BROWSE_TREE"
}
