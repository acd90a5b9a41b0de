#!/usr/bin/env bash
# Copy presses that must start nothing: an empty source or destination box (error, then the focus
# on the empty box), and a confirmation answered with Cancel or closed with Escape.
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

folder='C:\zkv\app'
lay_app "$folder"
use_record 'C:\zkv\records\copy_refused.txt'
start_app "$folder"

# source | destination | box title | box text | buttons and icon | answer | focus afterwards
cases=(
    '||Error|Please select a source directory|buttons=ok icon=none|ok|Edit:0'
    '|D:\Backup\|Error|Please select a source directory|buttons=ok icon=none|ok|Edit:0'
    'C:\Data\||Error|Please select a destination directory|buttons=ok icon=none|ok|Edit:1'
    'C:\Data\|D:\Backup\|Continue?|robocopy.exe "C:\Data" "D:\Backup" /E /ZB /COPY:DAT /R:0 /W:0|buttons=ok,cancel icon=question|cancel|'
    'C:\Data\|D:\Backup\|Continue?|robocopy.exe "C:\Data" "D:\Backup" /E /ZB /COPY:DAT /R:0 /W:0|buttons=ok,cancel icon=question|escape|'
)

for row in "${cases[@]}"; do
    IFS='|' read -r src dst title text info answer focus <<<"$row"
    echo "case: source '$src', destination '$dst', answer $answer"
    drv set-text "$APP_TITLE" Edit:0 "$src"
    drv set-text "$APP_TITLE" Edit:1 "$dst"
    drv click "$APP_TITLE" 'Button=&Copy'
    expect_out "box text" "$text" msgbox "$title"
    expect_out "box buttons and icon" "$info" msgbox-info "$title"
    if [[ -n "$focus" ]]; then
        # While the box is up the focus is in the box, so the program must move it afterwards.
        before="$(drv focus-of "$APP_TITLE")"
        [[ "$before" != "$focus" ]] || fail "the focus is already on $focus while the box is open"
    fi
    if [[ "$answer" == escape ]]; then
        drv key "$title" . escape
        drv wait-gone "$title" 5000
    else
        drv msgbox-press "$title" "$answer"
    fi
    [[ -z "$focus" ]] || drv wait-focus "$APP_TITLE" "$focus" 5000
    drv no-file "$RECORD_WIN" 1500 || fail "the engine was started"
    echo "ok: nothing started"
    # The boxes keep what was typed.
    expect_out "source box after the press" "$src" get-text "$APP_TITLE" Edit:0
    expect_out "destination box after the press" "$dst" get-text "$APP_TITLE" Edit:1
done
quit_app
