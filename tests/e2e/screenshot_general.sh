#!/usr/bin/env bash
# What a person sees after start-up: the main window on its General page, kept as a screenshot.
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

folder='C:\zkv\app'
lay_app "$folder"
use_record 'C:\zkv\records\screenshot.txt'
start_app "$folder"

drv expect "$APP_TITLE" SysTabControl32:0 tab 0 5000
screenshot "$APP_TITLE" main-general
assert_eq "screenshot size" "$SHOT_SIZE" "$(timeout 30 identify -format '%wx%h' "$SHOT")"
# A window that was not drawn shows as one or two flat colours.
colours="$(timeout 30 convert "$SHOT" -format '%k' info:)"
(( colours > 8 )) || fail "the screenshot has only $colours colours: the window is not drawn"
echo "ok: $colours colours"
quit_app
