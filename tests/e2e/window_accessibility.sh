#!/usr/bin/env bash
# What a screen reader and a keyboard user get beyond what the window shows. On every page every
# shown edit box, slider and calendar has a name by the label rule (a box that stands in a check
# box's caption by a hidden label, which Wine's own oleacc reads too); each calendar carries its
# limit's name; the symbol buttons show tooltips in words; and the About box's mail link is reached
# by Tab, shows its focus only then, and opens with Enter and with Space as with a click.
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
# shellcheck source=tests/e2e/window_lib.sh
. "$E2E_SRC/window_lib.sh"

MAIL_KEY='HKCR\mailto\shell\open\command'
MAIL_LINK='mailto:support@zentrova.example?Subject=Regarding Zentrova.'

# names_hold <what>: every input of the page in front has a name; its lines are added to NAMES.
NAMES="$SCRATCH/all-names"
names_hold() {
    drv names "$APP_TITLE" >"$SCRATCH/names" || {
        cat "$SCRATCH/names"
        fail "an input on $1 has no name"
    }
    tee -a "$NAMES" <"$SCRATCH/names"
    echo "ok: every input on $1 has a name"
}

# named <name> [calendar text]: an input was found named so by the label rule, and by oleacc, which
# (in Wine) names a calendar by its own text.
named() {
    local line="\"$1\" msaa=\"${2:-$1}\"${2:+ text=\"$2\"}"
    grep -qF "$line" "$NAMES" || fail "no input named $line"
    echo "ok: an input named \"$1\"${2:+, its text \"$2\"}"
}

tooltip_is() { expect_out "tooltip of $2" "$3" tooltip "$APP_TITLE" "$1" 10000; }

# The mail link opens whatever the system runs for "mailto:": here the stand-in, which records
# what it was given. The prefix's own handler is back before the next scenario (reset_prefix).
reg_set "$MAIL_KEY" '' "\"$WINDOW_FOLDER\\robocopy.exe\" \"%1\""
# The program passes its environment, with the record's name, on to what it starts.
use_record 'C:\zkv\records\window_accessibility.txt'

start_window_app
for p in "${PAGES[@]}"; do
    IFS='|' read -r tab steps name probe <<<"$p"
    show_page "$tab" "$steps" "$probe" seen
    names_hold "$name"
    if [[ "$name" == date-limits ]]; then
        # The other three limits, one calendar each, stepped to with ">>>".
        for limit in 1 2 3; do
            drv click "$APP_TITLE" 'Button=>>>'
            holds "date limit $limit in front" "SysMonthCal32:$limit" visible 1
            names_hold "date limit $limit"
        done
    fi
done

named 'Source Path'
named 'Directory levels to copy'
named 'Run hours, from hh:mm to hh:mm'
named 'Inter-packet gap in milliseconds'
named 'Run again when more than n changes seen'
named 'Run again after n minutes'
named 'Minimum file size in bytes'
named 'Maximum file size in bytes'
# A calendar is named by its page's caption, which names the limit on show, and by its own text.
named 'MAXimum file AGE - exclude files older than n days/date.' 'Maximum file age date'
named 'MINimum file AGE - exclude files newer than n days/date.' 'Minimum file age date'
named 'MAXimum Last Access Date - exclude files unused since YYYYMMDD.' 'Maximum last access date'
named 'MINimum Last Access Date - exclude files used since YYYYMMDD.' 'Minimum last access date'

# Tooltips, each where its button can be pressed.
show_page 0 0 "$MATCH_DEST" seen
tooltip_is 'Button#0=(...)' 'the source "(...)"' 'Choose the source folder'
tooltip_is 'Button#1=(...)' 'the destination "(...)"' 'Choose the destination folder'
show_page 1 1 'Button=Copy Security Info' seen
tooltip_is 'Button=<' '"<"' 'Previous page'
tooltip_is 'Button=>' '">"' 'Next page'
# The date page keeps its limit: the last, where ">>>" is grey; "<<<" once makes both usable.
show_page 2 2 'Button=>>>' seen
drv click "$APP_TITLE" 'Button=<<<'
holds "date limit 2 in front" SysMonthCal32:2 visible 1 'Button=>>>' enabled 1
tooltip_is 'Button=<<<' '"<<<"' 'Previous date limit'
tooltip_is 'Button=>>>' '">>>"' 'Next date limit'


# The link as a person sees it, cut out of the screen.
link_shot() {
    local l t r b
    drv wait-painted "$ABOUT_TITLE" 5000 || fail "the About box does not finish painting"
    read -r l t r b <<<"$(drv get "$ABOUT_TITLE" Static:4 rect)"
    timeout 30 import -display "$DISPLAY" -window root -crop "$((r - l))x$((b - t))+$l+$t" +repage \
        "$SCRATCH/link-$1.png" || fail "import failed"
}
link_differs() { timeout 30 compare -metric AE "$SCRATCH/link-$1.png" "$SCRATCH/link-$2.png" null: 2>&1 || true; }

drv menu "$APP_TITLE" a
drv wait-window "$ABOUT_TITLE" 10000 || fail "no About box"
expect_out "focus in the About box" 'Button:0' focus-of "$ABOUT_TITLE"
link_shot plain
drv key "$ABOUT_TITLE" Button:0 tab
drv key "$ABOUT_TITLE" Button:1 tab
expect_out "Tab from OK and System Info reaches the mail link" 'Static:4' focus-of "$ABOUT_TITLE"
link_shot focused
pixels="$(link_differs plain focused)"
((pixels > 0)) || fail "the focused mail link looks as it did without the focus"
echo "ok: the focused mail link shows its focus ($pixels pixels)"
drv key "$ABOUT_TITLE" Static:4 tab
expect_out "Tab leaves the mail link for OK" 'Button:0' focus-of "$ABOUT_TITLE"
link_shot after
assert_eq "pixels of the mail link that differ once the focus has left" 0 "$(link_differs plain after)"
# The program a link opens takes the foreground, as a mail program does; so the keys go last.
drv key "$ABOUT_TITLE" Button:0 tab
drv key "$ABOUT_TITLE" Button:1 tab
for key in return space; do
    rm -f "$RECORD_UNIX"
    drv key "$ABOUT_TITLE" Static:4 "$key"
    drv wait-file "$RECORD_WIN" 10000 || fail "$key on the mail link opened nothing"
    read_record
    assert_eq "$key on the mail link opens it" "argv1=$MAIL_LINK" "$(grep '^argv1=' <<<"$RECORD_TEXT")"
    assert_eq "About boxes after $key on the link" 1 "$(count_windows "$ABOUT_TITLE")"
done
end_app
