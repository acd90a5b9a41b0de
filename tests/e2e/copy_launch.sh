#!/usr/bin/env bash
# Copy with the default options, confirmed with OK: what the confirmation shows, and exactly how
# the engine beside the program is started (command line, its split into arguments, show state).
# Usage: copy_launch.sh defaults|space|root|long
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

switches='/E /ZB /COPY:DAT /R:0 /W:0'
case "${1:-}" in
defaults)  # a plain program folder
    folder='C:\zkv\app'
    source='C:\Data\'
    display="robocopy.exe \"C:\\Data\" \"D:\\Backup\" $switches"
    cmdline="C:\\zkv\\app\\robocopy.exe \"C:\\Data\" \"D:\\Backup\" $switches"
    argv1='C:\Data'
    ;;
space)  # a program folder with spaces: the engine path must still reach the engine whole
    folder='C:\Program Files\Zentrova test'
    source='C:\Data\'
    display="robocopy.exe \"C:\\Data\" \"D:\\Backup\" $switches"
    cmdline="\"C:\\Program Files\\Zentrova test\\robocopy.exe\" \"C:\\Data\" \"D:\\Backup\" $switches"
    argv1='C:\Data'
    ;;
root)  # a drive root as source: the engine must receive E:\ itself
    folder='C:\zkv\app'
    source='E:\'
    display="robocopy.exe \"E:\\\\\" \"D:\\Backup\" $switches"
    cmdline="C:\\zkv\\app\\robocopy.exe \"E:\\\\\" \"D:\\Backup\" $switches"
    argv1='E:\'
    ;;
long)  # folders past 260 characters, the destination a UNC path: both must arrive whole
    folder='C:\zkv\app'
    part="$(printf 'folder%02d\\' $(seq 1 30))"  # 30 times 9 characters
    source="C:\\Data\\$part"
    destination="\\\\server\\share\\$part"
    ((${#source} > 260 && ${#destination} > 260)) || fail "the long paths are too short"
    display="robocopy.exe \"${source%\\}\" \"${destination%\\}\" $switches"
    cmdline="C:\\zkv\\app\\robocopy.exe \"${source%\\}\" \"${destination%\\}\" $switches"
    argv1="${source%\\}"
    argv2="${destination%\\}"
    # Unbroken by blanks, the text makes the box wider than the screen, where its icon cannot
    # be read; the other modes check the icon.
    icon_seen=0
    ;;
*)
    echo "usage: copy_launch.sh defaults|space|root|long" >&2
    exit 2
    ;;
esac

lay_app "$folder"
use_record 'C:\zkv\records\copy_launch.txt'
start_app "$folder"

drv set-text "$APP_TITLE" Edit:0 "$source"
drv set-text "$APP_TITLE" Edit:1 "${destination:-D:\\Backup\\}"
drv click "$APP_TITLE" 'Button=&Copy'
expect_out "confirmation text" "$display" msgbox 'Continue?'
if ((${icon_seen:-1})); then
    expect_out "confirmation buttons and icon" "buttons=ok,cancel icon=question" msgbox-info 'Continue?'
fi
drv msgbox-press 'Continue?' ok

drv wait-file "$RECORD_WIN" 20000 || fail "the engine was not started"
read -r -a words <<<"$switches"
expected="$(expected_record "$cmdline" "$folder\\robocopy.exe" "$argv1" "${argv2:-D:\\Backup}" "${words[@]}"; printf x)"
read_record
assert_eq "engine start record" "${expected%x}" "$RECORD_TEXT"

# The window stays usable while the engine runs.
drv expect "$APP_TITLE" 'Button=&Copy' enabled 1 5000
quit_app
