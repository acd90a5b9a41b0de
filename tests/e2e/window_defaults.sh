#!/usr/bin/env bash
# Start-up beside the engine: every page shows the state every run starts from.
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
# shellcheck source=tests/e2e/window_lib.sh
. "$E2E_SRC/window_lib.sh"

GREY=C0C0C0
BLANK_HOURS='  :   -   :  '
TODAY="$(date +%F)"

start_window_app

# General, in front from the start. The first Edit in child order is that of the page in front.
holds "General page in front" SysTabControl32:0 tab 0 'Button=General' visible 1 \
    'Static=Source Path' seen 1 Edit:0 seen 1 'Button#0=(...)' seen 1 \
    'Static=Destination Path' seen 1 Edit:1 seen 1 'Button#1=(...)' seen 1 "$MATCH_DEST" seen 1
holds "General defaults" Edit:0 text '' Edit:1 text '' "$MATCH_DEST" check 1
step_buttons "General" 0
holds "the window's own buttons" 'Button=&Copy' seen 1 'Button=&Quit' seen 1 \
    'Button=&Copy' enabled 1 'Button=&Quit' enabled 1

# Copy Options 1: txtDirLev, mskEdRunHours and txtIpg are its Edits in that order.
goto_tab 1
holds "Copy Options 1 defaults" 'Button=Copy Options 1' visible 1 \
    'Button=Copy Non-Empty Sub-Directories' check 0 'Button=Copy All Sub-Directories' check 1 \
    'Button=Copy Only the Top               Directory Levels' check 0 \
    Edit:0 enabled 0 Edit:0 text '' \
    'Button=Copy Files in Restartable Mode' check 0 'Button=Copy Files in Backup Mode' check 0 \
    'Button=Use Restartable Mode. If ACCESS DENIED Use Backup Mode' check 1 \
    'Button=Copy Data.' check 1 'Button=Copy NTFS Security ACLs.' check 0 \
    'Button=Copy Attributes.' check 1 'Button=Copy Ownership.' check 0 \
    'Button=Copy Timestamps.' check 1 'Button=Copy Auditing.' check 0 \
    'Button=Run Hours' check 0 Edit:1 text "$BLANK_HOURS" Edit:1 pixel:5,10 "$GREY" \
    'Button=Check run hours on a Per File (not per pass) basis.' check 0 \
    'Button=Inter-Packet Gap                 (ms), to free bandwidth on slow lines.' check 0 \
    Edit:2 enabled 0 Edit:2 text '' Edit:2 pixel:5,10 "$GREY"
step_buttons "Copy Options 1" 1 0 1

# Copy Options 2: txtMon and txtMot are its Edits.
step_next
holds "Copy Options 2 defaults" 'Button=Copy Options 2' visible 1 \
    'Button=Copy Security Info' check 0 \
    'Button=Copy All File Info. (Equivilant to /COPY:DATSOU.)' check 0 \
    'Button=Copy No File Info. (Useful with /PURGE.)' check 0 \
    'Button=Delete Dirs in Dest. that no longer Exist in Source' check 0 \
    'Button=Mirror a Directory Tree ' check 0 \
    'Button=Run again when more than                 changes seen.' check 0 \
    Edit:0 enabled 0 Edit:0 text '' Edit:0 pixel:5,10 "$GREY" \
    'Button=Run again after                 minutes time.' check 0 \
    Edit:1 enabled 0 Edit:1 text '' Edit:1 pixel:5,10 "$GREY" \
    'Button=Move Files (Delete From Source)' check 0 \
    'Button=Move Files and Folders (Delete From Source)' check 0 \
    'Button=CREATE directory tree and zero-length files only.' check 0 \
    'Button=Create destination files using 8.3 FAT file names only.' check 0 \
    'Button=Assume FAT File Times (2-second granularity).' check 0 \
    'Button=Turn off very long path (> 256 characters) support.' check 0

# Copy Options 3 and File Selection Options 1: "None" in every row. The page in front comes
# first in child order, so its rows are the first of each caption.
none_rows() {
    local first="$1" second="$2" rows="$3" i checks=()
    for ((i = 0; i < rows; i++)); do
        checks+=("Button#$i=$first" check 0 "Button#$i=$second" check 0 "Button#$i=None" check 1)
    done
    holds "$4" "${checks[@]}"
}
step_next
holds "Copy Options 3 in front" 'Button=Copy Options 3' visible 1 \
    'Static=Add/Remove Attributes from Copied Files.' seen 1
none_rows Add Remove 6 "Copy Options 3: None in all six rows"

goto_tab 2
holds "File Selection Options 1 in front" 'Button=File Selection Options 1' visible 1 \
    'Static=Include/Exclude Files Based on Attributes.' seen 1
none_rows Include Exclude 9 "File Selection Options 1: None in all nine rows"

step_next
holds "File Selection Options 2 defaults" 'Button=File Selection Options 2' visible 1 \
    'Button=Copy only files with the Archive attribute set.' check 0 \
    'Button=Copy only files with the Archive attribute and reset it.' check 0 \
    Edit:0 text '' Edit:0 enabled 1 Edit:1 text '' Edit:1 enabled 1 \
    'Button=Exclude Changed Files' check 0 'Button=Exclude Older Files' check 0 \
    'Button=Exclude Newer Files' check 0 'Button=None of the Above.' check 1 \
    'Button=Exclude Extra Files and Directories' check 0 \
    'Button=Exclude Lonely Files and Directories' check 0 'Button=None of the Above' check 1 \
    'Button=Include Same files.' check 0 'Button=Include Tweaked files.' check 0

# The date page: the first of the four stacked calendars and Enable boxes only.
step_next
holds "date page defaults" \
    'Button=MAXimum file AGE - exclude files older than n days/date.' visible 1 \
    'Button=<<<' enabled 0 'Button=>>>' enabled 1 'Button=<<<' seen 1 'Button=>>>' seen 1 \
    SysMonthCal32:0 seen 1 SysMonthCal32:1 visible 0 SysMonthCal32:2 visible 0 SysMonthCal32:3 visible 0 \
    SysMonthCal32:0 date "$TODAY" SysMonthCal32:1 date "$TODAY" \
    SysMonthCal32:2 date "$TODAY" SysMonthCal32:3 date "$TODAY" \
    'Button#0=Enable This Setting' seen 1 'Button#0=Enable This Setting' enabled 1 \
    'Button#0=Enable This Setting' check 0 \
    'Button#1=Enable This Setting' visible 0 'Button#1=Enable This Setting' enabled 0 \
    'Button#2=Enable This Setting' visible 0 'Button#2=Enable This Setting' enabled 0 \
    'Button#3=Enable This Setting' visible 0 'Button#3=Enable This Setting' enabled 0

step_next
holds "File Selection Options 4 defaults" 'Button=File Selection Options 4' visible 1 \
    'Button=Copy Only Files With Archive Attribute Set.' check 0 \
    'Button=Copy Only Files With Archive Attribute Set and Reset Archive Bit on Source.' check 0 \
    'Button=Ignore Archive Attribute.' check 1 \
    'Button=Minimum File Size (Bytes)' check 0 Edit:0 text '' \
    'Button=Maximum File Size (Bytes)' check 0 Edit:1 text '' \
    'Button=Exclude Junction points. (normally included by default).' check 0

# Retry: the labels are, in order, text, value, text, value.
goto_tab 3
holds "Retry defaults" 'Button=Retry Options' visible 1 \
    Static:0 text 'Retries on Failed Copy' Static:1 text 0 msctls_trackbar32:0 pos 0 \
    msctls_trackbar32:0 range '0 30' \
    Static:2 text 'Seconds Between Retries' Static:3 text 0 msctls_trackbar32:1 pos 0 \
    msctls_trackbar32:1 range '0 30' \
    'Button=Save As Default' check 0 'Button=Wait for sharenames To Be Defined (retry error 67).' check 0
step_buttons "Retry" 0

goto_tab 4
holds "Logging defaults" 'Button=Logging Options' visible 1 \
    "Button=Don't Display % Copied" check 0 \
    'Button=Show "Estimated Time of Arrival on Copied Files' check 0 \
    'Button=Log File' visible 1 Edit:0 text '' 'Button=Browse' seen 1 \
    'Button=Append Log File' check 0 'Button=Overwrite Log File' check 0 \
    'Button=Output to console window, as well as the log file.' check 0 \
    "Button=List only - don't copy, timestamp or delete any files" check 0 \
    'Button=Report all eXtra files, not just those selected.' check 0 \
    'Button=Produce Verbose output, showing skipped files.' check 0 \
    'Button=Include source file Time Stamps in the output.' check 0 \
    'Button=Include Full Pathname of files in the output.' check 0 \
    'Button=No Job Header.' check 0 'Button=No Job Summary.' check 0
step_buttons "Logging" 0

goto_tab 5
holds "Job page" 'Button=Job' visible 1 'Button=Save Job as Batch or Cmd File' visible 1 \
    'Button=Save' seen 1
step_buttons "Job" 0
