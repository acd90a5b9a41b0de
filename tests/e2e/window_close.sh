#!/usr/bin/env bash
# The main window's close control ends the program without a question, also while the About
# box is open (both windows go).
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
# shellcheck source=tests/e2e/window_lib.sh
. "$E2E_SRC/window_lib.sh"

for about in closed open; do
    echo "case: the About box $about"
    start_window_app
    if [[ "$about" == open ]]; then
        drv menu "$APP_TITLE" a
        drv wait-window "$ABOUT_TITLE" 10000 || fail "no About box"
    fi
    drv close "$APP_TITLE"
    # A question would keep the program running.
    drv wait-exit "$APP_PID" 10000 || fail "the program goes on after its window was closed"
    echo "ok: the program ended"
    expect_out "no main window" 0 exists "$APP_TITLE" .
    expect_out "no About box" 0 exists "$ABOUT_TITLE" .
done
