#!/usr/bin/env bash
# "&System Info..." in the About box starts the program the registry names (here the recording
# stand-in, in a normal window), or says "System Information Is Unavailable At This Time".
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
# shellcheck source=tests/e2e/window_lib.sh
. "$E2E_SRC/window_lib.sh"

PATH_KEY='HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO'
LOCATION_KEY='HKLM\SOFTWARE\Microsoft\Shared Tools Location'
UNAVAILABLE='System Information Is Unavailable At This Time'

# Neither key at first (the prefix's own are back before the next scenario, see reset_prefix).
reg_delete_key "$PATH_KEY"
reg_delete_key "$LOCATION_KEY"

# Stand-ins for the tool: one named directly, one as MSINFO32.EXE in a folder of its own.
TOOL='C:\zkv\sysinfo\tool.exe'
SPACED_TOOL='C:\zkv\sys info\tool.exe'
LOCATION='C:\zkv\sysinfo\shared'
EMPTY_LOCATION='C:\zkv\sysinfo\empty'
for f in "$TOOL" "$SPACED_TOOL" "$LOCATION\\MSINFO32.EXE"; do
    mkdir -p "$(dirname "$(unix_path "$f")")"
    cp -f "$STANDIN" "$(unix_path "$f")"
done
mkdir -p "$(unix_path "$EMPTY_LOCATION")"

use_record 'C:\zkv\records\sysinfo.txt'
start_window_app
drv menu "$APP_TITLE" a
drv wait-window "$ABOUT_TITLE" 10000 || fail "no About box"

# PATH value | MSINFO value (the folder of MSINFO32.EXE) | what starts (unavailable: the message)
# A PATH value is taken as it is, even when no file is there; the folder only when it has the file.
cases=(
    "$TOOL||$TOOL"
    "$SPACED_TOOL||$SPACED_TOOL"
    "|$LOCATION|$LOCATION\\MSINFO32.EXE"
    "|$EMPTY_LOCATION|unavailable"
    'C:\zkv\sysinfo\missing.exe|'"$LOCATION"'|unavailable'
    "||unavailable"
)
# set_value <key> <value name> <wanted text, empty: no key> <text it has now>
set_value() {
    [[ "$3" != "$4" ]] || return 0
    if [[ -n "$3" ]]; then
        reg_set "$1" "$2" "$3"
    else
        reg_delete_key "$1"
    fi
}
# press_expecting <what starts, or unavailable>
press_expecting() {
    local started="$1" cmdline expected
    rm -f "$RECORD_UNIX"
    drv click "$ABOUT_TITLE" 'Button=&System Info...'
    if [[ "$started" == unavailable ]]; then
        expect_out "message" "$UNAVAILABLE" msgbox "$APP_TITLE" 10000
        expect_out "message buttons and icon" "buttons=ok icon=none" msgbox-info "$APP_TITLE"
        drv msgbox-press "$APP_TITLE" ok
        drv no-file "$RECORD_WIN" 300 || fail "a program was started"
        echo "ok: nothing started"
    else
        drv wait-file "$RECORD_WIN" 20000 || fail "the tool was not started"
        # Started as the path itself (quoted when it has a space), in a normal window.
        cmdline="$started"
        [[ "$started" != *' '* ]] || cmdline="\"$started\""
        expected="$(printf 'cmdline=%s\nargc=1\nargv0=%s\nshow=1\n' "$cmdline" "$started"; printf x)"
        read_record
        assert_eq "tool start record" "${expected%x}" "$RECORD_TEXT"
    fi
    holds_in "$ABOUT_TITLE" "About box still open" 'Button=&System Info...' enabled 1
}

now_path=''
now_location=''
for row in "${cases[@]}"; do
    IFS='|' read -r path_value location started <<<"$row"
    echo "case: PATH '$path_value', MSINFO '$location'"
    # Only what differs from the case before is changed.
    set_value "$PATH_KEY" PATH "$path_value" "$now_path"
    set_value "$LOCATION_KEY" MSINFO "$location" "$now_location"
    now_path="$path_value"
    now_location="$location"
    press_expecting "$started"
done

# Values the system expands (REG_EXPAND_SZ) name the tool through the environment, and an empty
# PATH names nothing, so the folder is asked.
echo "case: PATH and MSINFO as %SystemDrive%... (REG_EXPAND_SZ)"
drv reg-set "$PATH_KEY" PATH expand_sz '%SystemDrive%\zkv\sysinfo\tool.exe' || fail "cannot set PATH"
press_expecting "$TOOL"
drv reg-set "$PATH_KEY" PATH sz '' || fail "cannot set PATH"
drv reg-set "$LOCATION_KEY" MSINFO expand_sz '%SystemDrive%\zkv\sysinfo\shared' || fail "cannot set MSINFO"
echo "case: PATH empty, MSINFO as %SystemDrive%... (REG_EXPAND_SZ)"
press_expecting "$LOCATION\\MSINFO32.EXE"
