#!/usr/bin/env bash
# "&Quit" asks "Quit the Program?": No keeps the window and every option as they were, Yes ends
# the program.
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
# shellcheck source=tests/e2e/window_lib.sh
. "$E2E_SRC/window_lib.sh"

QUESTION='Close Zentrova'
NON_EMPTY='Button=Copy Non-Empty Sub-Directories'

start_window_app
drv set-text "$APP_TITLE" Edit:0 'C:\Data\'
drv set-text "$APP_TITLE" Edit:1 'D:\Backup\'
goto_tab 1
drv click "$APP_TITLE" "$NON_EMPTY"
drv click "$APP_TITLE" 'Button=Copy Attributes.'
holds "options changed" "$NON_EMPTY" check 1 'Button=Copy Attributes.' check 0

drv click "$APP_TITLE" 'Button=&Quit'
expect_out "question" 'Quit the Program?' msgbox "$QUESTION"
expect_out "question buttons and icon" 'buttons=yes,no icon=question' msgbox-info "$QUESTION"
drv msgbox-press "$QUESTION" no
holds "No: the window as it was" SysTabControl32:0 tab 1 'Button=Copy Data.' seen 1 \
    "$NON_EMPTY" check 1 'Button=Copy All Sub-Directories' check 0 'Button=Copy Attributes.' check 0 \
    'Button=&Quit' enabled 1
# The command line still carries the changed options and both folders.
drv click "$APP_TITLE" 'Button=&Copy'
expect_out "command after No" 'robocopy.exe "C:\Data" "D:\Backup" /S /ZB /COPY:DT /R:0 /W:0' msgbox 'Continue?'
drv msgbox-press 'Continue?' cancel

drv click "$APP_TITLE" 'Button=&Quit'
drv msgbox-press "$QUESTION" yes
drv wait-exit "$APP_PID" 10000 || fail "the program goes on after Yes"
echo "ok: Yes ended the program"
expect_out "no window afterwards" 0 exists "$APP_TITLE" .
