#!/usr/bin/env bash
# The administrator's copy. With a program whose token is not elevated (a stand-in for the
# system's answer, elevation_hook.dll, loaded into it: Wine starts everything elevated), a command
# in the default backup mode (/ZB) starts the engine through the shell's "runas" verb, with the
# same arguments and show state as a plain start; a declined consent prompt (stood in for too)
# starts nothing and says so; and a command without /B, /ZB or copy flag U starts the engine as
# before, without asking.
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
# shellcheck source=tests/e2e/options_lib.sh
. "$E2E_SRC/options_lib.sh"

folder='C:\zkv\admin'
RUNAS_WIN='C:\zkv\records\runas.txt'
RUNAS_UNIX="$(unix_path "$RUNAS_WIN")"
export ZKV_RUNAS_RECORD="$RUNAS_WIN"
start_with_folders "$folder" 'C:\zkv\records\admin.txt'
drv inject "$APP_TITLE" "$(winpath "$WIN_BUILD/elevation_hook.dll")" || fail "cannot load elevation_hook.dll"

switches=(/E /ZB /COPY:DAT /R:0 /W:0)
parameters="\"C:\\Data\" \"D:\\Backup\" ${switches[*]}"

# Backup mode without an elevated token: through "runas", the same arguments, maximised.
expect_command "the default command" " ${switches[*]}" ok
drv wait-file "$RECORD_WIN" 20000 || fail "the engine was not started"
expect_file "asked for administrator rights" "$RUNAS_UNIX" \
    "verb=runas"$'\n'"file=$folder\robocopy.exe"$'\n'"parameters=$parameters"$'\n'"show=3"$'\n'
read_record
args="$(sed -n 's/^\(argc\|argv[0-9]*\|show\)=/&/p' <<<"$RECORD_TEXT")"
assert_eq "the engine's arguments and show state, as a plain start gives them" \
    "$(expected_record x "$folder\\robocopy.exe" 'C:\Data' 'D:\Backup' "${switches[@]}" | sed 1d)" "$args"

# The user declines the prompt: nothing starts, a message says so, the command stays.
rm -f "$RECORD_UNIX" "$RUNAS_UNIX"
: >"$RUNAS_UNIX.decline"
expect_command "the command before a declined prompt" " ${switches[*]}" ok
expect_out "the message after a declined prompt" \
    $'robocopy.exe was not given administrator rights, so nothing was started.\r\nThe backup mode (/B, /ZB) and copying auditing information (/COPY:...U) need them.' \
    msgbox "$APP_TITLE"
expect_out "its buttons and icon" "buttons=ok icon=exclamation" msgbox-info "$APP_TITLE"
drv msgbox-press "$APP_TITLE" ok
drv no-file "$RECORD_WIN" 1500 || fail "the engine was started after a declined prompt"
grep -q '^verb=runas$' "$RUNAS_UNIX" || fail "the declined start was not asked through runas"
echo "ok: nothing started after a declined prompt"
rm -f "$RUNAS_UNIX.decline" "$RUNAS_UNIX"

# Restartable mode needs no rights: started as before, nothing asked.
goto_tab 1
tick 'Button=Copy Files in Restartable Mode' 1
expect_command "restartable mode" " /E /Z /COPY:DAT /R:0 /W:0" ok
drv wait-file "$RECORD_WIN" 20000 || fail "the engine was not started in restartable mode"
[[ ! -e "$RUNAS_UNIX" ]] || fail "restartable mode asked for administrator rights: $(cat "$RUNAS_UNIX")"
echo "ok: restartable mode starts the engine without asking"
quit_app
