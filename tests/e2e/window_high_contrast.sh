#!/usr/bin/env bash
# The system's high-contrast mode. The prefix gets a high-contrast colour scheme (Windows' "High
# Contrast Black", with the visual style off, as Windows has it in that mode) for this scenario
# only. Wine's SPI_GETHIGHCONTRAST always says the mode is off, whatever the registry holds
# (HighContrast Flags below included): so first the boxes keep their specified grey and white
# while the page takes the scheme's colours. Then a DLL loaded into the program stands in for the
# system's answer (high_contrast_hook.cpp, built here with the Windows compiler) and the program
# is told of the change as Windows tells it (WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST): at once the
# boxes take the scheme's window and disabled colours and the mail link its link colour; unloaded
# and told again, the boxes are grey and white again. Screenshots: high-contrast-*.png. The
# prefix's colours and visual style are put back before the next scenario.
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
# shellcheck source=tests/e2e/window_lib.sh
. "$E2E_SRC/window_lib.sh"
# shellcheck source=tests/e2e/options_lib.sh
. "$E2E_SRC/options_lib.sh"

COLOURS_KEY='HKCU\Control Panel\Colors'
THEME_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager'
CONTRAST_KEY='HKCU\Control Panel\Accessibility\HighContrast'
SPI_SETHIGHCONTRAST=67
HOOK=high_contrast_hook.dll

# High Contrast Black: name | red green blue.
SCHEME=(
    'Window|0 0 0' 'WindowText|255 255 255' 'ButtonFace|0 0 0' 'ButtonText|255 255 255' 'GrayText|63 242 63'
    'HotTrackingColor|255 255 0' 'Hilight|26 235 255' 'HilightText|0 0 0' 'Menu|0 0 0' 'MenuBar|0 0 0'
    'MenuText|255 255 255' 'ButtonShadow|128 128 128' 'ButtonHilight|255 255 255' 'ButtonLight|192 192 192'
    'ButtonDkShadow|255 255 255' 'WindowFrame|255 255 255' 'ActiveTitle|0 0 0' 'TitleText|255 255 255'
    'InactiveTitle|0 0 0' 'InactiveTitleText|0 255 0' 'InfoWindow|0 0 0' 'InfoText|255 255 255'
)
WINDOW=000000 WINDOW_TEXT=FFFFFF BUTTON_FACE=000000 LINK=FFFF00


# The program started by this scenario ends with it; the prefix's colours and visual style go
# back before the next scenario (reset_prefix).
trap '[[ -n "${APP_PID:-}" ]] && drv kill "$APP_PID" >/dev/null 2>&1; cleanup' EXIT

# Each check below reads the screen: after a change, this first.
painted() { drv wait-painted "${1:-$APP_TITLE}" 10000 || fail "\"${1:-$APP_TITLE}\" did not finish painting"; }
# The colours a control shows, most frequent first ("RRGGBB count" lines).
colours_of() { drv colours "$1" "$2" >"$SCRATCH/colours" || fail "cannot read the colours of $2"; }
# background <what> <title> <selector> <RRGGBB>: the most frequent colour of the control.
background() {
    colours_of "$2" "$3"
    assert_eq "$1" "$4" "$(head -n 1 "$SCRATCH/colours" | cut -d' ' -f1)"
}
# shows <what> <title> <selector> <RRGGBB>: the colour is among the control's.
shows() {
    colours_of "$2" "$3"
    grep -q "^$4 " "$SCRATCH/colours" || fail "$1: no $4 in $3 ($(tr '\n' ' ' <"$SCRATCH/colours"))"
    echo "ok: $1"
}
lacks() {
    colours_of "$2" "$3"
    grep -q "^$4 " "$SCRATCH/colours" && fail "$1: $4 in $3 ($(tr '\n' ' ' <"$SCRATCH/colours"))"
    echo "ok: $1"
}

for entry in "${SCHEME[@]}"; do
    reg_set "$COLOURS_KEY" "${entry%%|*}" "${entry#*|}"
done
reg_set "$THEME_KEY" ThemeActive 0
reg_set "$CONTRAST_KEY" Flags 127

timeout 120 x86_64-w64-mingw32-g++ -shared -Os -s -static-libgcc -static-libstdc++ -o "$SCRATCH/$HOOK" \
    "$E2E_SRC/high_contrast_hook.cpp" || fail "cannot build $HOOK"

start_window_app
painted
background "the page in the scheme's colours" "$APP_TITLE" 'Button=General' "$BUTTON_FACE"
background "the source box in the window colour" "$APP_TITLE" Edit:0 "$WINDOW"

show_page 1 0 'Button=Copy Options 1' seen
rh="Edit@$(id_after 'Button=Run Hours')"
ipg_box='Button=Inter-Packet Gap                 (ms), to free bandwidth on slow lines.'
ipg="Edit@$(id_after "$ipg_box")"
levels="Edit@$(id_after 'Button=Copy Only the Top               Directory Levels')"
drv click "$APP_TITLE" "$ipg_box"
drv expect "$APP_TITLE" "$ipg" enabled 1 5000 || fail "checking the box left the gap field disabled"
drv type-each "$APP_TITLE" "$ipg" 25
# Tab takes the focus on, and with it the caret, which would show in the box's colours.
drv key "$APP_TITLE" "$ipg" tab
drv wait-focus "$APP_TITLE" "$ipg" 1000 2>/dev/null && fail "Tab did not leave the gap field"
painted

# Wine says the mode is off: the specified backgrounds, with the text in the window-text colour.
background "high contrast off: a greyed box stays grey" "$APP_TITLE" "$rh" C0C0C0
background "high contrast off: a box in use stays white" "$APP_TITLE" "$ipg" FFFFFF
lacks "high contrast off: no text in another colour than the window text's" "$APP_TITLE" "$ipg" 000000

drv inject "$APP_TITLE" "$(winpath "$SCRATCH/$HOOK")" || fail "cannot load $HOOK into the program"
drv setting-change "$APP_TITLE" "$SPI_SETHIGHCONTRAST"
painted
background "high contrast on: a greyed box looks disabled" "$APP_TITLE" "$rh" "$BUTTON_FACE"
lacks "high contrast on: no grey left in the run-hours field" "$APP_TITLE" "$rh" C0C0C0
background "high contrast on: the greyed box in the caption looks disabled" "$APP_TITLE" "$levels" "$BUTTON_FACE"
background "high contrast on: a box in use has the window colour" "$APP_TITLE" "$ipg" "$WINDOW"
shows "high contrast on: its digits in the window-text colour" "$APP_TITLE" "$ipg" "$WINDOW_TEXT"
expect_out "the digits are still there" 25 get-text "$APP_TITLE" "$ipg"
screenshot "$APP_TITLE" high-contrast-copy-options-1

show_page 0 0 "$MATCH_DEST" seen
painted
background "high contrast on: the source box has the window colour" "$APP_TITLE" Edit:0 "$WINDOW"
screenshot "$APP_TITLE" high-contrast-general

drv menu "$APP_TITLE" a
drv wait-window "$ABOUT_TITLE" 10000 || fail "no About box"
painted "$ABOUT_TITLE"
shows "high contrast on: the mail address in the link colour" "$ABOUT_TITLE" Static:4 "$LINK"
screenshot "$ABOUT_TITLE" high-contrast-about
drv close "$ABOUT_TITLE"
drv wait-gone "$ABOUT_TITLE" 5000 || fail "the About box stays open"

# Off again, told as before; a change of the system colours repaints with the same rule.
drv eject "$APP_TITLE" "$HOOK" || fail "cannot unload $HOOK"
drv setting-change "$APP_TITLE" "$SPI_SETHIGHCONTRAST"
show_page 1 0 'Button=Copy Options 1' seen
painted
background "high contrast off again: the greyed box grey again" "$APP_TITLE" "$rh" C0C0C0
background "high contrast off again: the box in use white again" "$APP_TITLE" "$ipg" FFFFFF
drv syscolor-change "$APP_TITLE"
painted
background "after WM_SYSCOLORCHANGE: still grey" "$APP_TITLE" "$rh" C0C0C0
holds "the window still works: the gap field keeps its value" "$ipg" text 25 "$ipg_box" check 1
end_app
