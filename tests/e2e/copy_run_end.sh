#!/usr/bin/env bash
# How every run ended, told by the program: the stand-in engine ends with the exit code a file
# gives it (tests/standin), so each kind of ending is a real run. The status bar at the window's
# foot says how the last run ended, in words and with its exit code; from 8 on a message box that
# names the run's folders says it too. Two runs at once are counted while they go on, and each is
# told once. Screenshots: run-end-failed-message.png (the window and the message after a failed
# run), run-end-failed.png (the window once it is answered).
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
# shellcheck source=tests/e2e/window_lib.sh
. "$E2E_SRC/window_lib.sh"
# shellcheck source=tests/e2e/options_lib.sh
. "$E2E_SRC/options_lib.sh"

EXIT_WIN='C:\zkv\records\exit-code.txt'
EXIT_UNIX="$(unix_path "$EXIT_WIN")"
export ZKV_STANDIN_EXIT="$EXIT_WIN"
start_with_folders 'C:\zkv\runs' 'C:\zkv\records\run_end.txt'
BAR=msctls_statusbar32:0
SWITCHES=' /E /ZB /COPY:DAT /R:0 /W:0'
# The time as the user's short format writes it, without seconds ("2:32 PM", "14:32").
TIME='[0-9]{1,2}[:.][0-9]{2}( ?[AaPp]\.?[Mm]\.?)?'

# status_is <what> <the text after "Ended <time>: "> [ending]: the status bar says so (within 5 s);
# with "ending" its text need only end so.
status_is() {
    local what="$1" want="$2" mode="${3:-whole}" text='' rest i
    for ((i = 0; i < 250; i++)); do
        text="$(drv get-text "$APP_TITLE" "$BAR")" || fail "no status bar"
        rest=''
        [[ "$text" =~ ^Ended\ $TIME:\ (.*)$ ]] && rest="${BASH_REMATCH[-1]}"
        if [[ "$mode" == ending ]]; then [[ "$rest" == *"$want" ]] && break; else [[ "$rest" == "$want" ]] && break; fi
        sleep 0.02
    done
    [[ "$mode" == ending && "$rest" == *"$want" || "$rest" == "$want" ]] ||
        fail "$what: the status bar says \"$text\" after waiting 5 s"
    echo "ok: $what: \"$text\""
}

# No message box of the program is open: the main window is the only one of its title.
no_box() { [[ "$(count_windows "$APP_TITLE")" == 1 ]] || fail "$1: a message box is open"; }

# A run that ends with the code: Copy, OK, the engine's record, then the status bar.
run_with() {
    local code="$1"
    rm -f "$RECORD_UNIX"
    printf '%s' "$code" >"$EXIT_UNIX"
    expect_command "the command of the run ending with $code" "$SWITCHES" ok
    drv wait-file "$RECORD_WIN" 20000 || fail "the engine was not started"
}

expect_out "an empty status bar at start" "" get-text "$APP_TITLE" "$BAR"
# exit code | the words the status bar gives
for row in '0|nothing needed copying, no failures' '1|files copied, no failures' \
    '2|extra files or folders found at the destination, no failures' \
    '4|mismatched files or folders found, no failures'; do
    IFS='|' read -r code words <<<"$row"
    run_with "$code"
    status_is "exit code $code" "$words (exit code $code)"
    no_box "exit code $code"
done

# From 8 on: the status bar, and a message naming the folders, which must be answered.
for row in '8|some files or folders could not be copied|exclamation' \
    '16|a serious error: nothing was copied (a bad parameter, no access to a folder, or missing rights)|critical'; do
    IFS='|' read -r code words icon <<<"$row"
    run_with "$code"
    drv_get msgbox "$APP_TITLE" 20000 || fail "no message for exit code $code"
    [[ "$OUT" =~ ended\ at\ ($TIME)\ with ]] || fail "the message for exit code $code gives no time: $OUT"
    assert_eq "the message for exit code $code" \
        "The copy from \"C:\\Data\" to \"D:\\Backup\" ended at ${BASH_REMATCH[1]} with a failure:"$'\r\n'"$words (exit code $code)." \
        "$OUT"
    expect_out "its buttons and icon" "buttons=ok icon=$icon" msgbox-info "$APP_TITLE"
    status_is "exit code $code" "$words (exit code $code)"
    [[ "$code" != 8 ]] || screenshot "$APP_TITLE" run-end-failed-message
    drv msgbox-press "$APP_TITLE" ok
    [[ "$code" != 8 ]] || screenshot "$APP_TITLE" run-end-failed
done

# Two runs at once: counted while they go on, each told once. The first run's console, maximised,
# covers the window, so Copy is pressed from the keyboard, as a person who brought the window
# back to the front would.
printf wait >"$EXIT_UNIX"
rm -f "$RECORD_UNIX"
expect_command "the first of two runs" "$SWITCHES" ok
drv wait-file "$RECORD_WIN" 20000 || fail "the first engine was not started"
status_is "one run going" "; 1 copy running" ending
rm -f "$RECORD_UNIX"
drv key "$APP_TITLE" 'Button=&Copy' space || fail "cannot press Copy"
drv msgbox-press 'Continue?' ok 20000 || fail "no confirmation of the second run"
drv wait-file "$RECORD_WIN" 20000 || fail "the second engine was not started"
status_is "two runs going" "; 2 copies running" ending
printf 3 >"$EXIT_UNIX"
status_is "both ended" "files copied, extra files or folders found at the destination, no failures (exit code 3)"
no_box "two runs without failures"
quit_app
