#!/usr/bin/env bash
# A move to a monitor of another scale, as Windows tells it (WM_DPICHANGED with a suggested
# rectangle; Wine never sends it by itself, so the driver does): the window and the About box lay
# themselves out again. In parts that run on their own; each starts the program at 96 DPI, brings
# Copy Options 1 to the front (so that two pages are made before the change and the others after
# it) and tells it of 144 DPI:
#   window_dpi_change.sh pages <first> <last>   on the pages PAGES[first..last] (window_lib.sh)
#       the page covers exactly the tab strip's display area, the bottom row stays inside the
#       window and every caption fits
#   window_dpi_change.sh back   every page shown, then the About box told of 144 DPI too, and
#       back at 96 DPI the window has its specified size again with every page on the display
#       area and every caption fitting
#   window_dpi_change.sh redraw   nothing of the old drawing stays: right after the change Copy
#       Options 1 and the About box look as in a program started at 144 DPI, and back at 96 DPI
#       Copy Options 1 looks as before the change
# Screenshots: dpi-change-*.png.
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
# shellcheck source=tests/e2e/window_lib.sh
. "$E2E_SRC/window_lib.sh"
part="${1:-}"
case "$part" in
pages) is_page_range "${2:-}" "${3:-}" ||
    fail "usage: window_dpi_change.sh pages <first> <last>, of the pages 0 to $((${#PAGES[@]} - 1))" ;;
back | redraw) ;;
*) fail "usage: window_dpi_change.sh pages <first> <last> | back | redraw" ;;
esac

# Every page window made so far covers exactly the tab strip's display area.
pages_on_display() {
    local what="$1" display i=0 rect
    display="$(drv get "$APP_TITLE" SysTabControl32:0 display)" || fail "no tab strip"
    while [[ "$(drv exists "$APP_TITLE" "ZentrovaKVPage:$i")" == 1 ]]; do
        rect="$(drv get "$APP_TITLE" "ZentrovaKVPage:$i" rect)"
        [[ "$rect" == "$display" ]] || fail "$what: page $i at $rect, the tab strip's display area at $display"
        i=$((i + 1))
    done
    ((i > 0)) || fail "$what: no page"
    echo "ok: $what: $i pages on the display area $display"
}

# shot <title> <name> [marks]: a screenshot, with what it shows of its window's client area,
# "x y w h" in the screenshot, and with "marks" the check boxes and option buttons shown there,
# "left,top,right,bottom" in the client area. The main window's status bar is left out: Wine draws
# the caption and menu bar at the system's DPI, so after a change the client area is taller than
# at a start there, and the status bar at its foot lower.
declare -A AREA MARKED
shot() {
    local title="$1" name="$2" l t cl ct cr cb bar=0 sel rest x y w h
    screenshot "$title" "$name"
    read -r l t _ <<<"$(drv get "$title" . rect)"
    read -r cl ct cr cb <<<"$(drv get "$title" . client)"
    [[ "$title" != "$APP_TITLE" ]] || bar="$(status_bar_height)"
    AREA[$name]="$((cl - l)) $((ct - t)) $((cr - cl)) $((cb - ct - bar))"
    MARKED[$name]=''
    [[ "${3:-}" == marks ]] || return 0
    drv list "$title" >"$SCRATCH/controls" || fail "cannot list the controls of \"$title\""
    while read -r sel rest; do
        [[ "$sel" == Button:* && "$rest" != *hidden* ]] || continue
        # BS_CHECKBOX, BS_AUTOCHECKBOX, BS_RADIOBUTTON, BS_3STATE, BS_AUTO3STATE, BS_AUTORADIOBUTTON
        [[ " 2 3 4 5 6 9 " == *" $(($(drv get "$title" "$sel" style) & 0xF)) "* ]] || continue
        [[ "$rest" =~ \[(-?[0-9]+),(-?[0-9]+)\ ([0-9]+)x([0-9]+)\] ]] || fail "no rectangle in: $sel $rest"
        x=$((BASH_REMATCH[1] - cl)) y=$((BASH_REMATCH[2] - ct)) w=${BASH_REMATCH[3]} h=${BASH_REMATCH[4]}
        MARKED[$name]+=" $x,$y,$((x + w - 1)),$((y + h - 1))"
    done <"$SCRATCH/controls"
}

# looks_alike <what> <screenshot> <reference screenshot>: the client areas of two screenshots by
# shot match pixel for pixel over the part both have, leaving out the check boxes and option
# buttons of either taken with "marks": Wine draws their marks at the system's DPI whatever the
# window's, and places their captions after the marks, so after a change of DPI they stay as drawn
# at the start. The difference is kept as <screenshot>-diff.png when there is one; returns 1 then.
looks_alike() {
    local what="$1" shot="$2" ref="$3" ax ay aw ah bx by bw bh size r x0 y0 x1 y1 draw=() differ
    read -r ax ay aw ah <<<"${AREA[$shot]}"
    read -r bx by bw bh <<<"${AREA[$ref]}"
    size="$((aw < bw ? aw : bw))x$((ah < bh ? ah : bh))"
    for r in ${MARKED[$shot]} ${MARKED[$ref]}; do
        IFS=, read -r x0 y0 x1 y1 <<<"$r"
        draw+=(-draw "rectangle $x0,$y0 $x1,$y1")
    done
    timeout 30 convert "$SCREENSHOTS/$shot.png" -crop "$size+$ax+$ay" +repage -fill black "${draw[@]}" \
        "$SCRATCH/a.png" || fail "convert failed for $shot.png"
    timeout 30 convert "$SCREENSHOTS/$ref.png" -crop "$size+$bx+$by" +repage -fill black "${draw[@]}" \
        "$SCRATCH/b.png" || fail "convert failed for $ref.png"
    differ="$(timeout 30 compare -metric AE "$SCRATCH/a.png" "$SCRATCH/b.png" "$SCREENSHOTS/$shot-diff.png" 2>&1)" ||
        true
    [[ "$differ" =~ ^[0-9]+$ ]] || fail "compare failed for $shot.png and $ref.png: $differ"
    if ((differ > 0)); then
        echo "FAIL: $what: $differ pixels of $size differ from $ref.png (see $shot-diff.png)" >&2
        return 1
    fi
    rm -f "$SCREENSHOTS/$shot-diff.png"
    echo "ok: $what: the client area ($size) as in $ref.png"
}

start_window_app
# Two pages made at 96 DPI before the change, the others after it.
goto_tab 1
holds "Copy Options 1 in front" 'Button=Copy Data.' seen 1
[[ "$part" != redraw ]] || shot "$APP_TITLE" dpi-change-copy-options-1-before
drv dpi-change "$APP_TITLE" 96 144
assert_eq "window size after a change to 144 DPI, with its status bar" "$(with_status_bar 573x750)" "$(window_size)"

if [[ "$part" == redraw ]]; then
    shot "$APP_TITLE" dpi-change-copy-options-1-144dpi marks
    drv dpi-change "$APP_TITLE" 144 96
    shot "$APP_TITLE" dpi-change-copy-options-1-back-96dpi
    drv menu "$APP_TITLE" a
    drv wait-window "$ABOUT_TITLE" 10000 || fail "no About box"
    drv dpi-change "$ABOUT_TITLE" 96 144
    shot "$ABOUT_TITLE" dpi-change-about-144dpi
    end_app
    # The same at the start at 144 DPI.
    set_log_pixels 144
    start_window_app
    goto_tab 1
    holds "Copy Options 1 in front at 144 DPI" 'Button=Copy Data.' seen 1
    shot "$APP_TITLE" dpi-change-reference-copy-options-1-144dpi marks
    drv menu "$APP_TITLE" a
    drv wait-window "$ABOUT_TITLE" 10000 || fail "no About box at 144 DPI"
    shot "$ABOUT_TITLE" dpi-change-reference-about-144dpi
    end_app
    # what | after the change | as a start there
    differing=0
    for c in 'Copy Options 1 at 144 DPI|copy-options-1-144dpi|reference-copy-options-1-144dpi' \
        'the About box at 144 DPI|about-144dpi|reference-about-144dpi' \
        'Copy Options 1 back at 96 DPI|copy-options-1-back-96dpi|copy-options-1-before'; do
        IFS='|' read -r what shot ref <<<"$c"
        looks_alike "$what" "dpi-change-$shot" "dpi-change-$ref" || differing=$((differing + 1))
    done
    ((differing == 0)) || fail "$differing of the windows after a change of DPI differ from a start at that DPI"
    exit 0
fi

if [[ "$part" == pages ]]; then
    for ((i = $2; i <= $3; i++)); do
        IFS='|' read -r tab steps name probe <<<"${PAGES[i]}"
        show_page "$tab" "$steps" "$probe" seen
        pages_on_display "$name at 144 DPI"
        layout_holds "$APP_TITLE" "$name at 144 DPI" 144
    done
    end_app
    exit 0
fi

# Every page made at 144 DPI before going back.
for p in "${PAGES[@]}"; do
    IFS='|' read -r tab steps name probe <<<"$p"
    show_page "$tab" "$steps" "$probe" seen
done
pages_on_display "every page at 144 DPI"

drv menu "$APP_TITLE" a
drv wait-window "$ABOUT_TITLE" 10000 || fail "no About box"
before="$(window_size "$ABOUT_TITLE")"
drv dpi-change "$ABOUT_TITLE" 96 144
after="$(window_size "$ABOUT_TITLE")"
[[ "$after" != "$before" ]] || fail "the About box kept its size $before at 144 DPI"
layout_holds "$ABOUT_TITLE" "the About box at 144 DPI" 144
drv close "$ABOUT_TITLE"
drv wait-gone "$ABOUT_TITLE" 5000 || fail "the About box stays open"

# Back: the specified size and every page on the display area again.
drv dpi-change "$APP_TITLE" 144 96
assert_eq "window size back at 96 DPI, with its status bar" "$(with_status_bar 382x500)" "$(window_size)"
show_page 2 1 'Static=Exclude the Following File Names/Wildcards/Paths.' seen
pages_on_display "back at 96 DPI"
layout_holds "$APP_TITLE" "back at 96 DPI" 96
end_app
