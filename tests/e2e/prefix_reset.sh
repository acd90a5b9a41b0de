#!/usr/bin/env bash
# What every scenario starts from, whatever the one before it left: a scenario that ends without
# cleaning up (killed, as ctest kills one that passes its time) leaves the program running, the
# prefix at another DPI with other fonts, colours, handlers and tools, and files in its folders;
# the reset that every scenario runs first (reset_prefix, lib.sh) ends the program and the driver,
# puts every key back exactly as the prefix was made (saved again and compared byte for byte with
# prefix-state.txt) and removes the folders. The next program starts at 96 DPI with its size.
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
# shellcheck source=tests/e2e/window_lib.sh
. "$E2E_SRC/window_lib.sh"

STATE="$E2E_DIR/prefix-state.txt"
mapfile -t KEYS < <(awk -F'\t' '$1 == "root" { print $2 }' "$STATE")
((${#KEYS[@]} > 0)) || fail "no keys in $STATE"

# The keys as they are now, saved the way the prefix's were, against the prefix's.
keys_as_made() {
    drv reg-save "$(winpath "$SCRATCH/now.txt")" "${KEYS[@]}" || fail "cannot save the keys"
    cmp -s "$STATE" "$SCRATCH/now.txt"
}
keys_as_made || fail "the keys differ from the prefix's before anything was changed"
echo "ok: the ${#KEYS[@]} keys are as the prefix was made"

# What a scenario killed half-way leaves.
set_log_pixels 144
reg_set 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' 'MS Shell Dlg 2' 'DejaVu Sans'
reg_set 'HKCU\Control Panel\Colors' Window '0 0 0'
reg_set 'HKCU\Control Panel\Accessibility\HighContrast' Flags 127
reg_set 'HKCR\mailto\shell\open\command' '' 'C:\zkv\elsewhere.exe "%1"'
reg_set 'HKLM\SOFTWARE\Microsoft\Shared Tools Location' MSINFO 'C:\zkv\sysinfo'
reg_delete_key 'HKCU\Software\Wine\X11 Driver'
start_window_app
left_pid="$APP_PID"
read -r w h <<<"$(window_size | tr x ' ')"
((w >= 573 && h >= 750 + $(status_bar_height))) || fail "the program left running is ${w}x$h, not at 144 DPI"
mkdir -p "$(unix_path 'C:\zkvdata\left')"
keys_as_made && fail "the changes did not reach the keys"

reset_prefix >"$SCRATCH/reset.log"
cat "$SCRATCH/reset.log"
grep -q "ended a program left running: .*kvdriver.exe" "$SCRATCH/reset.log" || fail "the driver was not ended"
grep -q "ended a program left running: C:.zkv.window.ZentrovaKV.exe (pid $left_pid)" "$SCRATCH/reset.log" ||
    fail "the program was not ended"
expect_out "no main window" 0 exists "$APP_TITLE" .
keys_as_made || fail "the keys differ from the prefix's after the reset: $(diff "$STATE" "$SCRATCH/now.txt" | head)"
echo "ok: every key back as the prefix was made"
[[ ! -e "$(unix_path 'C:\zkvdata')" && ! -e "$(unix_path 'C:\zkv')" ]] || fail "the scenarios' folders are still there"
echo "ok: the folders are gone"

STARTED_PIDS=()
start_window_app
assert_eq "the next program at 96 DPI" "$(with_status_bar 382x500)" "$(window_size)"
end_app
