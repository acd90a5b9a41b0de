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
back) ;;
*) fail "usage: window_dpi_change.sh pages <first> <last> | back" ;;
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

start_window_app
# Two pages made at 96 DPI before the change, the others after it.
goto_tab 1
holds "Copy Options 1 in front" 'Button=Copy Data.' seen 1
drv dpi-change "$APP_TITLE" 96 144
assert_eq "window size after a change to 144 DPI, with its status bar" "$(with_status_bar 573x750)" "$(window_size)"

if [[ "$part" == pages ]]; then
    for ((i = $2; i <= $3; i++)); do
        IFS='|' read -r tab steps name probe <<<"${PAGES[i]}"
        show_page "$tab" "$steps" "$probe" seen
        pages_on_display "$name at 144 DPI"
        layout_holds "$APP_TITLE" "$name at 144 DPI" 144
    done
    if (($2 <= 1 && $3 >= 1)); then
        show_page 1 0 'Button=Copy Data.' seen
        drv wait-painted "$APP_TITLE" 10000 || true
        screenshot "$APP_TITLE" dpi-change-copy-options-1-144dpi
    fi
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
screenshot "$ABOUT_TITLE" dpi-change-about-144dpi
drv close "$ABOUT_TITLE"
drv wait-gone "$ABOUT_TITLE" 5000 || fail "the About box stays open"

# Back: the specified size and every page on the display area again.
drv dpi-change "$APP_TITLE" 144 96
assert_eq "window size back at 96 DPI, with its status bar" "$(with_status_bar 382x500)" "$(window_size)"
show_page 2 1 'Static=Exclude the Following File Names/Wildcards/Paths.' seen
pages_on_display "back at 96 DPI"
layout_holds "$APP_TITLE" "back at 96 DPI" 96
end_app
