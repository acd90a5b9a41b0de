#!/usr/bin/env bash
# Every tab and sub-page as a person steps through them, the "<" / ">" buttons on the way, one
# screenshot of each (build/screenshots/page-*.png, about.png), and the window, every page and
# the About box again at 120 and 144 DPI (page-*-120dpi.png, page-*-144dpi.png ...). Every
# screenshot is taken only once no caption in it is cut off, no control lies outside its page or
# the window, and all six tabs are in view. One DPI and font a run:
#   window_pages.sh [standard|wide] [96|120|144]
#     standard   the dialog font the layout was designed with (the default), at 96 DPI with the
#                steps through the pages
#     wide       a noticeably wider dialog font (page-*-wide.png, page-*-wide-120dpi.png ...)
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
# shellcheck source=tests/e2e/window_lib.sh
. "$E2E_SRC/window_lib.sh"
fonts="${1:-standard}"
dpi="${2:-96}"
# The specified outer size (5725 x 7500 twips) at each DPI.
declare -A SPECIFIED_SIZE=([96]=382x500 [120]=477x625 [144]=573x750)
[[ ("$fonts" == standard || "$fonts" == wide) && -n "${SPECIFIED_SIZE[$dpi]:-}" ]] ||
    fail "usage: window_pages.sh [standard|wide] [96|120|144]"
specified_size="${SPECIFIED_SIZE[$dpi]}"

# The prefix starts at 96 DPI with its standard fonts (reset_prefix).
[[ "$fonts" == standard ]] || set_fonts "$fonts"
((dpi == 96)) || set_log_pixels "$dpi"

# A screenshot of the window, checked to be of the window's size and drawn (a window that was
# not drawn shows as one or two flat colours), after checking its layout (window_lib.sh).
shot() {
    local title="$1" name="$2" size colours
    layout_holds "$title" "$name"
    screenshot "$title" "$name"
    read -r size colours < <(timeout 30 convert "$SHOT" -format '%wx%h %k\n' info:) || true
    assert_eq "$name.png size" "$SHOT_SIZE" "$size"
    ((colours > 8)) || fail "$name.png has only $colours colours: the window is not drawn"
}

# The window centred on the screen, the tab strip and the bottom row where their twips put them
# (each edge rounded to the nearest pixel) at the given DPI.
check_layout() {
    local dpi="$1" sw sh l t r b cx cy cr cb bar
    read -r sw sh < <(timeout 10 xwininfo -root -display "$DISPLAY" |
        awk '/Width:/{w=$2} /Height:/{h=$2} END{print w, h}')
    read -r l t r b <<<"$(drv get "$APP_TITLE" . rect)"
    assert_eq "window centred on the screen at $dpi DPI" \
        "$(((sw - (r - l)) / 2)) $(((sh - (b - t)) / 2))" "$l $t"
    read -r cx cy cr cb <<<"$(drv get "$APP_TITLE" . client)"
    px() { echo $((($1 * dpi + 720) / 1440)); }
    # twips_rect <left> <top> <width> <height>: the screen rectangle "l t r b" inside the client area
    twips_rect() {
        echo "$((cx + $(px "$1"))) $((cy + $(px "$2"))) $((cx + $(px $(($1 + $3))))) $((cy + $(px $(($2 + $4)))))"
    }
    holds "layout at $dpi DPI" SysTabControl32:0 rect "$(twips_rect 120 120 5415 6015)" \
        'Button=&Copy' rect "$(twips_rect 120 6240 1150 345)" \
        'Button=&Quit' rect "$(twips_rect 1320 6240 1150 345)" \
        'Button=<' rect "$(twips_rect 4964 6240 255 345)" \
        'Button=>' rect "$(twips_rect 5280 6240 255 345)"
    # The status bar below them all, across the foot of the client area, its height its own.
    bar="$(status_bar_height)"
    ((bar > 0 && cb - bar >= cy + $(px 6585))) || fail "the status bar ($bar pixels) does not fit below the buttons"
    holds "the status bar at the foot at $dpi DPI" msctls_statusbar32:0 rect "$cx $((cb - bar)) $cr $cb"
}

# Fixed border, no maximise button; the About box without minimise and maximise buttons.
check_styles() {
    local style
    style="$(drv get "$1" . style)" || fail "no window \"$1\""
    (((style & 0x00040000) == 0)) || fail "\"$1\" has a sizing border (style $style)"
    (((style & 0x00010000) == 0)) || fail "\"$1\" has a maximise button (style $style)"
    [[ "$2" == main ]] || (((style & 0x00020000) == 0)) || fail "\"$1\" has a minimise button (style $style)"
    echo "ok: \"$1\" style $style"
}

# Every page and the About box at a DPI, each checked and screenshotted as page-<name><suffix>.png.
# every_page <dpi> <suffix>
every_page() {
    local dpi="$1" suffix="$2" p tab steps name probe
    for p in "${PAGES[@]}"; do
        IFS='|' read -r tab steps name probe <<<"$p"
        show_page "$tab" "$steps" "$probe" seen
        shot "$APP_TITLE" "page-$name$suffix"
    done
    drv menu "$APP_TITLE" a
    drv wait-window "$ABOUT_TITLE" 10000 || fail "no About box at $dpi DPI"
    shot "$ABOUT_TITLE" "about$suffix"
}

if [[ "$fonts" == wide ]]; then
    # The window grows with the font, never below its specified size.
    start_window_app
    read -r w h <<<"$(window_size | tr x ' ')"
    specified_size="$(with_status_bar "$specified_size")"
    ((w >= ${specified_size%x*} && h >= ${specified_size#*x})) ||
        fail "window ${w}x$h at $dpi DPI is smaller than $specified_size with its status bar"
    echo "ok: window ${w}x$h at $dpi DPI with the wide font"
    suffix=-wide
    ((dpi == 96)) || suffix="-wide-${dpi}dpi"
    every_page "$dpi" "$suffix"
    end_app
    exit 0
fi

if ((dpi != 96)); then
    # The program sizes itself for the monitor's DPI, and every page and the About box are shown
    # again, their captions checked and screenshotted (page-*-120dpi.png ...).
    start_window_app
    assert_eq "window size at $dpi DPI with its status bar" "$(with_status_bar "$specified_size")" "$(window_size)"
    check_layout "$dpi"
    every_page "$dpi" "-${dpi}dpi"
    end_app
    exit 0
fi

start_window_app
assert_eq "window size at 96 DPI with its status bar" "$(with_status_bar "$specified_size")" "$(window_size)"
check_layout 96
check_styles "$APP_TITLE" main
step_buttons "General" 0
shot "$APP_TITLE" page-general

# page <what> <screenshot> <a control only that page has> [more checks]: that page is in front.
page() {
    local what="$1" name="$2"
    shift 2
    holds "$what in front" "$@"
    shot "$APP_TITLE" "$name"
}

goto_tab 1
page "Copy Options 1" page-copy-options-1 'Button=Copy Options 1' visible 1 'Button=Copy Data.' seen 1
step_buttons "Copy Options 1" 1 0 1
step_next
page "Copy Options 2" page-copy-options-2 'Button=Copy Options 2' visible 1 'Button=Copy Security Info' seen 1 \
    'Button=Copy Data.' seen 0
step_buttons "Copy Options 2" 1 1 1
step_next
page "Copy Options 3" page-copy-options-3 'Button=Copy Options 3' visible 1 \
    'Static=Add/Remove Attributes from Copied Files.' seen 1 'Button=Copy Security Info' seen 0
step_buttons "Copy Options 3" 1 1 0
step_back
holds "back on Copy Options 2" 'Button=Copy Security Info' seen 1
step_buttons "Copy Options 2 again" 1 1 1
step_next
step_buttons "Copy Options 3 again" 1 1 0

# Another tab and back: Copy Options starts again at its first sub-page.
goto_tab 3
goto_tab 1
holds "Copy Options 1 after another tab" SysTabControl32:0 tab 1 'Button=Copy Data.' seen 1 \
    'Static=Add/Remove Attributes from Copied Files.' seen 0
step_buttons "Copy Options 1 after another tab" 1 0 1

goto_tab 2
page "File Selection Options 1" page-file-selection-1 'Button=File Selection Options 1' visible 1 \
    'Static=Include/Exclude Files Based on Attributes.' seen 1
step_buttons "File Selection Options 1" 1 0 1
step_next
page "File Selection Options 2" page-file-selection-2 'Button=File Selection Options 2' visible 1 \
    'Static=Exclude the Following File Names/Wildcards/Paths.' seen 1
step_buttons "File Selection Options 2" 1 1 1
step_next
page "the date page" page-date-limits \
    'Button=MAXimum file AGE - exclude files older than n days/date.' visible 1 'Button=>>>' seen 1 \
    SysMonthCal32:0 seen 1
step_buttons "the date page" 1 1 1
step_next
page "File Selection Options 4" page-file-selection-4 'Button=File Selection Options 4' visible 1 \
    'Button=Ignore Archive Attribute.' seen 1 'Button=>>>' seen 0
step_buttons "File Selection Options 4" 1 1 0
step_back
holds "back on the date page" 'Button=>>>' seen 1 'Button=Ignore Archive Attribute.' seen 0
step_buttons "the date page again" 1 1 1

goto_tab 3
page "Retry Options" page-retry 'Button=Retry Options' visible 1 msctls_trackbar32:0 seen 1 \
    msctls_trackbar32:1 seen 1
step_buttons "Retry" 0
goto_tab 4
page "Logging Options" page-logging 'Button=Logging Options' visible 1 'Button=Browse' seen 1
step_buttons "Logging" 0
goto_tab 5
page "Job" page-job 'Button=Job' visible 1 'Button=Save' seen 1 'Button=Open...' seen 1
step_buttons "Job" 0
goto_tab 0
holds "General again" 'Button=General' visible 1 "$MATCH_DEST" seen 1
step_buttons "General again" 0

drv menu "$APP_TITLE" a
drv wait-window "$ABOUT_TITLE" 10000 || fail "no About box"
shot "$ABOUT_TITLE" about
check_styles "$ABOUT_TITLE" about
read -r ml mt mr mb <<<"$(drv get "$APP_TITLE" . rect)"
read -r al at ar ab <<<"$(drv get "$ABOUT_TITLE" . rect)"
assert_eq "About box centred on the main window" \
    "$((ml + (mr - ml - (ar - al)) / 2)) $((mt + (mb - mt - (ab - at)) / 2))" "$al $at"
end_app

