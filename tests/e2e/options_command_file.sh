#!/usr/bin/env bash
# The command-file export through the real save dialog: the exact bytes written (the
# confirmation's text and CR LF), ".cmd" added to a name typed without an extension, a "%" in a
# folder doubled for the command interpreter in a .cmd file but not in a .txt file, a
# second save replacing the first only once the system's question is answered Yes (No returns
# to the dialog and writes nothing), and a read-only file refused with a message and left as it was.
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
# shellcheck source=tests/e2e/options_lib.sh
. "$E2E_SRC/options_lib.sh"

# The source folder has a "%" in its name; the files are saved into it as well.
dir_win='C:\zkv\100%'
dir_unix="$(unix_path "$dir_win")"
rm -rf "$dir_unix"
mkdir -p "$dir_unix"
start_with_folders 'C:\zkv\options' 'C:\zkv\records\options_command_file.txt' "$dir_win\\" 'D:\Backup\'
show_page 5 0 'Button=Job'

switches=' /E /ZB /COPY:DAT /R:0 /W:0'
doubled="robocopy.exe \"C:\\zkv\\100%%\" \"D:\\Backup\"$switches"$'\r\n'
single="robocopy.exe \"C:\\zkv\\100%\" \"D:\\Backup\"$switches"$'\r\n'

# name typed | file written | its bytes
cases=(
    "$dir_win\\job.cmd|job.cmd|$doubled"
    "$dir_win\\noext|noext.cmd|$doubled"
    "$dir_win\\job.txt|job.txt|$single"
)
for row in "${cases[@]}"; do
    IFS='|' read -r typed file bytes <<<"$row"
    bytes+=$'\n'  # read stops at the line feed
    echo "case: $typed"
    save_as "$typed"
    expect_file "bytes of $file" "$dir_unix/$file" "$bytes"
done
assert_eq "files in the folder" $'job.cmd\njob.txt\nnoext.cmd' "$(LC_ALL=C ls "$dir_unix")"

# Saving over a file asks first; No returns to the dialog and writes nothing, and neither does
# a Cancel there.
drv set-text "$APP_TITLE" "$DST_BOX" 'D:\Other\'
cp "$dir_unix/job.cmd" "$SCRATCH/before.cmd"
save_as "$dir_win\\job.cmd" no
drv expect 'Save As' 'Edit@1148' text "$dir_win\\job.cmd" 5000 || fail "No did not return to the dialog"
echo "ok: No returned to the dialog"
drv click 'Save As' 'Button=Cancel'
drv wait-gone 'Save As' 10000 || fail "the save dialog stayed open after Cancel"
cmp "$SCRATCH/before.cmd" "$dir_unix/job.cmd" || fail "the file was changed after No"
echo "ok: the file is unchanged after No"

# Saving again to the same name, answered Yes, leaves only the new line.
save_as "$dir_win\\job.cmd" yes
expect_file "bytes after the second save" "$dir_unix/job.cmd" \
    "robocopy.exe \"C:\\zkv\\100%%\" \"D:\\Other\"$switches"$'\r\n'

# A read-only file: the message names it, and the file keeps every byte.
run_closed timeout 60 wine attrib +r "$dir_win\\job.cmd" >"$SCRATCH/attrib" 2>&1 </dev/null ||
    fail "wine attrib +r failed: $(cat "$SCRATCH/attrib")"
[[ "$(stat -c %A "$dir_unix/job.cmd")" == -r--r--r-- ]] || fail "attrib +r did not make the file read-only"
cp "$dir_unix/job.cmd" "$SCRATCH/before.cmd"
drv set-text "$APP_TITLE" "$DST_BOX" 'D:\Third\'
save_as "$dir_win\\job.cmd" yes
drv_get msgbox "$APP_TITLE"
IFS=$'\n' read -r -d '' line1 line2 reason <<<"${OUT//$'\r\n'/$'\n'}" || true
assert_eq "refusal, first line" 'The command file could not be saved:' "$line1"
assert_eq "refusal, the file named" "$dir_win\\job.cmd" "$line2"
[[ -n "${reason//$'\n'/}" ]] || fail "the refusal gives no reason"
echo "ok: the reason given: ${reason%$'\n'}"
expect_out "refusal buttons and icon" 'buttons=ok icon=critical' msgbox-info "$APP_TITLE"
drv msgbox-press "$APP_TITLE" ok
cmp "$SCRATCH/before.cmd" "$dir_unix/job.cmd" || fail "the read-only file was changed"
echo "ok: the read-only file is unchanged"
assert_eq "nothing left beside it" $'job.cmd\njob.txt\nnoext.cmd' "$(LC_ALL=C ls "$dir_unix")"
chmod u+w "$dir_unix/job.cmd"
quit_app
