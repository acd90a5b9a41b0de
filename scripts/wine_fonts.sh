#!/usr/bin/env bash
# Gives a Wine prefix a known dialog font, so that the window looks the same on every machine.
#   wine_fonts.sh standard   the font the layout was designed with: Wine's own Tahoma (with its
#                            Marlett for the caption buttons and Fixedsys for the run-hours field)
#   wine_fonts.sh wide       the same fonts, but "MS Shell Dlg" and "MS Shell Dlg 2" resolve to
#                            DejaVu Sans, a noticeably wider face: how the window copes with another
# Uses WINEPREFIX. Each Wine program reads the fonts and their substitutes when it starts, so the
# next program started sees the change.
# Debian's Wine does not read the fonts of the fonts-wine package where that package puts them; a
# copy in the prefix's own Fonts folder is read.
set -euo pipefail
mode="${1:-standard}"
: "${WINEPREFIX:?wine_fonts.sh needs WINEPREFIX}"
src=/usr/share/wine/fonts
fonts="$WINEPREFIX/drive_c/windows/Fonts"
case "$mode" in
standard) face=Tahoma ;;
wide) face='DejaVu Sans'
    [ -f /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf ] ||
        { echo "wine_fonts.sh: DejaVu Sans is missing (package fonts-dejavu-core)" >&2; exit 1; } ;;
*) echo "usage: wine_fonts.sh standard|wide" >&2; exit 2 ;;
esac
mkdir -p "$fonts"
for f in tahoma.ttf tahomabd.ttf marlett.ttf fixedsys.ttf; do
    [ -f "$src/$f" ] || { echo "wine_fonts.sh: $src/$f is missing (package fonts-wine)" >&2; exit 1; }
    cmp -s "$src/$f" "$fonts/$f" || cp "$src/$f" "$fonts/$f"
done
key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
for name in 'MS Shell Dlg' 'MS Shell Dlg 2'; do
    timeout 60 wine reg add "$key" /v "$name" /t REG_SZ /d "$face" /f >/dev/null 2>&1 </dev/null ||
        { echo "wine_fonts.sh: cannot set the font substitute for $name" >&2; exit 1; }
done
