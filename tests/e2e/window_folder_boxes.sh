#!/usr/bin/env bash
# shellcheck disable=SC1003  # Windows paths, ending in a backslash, in single quotes
# The source and destination boxes' conveniences. Dropping a folder from a file manager on either
# box puts it there with a final backslash, as the picker does, and the command line takes it as a
# typed folder; a file, two folders, or a drop beside the boxes change nothing. The drops come
# from outside Wine as a file manager's do (XDND, xdnd_drop.py), which Wine turns into
# WM_DROPFILES. The shell's folder-name completion is not loaded at start-up, only at the first
# key pressed in a box. (Wine's SHAutoComplete does nothing and returns S_FALSE, so no suggestion
# list can be seen here; on Windows the shell shows it.)
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
# shellcheck source=tests/e2e/window_lib.sh
. "$E2E_SRC/window_lib.sh"
# shellcheck source=tests/e2e/options_lib.sh
. "$E2E_SRC/options_lib.sh"

data="$(unix_path 'C:\zkvdata')"
mkdir -p "$data/Photos" "$data/Music"
: >"$data/photo.jpg"  # a file that is no job: a dropped job file opens (options_job_drop.sh)
use_record 'C:\zkv\records\folder_boxes.txt'
start_window_app
SRC=Edit:0
DST=Edit:1

# Whether the program has loaded a DLL: yes or no.
loaded() {
    drv modules "$APP_TITLE" >"$SCRATCH/modules" || fail "cannot list the program's modules"
    grep -qx "$1" "$SCRATCH/modules" && echo yes || echo no
}

assert_eq "folder completion not loaded at start-up" no "$(loaded shlwapi.dll)"
assert_eq "the shell not loaded at start-up" no "$(loaded shell32.dll)"
drv type "$APP_TITLE" "$SRC" 'C:\zkvd'
expect_out "typed into the source box" 'C:\zkvd' get-text "$APP_TITLE" "$SRC"
assert_eq "folder completion loaded at the first key in a box" yes "$(loaded shlwapi.dll)"

drop_on "$SRC" "$data/Photos"
drv expect "$APP_TITLE" "$SRC" text 'C:\zkvdata\Photos\' 5000 || fail "the dropped folder is not in the source box"
echo "ok: a folder dropped on the source box"
holds "match destination checked" "$MATCH_DEST" check 1
drop_on "$DST" "$data/Music"
# A drop is as typed: no last folder name of the source is added, unlike after the picker.
drv expect "$APP_TITLE" "$DST" text 'C:\zkvdata\Music\' 5000 || fail "the dropped folder is not in the destination box"
echo "ok: a folder dropped on the destination box, as typed"

# Drops that change nothing, each followed by a folder dropped on the source box: once that one
# shows, the one before it has been handled (a window takes its drops in order).
# what | where | what is dropped (under C:\zkvdata, blank-separated) | the folder dropped after it
cases=(
    "a file|$DST|photo.jpg|Music"
    "two folders|$DST|Photos Music|Photos"
    "a folder beside the boxes|$MATCH_DEST|Photos|Music"
)
for row in "${cases[@]}"; do
    IFS='|' read -r what where names after <<<"$row"
    paths=()
    for name in $names; do paths+=("$data/$name"); done
    drop_on "$where" "${paths[@]}"
    drop_on "$SRC" "$data/$after"
    drv expect "$APP_TITLE" "$SRC" text "C:\\zkvdata\\$after\\" 5000 || fail "the drop after $what was not taken"
    expect_out "destination after $what" 'C:\zkvdata\Music\' get-text "$APP_TITLE" "$DST"
done

# A drive's root folder keeps its one backslash, and the engine gets the root. (The destination
# goes to another drive first: one inside C:\ would be refused, as a copy into its own source.)
drv set-text "$APP_TITLE" "$DST" 'D:\Backup\' || fail "cannot fill the destination box"
drop_on "$SRC" "$(unix_path 'C:\')"
drv expect "$APP_TITLE" "$SRC" text 'C:\' 5000 || fail "the dropped drive root is not in the source box"
SRC_ARG='C:\\' DST_ARG='D:\Backup'
expect_command "the command line after the drops" ' /E /ZB /COPY:DAT /R:0 /W:0'
end_app
