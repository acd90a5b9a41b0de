#!/usr/bin/env bash
# The date limits: "Enable This Setting" puts the calendar's date (today, at start) into the
# command line as YYYYMMDD; a date picked afterwards is taken only at the next check; ">>>"
# shows the next limit, whose box adds its own switch beside the first.
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
# shellcheck source=tests/e2e/options_lib.sh
. "$E2E_SRC/options_lib.sh"

# The program takes today's date at start; a run across midnight may see either day.
day_before="$(today_ymd)"
start_with_folders 'C:\zkv\options' 'C:\zkv\records\options_date_limits.txt'
show_page 2 2 'Button=MAXimum file AGE - exclude files older than n days/date.'
day_after="$(today_ymd)"

calendar_day() {  # the calendar's selected date as YYYYMMDD
    local d
    d="$(drv get "$APP_TITLE" "$1" date)" || fail "cannot read the date of $1"
    echo "${d//-/}"
}

max_cal='SysMonthCal32:0'  # calMaxAge, calMinAge, calMaxLad, calMinLad in that order
min_cal='SysMonthCal32:1'
max_box='Button#0=Enable This Setting'
min_box='Button#1=Enable This Setting'
day="$(calendar_day "$max_cal")"
[[ "$day" == "$day_before" || "$day" == "$day_after" ]] ||
    fail "the calendar shows $day, not today ($day_before)"
echo "ok: the calendar shows today, $day"
expect_out "the second limit is not shown" 0 get "$APP_TITLE" "$min_box" visible
expect_out "<<< on the first limit" 0 get "$APP_TITLE" 'Button=<<<' enabled

tick "$max_box" 1
expect_command "maximum age" " /E /ZB /COPY:DAT /MAXAGE:$day /R:0 /W:0"

# The next month, picked with the calendar's own arrow (top right): the selection moves with it.
rect="$(drv get "$APP_TITLE" "$max_cal" rect)"
read -r l t r b <<<"$rect"
real_click "$APP_TITLE" "$max_cal" "$((r - l - 14))" 8
later=''
for ((i = 0; i < 100; i++)); do
    later="$(calendar_day "$max_cal")"
    [[ "$later" != "$day" ]] && break
done
[[ "$later" != "$day" ]] || fail "the calendar's arrow did not move the selection"
month="$(date -d "${day:0:6}01 +1 month" +%Y%m)"
[[ "${later:0:6}" == "$month" ]] || fail "the arrow selected $later, not a day in $month"
echo "ok: $later picked"
expect_command "a date picked after checking is not taken" " /E /ZB /COPY:DAT /MAXAGE:$day /R:0 /W:0"
tick "$max_box" 0
tick "$max_box" 1
expect_command "checked again: the picked date" " /E /ZB /COPY:DAT /MAXAGE:$later /R:0 /W:0"

# ">>>": the minimum age, with both step buttons usable.
real_click "$APP_TITLE" 'Button=>>>'
drv expect "$APP_TITLE" 'Button=MINimum file AGE - exclude files newer than n days/date.' visible 1 5000 ||
    fail "the minimum age page is not shown"
expect_out "the first box hidden" 0 get "$APP_TITLE" "$max_box" visible
expect_out "the second calendar shown" 1 get "$APP_TITLE" "$min_cal" visible
expect_out "<<< usable" 1 get "$APP_TITLE" 'Button=<<<' enabled
expect_out ">>> usable" 1 get "$APP_TITLE" 'Button=>>>' enabled
min_day="$(calendar_day "$min_cal")"
[[ "$min_day" == "$day" ]] || fail "the minimum age calendar shows $min_day, not today ($day)"
tick "$min_box" 1
expect_command "both age limits" " /E /ZB /COPY:DAT /MAXAGE:$later /MINAGE:$day /R:0 /W:0"
quit_app
