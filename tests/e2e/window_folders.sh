#!/usr/bin/env bash
# The two "(...)" buttons open the shell's folder picker, worked from the keyboard, owned by the
# main window, which cannot be used while it is open. The source box gets the folder with a final
# backslash, however long its path; the destination box the folder followed by the source's last
# folder name while "Match Destination Folder to Source Folder" is checked; a cancelled picker
# changes nothing.
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
# shellcheck source=tests/e2e/window_lib.sh
. "$E2E_SRC/window_lib.sh"

# A folder whose path is longer than MAX_PATH (260): five names of 60 characters.
LONG_NAME="$(printf 'long%.0s' {1..15})"
LONG='C:\zkvdata'
for _ in 1 2 3 4 5; do LONG="$LONG\\$LONG_NAME"; done
mkdir -p "$(unix_path 'C:\zkvdata\Photos')" "$(unix_path 'C:\zkvdata\Music')" "$(unix_path "$LONG")"
start_window_app

# A choice that an activation of the window would put back: the picker closing is none.
NON_EMPTY='Button=Copy Non-Empty Sub-Directories'
goto_tab 1
drv click "$APP_TITLE" "$NON_EMPTY"
goto_tab 0
holds "General in front, Copy Non-Empty Sub-Directories chosen" "$MATCH_DEST" seen 1 "$NON_EMPTY" check 1

SRC=Edit:0
DST=Edit:1

# button (0 source, 1 destination) | folder picked | box | box text afterwards | before the pick
# (a drive root gets no second backslash)
cases=(
    '0|C:\zkvdata\Photos|source|C:\zkvdata\Photos\|'
    '1|C:\zkvdata\Music|destination|C:\zkvdata\Music\Photos\|'
    '1|C:\|destination|C:\Photos\|'
    '1|C:\zkvdata\Music|destination|C:\zkvdata\Music\|uncheck match'
    "0|$LONG|source|$LONG\\|"
)
for row in "${cases[@]}"; do
    IFS='|' read -r which folder box expected before <<<"$row"
    echo "case: pick $folder for the $box${before:+ ($before)}"
    if [[ "$before" == 'uncheck match' ]]; then
        drv click "$APP_TITLE" "$MATCH_DEST"
        holds "match unchecked" "$MATCH_DEST" check 0
    fi
    pick_folder "$which" "$folder"
    [[ "$box" == source ]] && sel="$SRC" || sel="$DST"
    expect_out "$box box" "$expected" get-text "$APP_TITLE" "$sel"
done

# C: chosen in the picker, then cancelled: by Esc in the tree, and by the Cancel button.
# Neither box changes.
src="$(drv get-text "$APP_TITLE" "$SRC")"
dst="$(drv get-text "$APP_TITLE" "$DST")"
for which in 0 1; do
    open_picker "$which"
    # Modal to the main window; no title of the program's own; only file-system folders can be taken.
    expect_out "the picker's owner" "$APP_TITLE" get "$BROWSE_TITLE" . owner
    expect_out "the main window usable while the picker is open" 0 get "$APP_TITLE" . enabled
    holds_in "$BROWSE_TITLE" "picker without a title, OK disabled on My Computer" Static:0 text '' \
        Button=OK enabled 0
    tree_go 'Desktop > My Computer >  (C:)'
    holds_in "$BROWSE_TITLE" "OK enabled on C:" Button=OK enabled 1
    if [[ "$which" == 0 ]]; then
        drv key "$BROWSE_TITLE" "$BROWSE_TREE" escape
    else
        drv click "$BROWSE_TITLE" Button=Cancel
    fi
    drv wait-gone "$BROWSE_TITLE" 5000 || fail "the picker stays open after cancelling"
    expect_out "the main window usable again" 1 get "$APP_TITLE" . enabled
    expect_out "source box after a cancelled pick" "$src" get-text "$APP_TITLE" "$SRC"
    expect_out "destination box after a cancelled pick" "$dst" get-text "$APP_TITLE" "$DST"
done
holds "no activation after the pickers: Copy Non-Empty Sub-Directories still chosen" "$NON_EMPTY" check 1 \
    'Button=Copy All Sub-Directories' check 0
