# shellcheck shell=bash
# Shared by the end-to-end scenarios (sourced, not run). Needs `wine_env.sh start` first.
#
# Settings (environment):
#   ZKV_WIN_BUILD_DIR  Windows build tree with ZentrovaKV.exe, robocopy_standin.exe, kvdriver.exe
#                      (default <repo>/build/win)
#   ZKV_PROGRAM        the program to test (default $ZKV_WIN_BUILD_DIR/ZentrovaKV.exe)
#   ZKV_E2E_DIR        where wine_env.sh keeps the prefix and env.sh (default <repo>/build/e2e)
set -euo pipefail

E2E_SRC="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
REPO="$(cd "$E2E_SRC/../.." && pwd)"
WIN_BUILD="${ZKV_WIN_BUILD_DIR:-$REPO/build/win}"
E2E_DIR="${ZKV_E2E_DIR:-$REPO/build/e2e}"
PROGRAM="${ZKV_PROGRAM:-$WIN_BUILD/ZentrovaKV.exe}"
STANDIN="$WIN_BUILD/robocopy_standin.exe"
DRIVER="$WIN_BUILD/kvdriver.exe"
SCREENSHOTS="$REPO/build/screenshots"
APP_TITLE="Zentrova KV"

# shellcheck source=scripts/wine_lib.sh
. "$REPO/scripts/wine_lib.sh"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

[[ -f "$E2E_DIR/env.sh" ]] || fail "no $E2E_DIR/env.sh: run tests/e2e/wine_env.sh start first"
# shellcheck disable=SC1091
. "$E2E_DIR/env.sh"
for f in "$PROGRAM" "$STANDIN" "$DRIVER"; do
    [[ -f "$f" ]] || fail "missing $f (run make build first)"
done

SCRATCH="$(mktemp -d "${TMPDIR:-/tmp}/zkv-e2e.XXXXXX")"
STARTED_PIDS=()

# One run of the driver as a program of its own. Its output goes through files, not pipes, and no
# other descriptor is passed on (see run_closed.sh): what Wine starts from it may live on.
# Why it failed also goes to driver.log, in case Wine leaves its stderr empty.
drv_once() {
    : >"$SCRATCH/driver.log"
    ZKV_DRIVER_LOG="$(winpath "$SCRATCH/driver.log")" run_closed timeout 120 wine "$DRIVER" "$@" \
        >"$SCRATCH/out" 2>"$SCRATCH/err" </dev/null
}

# shellcheck source=tests/e2e/driver_session.sh
. "$E2E_SRC/driver_session.sh"

# Runs a driver command through the scenario's driver session. A query that changes nothing is
# asked once more when the driver ends without an answer (Wine now and then ends a program at
# once and without a word); so is set-text, since setting a text twice leaves what setting it
# once does. Anything else is reported as it ended.
drv() {
    local tries=1
    case "$1" in
        get | get-text | expect | expect-all | expect-sel | list | list-windows | focus-of | wait-window | \
            wait-focus | wait-painted | clipped | misplaced | seen | set-text | exists | wait-gone) tries=2 ;;
    esac
    drv_session "$tries" "$@"
}

# The unix path of a path on the prefix's C: drive ("C:\zkv\app" -> .../drive_c/zkv/app).
unix_path() {
    local p="$1"
    [[ "${p:0:3}" == 'C:\' || "$p" == 'C:' ]] || fail "unix_path: $p is not on C:"
    p="${p:3}"
    echo "$WINEPREFIX/drive_c/${p//\\//}"
}

# Lays out a program folder (Windows path on C:): the program and the stand-in as robocopy.exe.
# A second argument names another stand-in file (e.g. the one a byte short).
lay_app() {
    local folder="$1" engine="${2:-$STANDIN}" dir
    dir="$(unix_path "$folder")"
    mkdir -p "$dir"
    cp -f "$PROGRAM" "$dir/ZentrovaKV.exe"
    cp -f "$engine" "$dir/robocopy.exe"
}

# The tab strip moved to a tab, as the arrow keys move it.
goto_tab() { drv select-tab "$APP_TITLE" "$1" || fail "cannot show tab $1"; }

# The page-step buttons "<" and ">".
step_back() { drv click "$APP_TITLE" 'Button=<' || fail "cannot step to the previous sub-page"; }
step_next() { drv click "$APP_TITLE" 'Button=>' || fail "cannot step to the next sub-page"; }

# The one way the scenarios bring a page to the front, as a person does: its tab (through
# General, so that a paged tab starts again at its first sub-page), then ">" as often as given,
# until a control that only that page shows is so (visible, or "seen": shown and not covered).
# show_page <tab> <">" presses> <selector> [visible|seen]
show_page() {
    local tab="$1" steps="$2" probe="$3" prop="${4:-visible}" i
    ((tab == 0)) || goto_tab 0
    goto_tab "$tab"
    for ((i = 0; i < steps; i++)); do step_next; done
    drv expect-all "$APP_TITLE" 5000 "$probe" "$prop" 1 || fail "the page with $probe is not in front"
    echo "ok: the page with $probe in front"
}

# Steps ">" once and waits until a control that only the next sub-page shows is so.
# next_page <selector> [visible|seen]
next_page() {
    step_next
    drv expect-all "$APP_TITLE" 5000 "$1" "${2:-visible}" 1 || fail "the page with $1 is not in front"
}

# Each scenario's own record file for the stand-in, removed beforehand.
use_record() {
    RECORD_WIN="$1"
    RECORD_UNIX="$(unix_path "$RECORD_WIN")"
    mkdir -p "$(dirname "$RECORD_UNIX")"
    rm -f "$RECORD_UNIX" "$RECORD_UNIX.part"
    export ZKV_STANDIN_RECORD="$RECORD_WIN"
}

cleanup() {
    local pid
    for pid in "${STARTED_PIDS[@]}"; do
        drv kill "$pid" >/dev/null 2>&1 || true
    done
    drv_session_end
    rm -rf "$SCRATCH"
}
trap cleanup EXIT

# The folders on the prefix's C: drive that scenarios lay out and write to.
SCENARIO_FOLDERS=(zkv zkvdata 'Program Files/Zentrova test')

# Every scenario starts from the same prefix, however the one before it ended (passed, failed,
# timed out, killed without a chance to clean up): the programs it left running are ended, the
# registry keys scenarios change get the values the prefix was made with (see wine_env.sh), the
# mouse pointer goes to the screen's far corner, and the scenarios' folders go. When anything had
# to be ended or put back, Wine's session starts anew as well: its own processes (the desktop
# among them) read settings such as the DPI once, and would hand the old ones on.
reset_prefix() {
    again_if_silent 2 "kvdriver reset" "$SCRATCH/err" drv_once reset "$(winpath "$E2E_DIR/prefix-state.txt")" ||
        fail "cannot put the prefix back to its known state: $(cat "$SCRATCH/err" "$SCRATCH/driver.log")"
    if [[ -s "$SCRATCH/out" ]]; then
        cat "$SCRATCH/out"
        echo "a new Wine session for this scenario"
        new_wine_session /dev/null
    fi
    local f w h
    for f in "${SCENARIO_FOLDERS[@]}"; do rm -rf "${WINEPREFIX:?}/drive_c/$f"; done
    read -r w h < <(timeout 10 xdotool getdisplaygeometry) || fail "xdotool cannot read the display's size"
    timeout 10 xdotool mousemove "$((w - 1))" "$((h - 1))" || fail "xdotool cannot move the pointer"
}
reset_prefix

# Starts the program of a folder laid out by lay_app and waits for its main window.
start_app() {
    local folder="$1" pid
    # A window left over from an earlier scenario would be taken for this one's.
    drv wait-gone "$APP_TITLE" 5000 || fail "a \"$APP_TITLE\" window is already open"
    pid="$(drv start "$folder\\ZentrovaKV.exe")" || fail "cannot start $folder\\ZentrovaKV.exe"
    STARTED_PIDS+=("$pid")
    APP_PID="$pid"
    drv wait-window "$APP_TITLE" 30000 || fail "the main window did not appear"
}

# Ends the program started last (Quit, Yes) and waits until it has gone.
quit_app() {
    drv click "$APP_TITLE" 'Button=&Quit'
    drv msgbox-press "Close Zentrova" yes
    drv wait-exit "$APP_PID" 10000
}

# Shows bytes so that differences in spaces, quotes and line ends are seen.
show_bytes() { printf '%s' "$1" | od -c | sed 's/^/    /'; }

# Exact comparison of two texts.
assert_eq() {
    local what="$1" expected="$2" actual="$3"
    if [[ "$expected" != "$actual" ]]; then
        echo "FAIL: $what" >&2
        echo "  expected: $expected" >&2
        echo "  actual:   $actual" >&2
        echo "  expected bytes:" >&2
        show_bytes "$expected" >&2
        echo "  actual bytes:" >&2
        show_bytes "$actual" >&2
        exit 1
    fi
    echo "ok: $what"
}

# Runs the driver and keeps its output byte for byte in OUT (a command substitution would drop
# trailing line ends, and with them a difference).
drv_get() {
    drv "$@" >"$SCRATCH/value" || return $?
    OUT="$(cat "$SCRATCH/value"; printf x)"
    OUT="${OUT%x}"
}

# expect_out <what> <expected> <driver command...>: the command's output must be exactly that.
expect_out() {
    local what="$1" expected="$2"
    shift 2
    drv_get "$@" || fail "$what: kvdriver $* failed"
    assert_eq "$what" "$expected" "$OUT"
}

# The whole record file, byte for byte, in RECORD_TEXT.
read_record() {
    RECORD_TEXT="$(cat "$RECORD_UNIX"; printf x)"
    RECORD_TEXT="${RECORD_TEXT%x}"
}

# The record the stand-in writes for an engine path and its arguments, when started maximised.
expected_record() {
    local cmdline="$1"
    shift
    printf 'cmdline=%s\nargc=%d\n' "$cmdline" "$#"
    local i=0 a
    for a in "$@"; do
        printf 'argv%d=%s\n' "$i" "$a"
        i=$((i + 1))
    done
    printf 'show=3\n'
}

# Saves what a person sees of a window to build/screenshots/<name>.png, once it is painted.
screenshot() {
    local title="$1" name="$2" rect l t r b
    drv wait-painted "$title" 10000 || fail "\"$title\" did not finish painting"
    rect="$(drv get "$title" . rect)" || fail "no window \"$title\""
    read -r l t r b <<<"$rect"
    mkdir -p "$SCREENSHOTS"
    timeout 30 import -display "$DISPLAY" -window root -crop "$((r - l))x$((b - t))+$l+$t" +repage \
        "$SCREENSHOTS/$name.png" || fail "import failed for $name.png"
    SHOT="$SCREENSHOTS/$name.png"
    SHOT_SIZE="$((r - l))x$((b - t))"
    echo "screenshot: $SHOT ($SHOT_SIZE)"
}
