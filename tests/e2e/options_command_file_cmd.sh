#!/usr/bin/env bash
# A saved .cmd file runs exactly the command that was shown: for each row of typed values the
# job is saved through the real dialog, the file is run with the command interpreter (cmd.exe
# /c) in the folder that holds the stand-in engine, and the arguments the stand-in recorded
# must be those the Copy press (Continue?, OK) gave it, and those the row expects.
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
# shellcheck source=tests/e2e/options_lib.sh
. "$E2E_SRC/options_lib.sh"

folder='C:\zkv\cmdrun'
folder_unix="$(unix_path "$folder")"
rm -rf "$folder_unix"
start_with_folders "$folder" 'C:\zkv\records\cmdrun_launch.txt'
cmd_record='C:\zkv\records\cmdrun_cmd.txt'
cmd_record_unix="$(unix_path "$cmd_record")"

# Both list fields and the log name box are made once, then found by id.
show_page 2 1 'Button=File Selection Options 2'
files_box="Edit@$(id_after 'Static=Exclude the Following File Names/Wildcards/Paths.')"
dirs_box="Edit@$(id_after 'Static=Exclude the Following Directory Names/Paths')"
show_page 4 0 'Button=Logging Options'
log_box="Edit@$(id_after 'Button=Log File')"

n=0
# round_trip <source> <destination> <files> <dirs> <log name> -- <expected arguments after the engine>
round_trip() {
    local src="$1" dst="$2" files="$3" dirs="$4" log="$5" expected launch ran rc
    shift 6
    n=$((n + 1))
    echo "case $n: source '$src', destination '$dst', files '$files', folders '$dirs', log '$log'"
    drv set-text "$APP_TITLE" "$SRC_BOX" "$src"
    drv set-text "$APP_TITLE" "$DST_BOX" "$dst"
    show_page 2 1 'Button=File Selection Options 2'
    fill_list "$files_box" "$files"
    fill_list "$dirs_box" "$dirs"
    show_page 4 0 'Button=Logging Options'
    drv set-text "$APP_TITLE" "$log_box" "$log"
    drv click "$APP_TITLE" 'Button=Overwrite Log File'  # a mode click takes the name

    show_page 5 0 'Button=Job'
    save_as "$folder\\job$n.cmd"
    drv wait-file "$folder\\job$n.cmd" 10000 || fail "job$n.cmd was not written"
    echo "    job$n.cmd: $(cat "$folder_unix/job$n.cmd")"

    rm -f "$RECORD_UNIX"
    drv click "$APP_TITLE" 'Button=&Copy'
    drv_get msgbox 'Continue?'
    echo "    Continue?: $OUT"
    drv msgbox-press 'Continue?' ok
    drv wait-file "$RECORD_WIN" 20000 || fail "Copy did not start the engine"

    rm -f "$cmd_record_unix"
    rc=0
    (cd "$folder_unix" && ZKV_STANDIN_RECORD="$cmd_record" run_closed timeout 60 wine cmd.exe /c "job$n.cmd" \
        >"$SCRATCH/cmd.out" 2>&1 </dev/null) || rc=$?
    [[ -f "$cmd_record_unix" ]] || fail "cmd.exe did not start the engine: $(cat "$SCRATCH/cmd.out")"

    expected="$(expected_record x x "$@" | grep -E '^(argc|argv[1-9][0-9]*)=')"
    launch="$(arguments_of "$RECORD_UNIX")"
    ran="$(arguments_of "$cmd_record_unix")"
    sed 's/^/    recorded /' <<<"$ran"
    assert_eq "case $n: the arguments Copy gave" "$expected" "$launch"
    assert_eq "case $n: the arguments cmd.exe gave" "$launch" "$ran"
    # A second command on the line (what an unescaped "&" makes) would fail here, or run.
    ((rc == 0)) || fail "cmd.exe /c job$n.cmd ended with $rc: $(cat "$SCRATCH/cmd.out")"
}

head=(/E /ZB /COPY:DAT)
tail=(/R:0 /W:0)
round_trip 'C:\Data\' 'D:\Backup\' 'a&b.txt ^x.txt' '' '' -- \
    'C:\Data' 'D:\Backup' "${head[@]}" /XF 'a&b.txt' '^x.txt' "${tail[@]}"
round_trip 'C:\Data\' 'D:\Backup\' '"my & file.txt" x|y.txt' '<in> out>' '' -- \
    'C:\Data' 'D:\Backup' "${head[@]}" /XF 'my & file.txt' 'x|y.txt' /XD '<in>' 'out>' "${tail[@]}"
round_trip 'C:\Data\' 'D:\Backup\' '"50% <a|b>^.txt" 100%.txt %PATH%' '"c^d & e" f^^g %1' '' -- \
    'C:\Data' 'D:\Backup' "${head[@]}" /XF '50% <a|b>^.txt' '100%.txt' '%PATH%' /XD 'c^d & e' 'f^^g' '%1' \
    "${tail[@]}"
round_trip 'C:\zkv\src & 100%\' 'D:\Back&up %TEMP%\' '' '' '' -- \
    'C:\zkv\src & 100%' 'D:\Back&up %TEMP%' "${head[@]}" "${tail[@]}"
round_trip 'C:\Data\' 'D:\Backup\' '' '' 'C:\zkv\logs & runs\a&b.log' -- \
    'C:\Data' 'D:\Backup' "${head[@]}" "${tail[@]}" '/LOG:C:\zkv\logs & runs\a&b.log'
quit_app
