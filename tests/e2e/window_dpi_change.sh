#!/usr/bin/env bash
# A move to a monitor of another scale, as Windows tells it (WM_DPICHANGED with a suggested
# rectangle; Wine never sends it by itself, so the driver does): the window and the About box lay
# themselves out again. On every page the page covers exactly the tab strip's display area, the
# bottom row stays inside the window and every caption fits; back at 96 DPI the window has its
# specified size again. Screenshots: dpi-change-*.png.
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
# shellcheck source=tests/e2e/window_lib.sh
. "$E2E_SRC/window_lib.sh"

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
assert_eq "window size after a change to 144 DPI" 573x750 "$(window_size)"
for p in "${PAGES[@]}"; do
    IFS='|' read -r tab steps name probe <<<"$p"
    show_page "$tab" "$steps" "$probe" seen
    pages_on_display "$name at 144 DPI"
    layout_holds "$APP_TITLE" "$name at 144 DPI" 144
done
show_page 1 0 'Button=Copy Data.' seen
drv wait-painted "$APP_TITLE" 10000 || true
screenshot "$APP_TITLE" dpi-change-copy-options-1-144dpi

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
assert_eq "window size back at 96 DPI" 382x500 "$(window_size)"
show_page 2 1 'Static=Exclude the Following File Names/Wildcards/Paths.' seen
pages_on_display "back at 96 DPI"
layout_holds "$APP_TITLE" "back at 96 DPI" 96
end_app
