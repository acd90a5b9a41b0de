#!/usr/bin/env bash
# The shared environment of the end-to-end scenarios: one virtual X display (Xvfb) and one Wine
# prefix, reused between runs.
#   wine_env.sh start   start Xvfb on a free display, make or reuse the prefix, keep a wineserver
#                       running, write the settings to <e2e dir>/env.sh for the scenarios
#   wine_env.sh stop    stop every Wine process of the prefix and the display; the prefix stays
# The e2e dir is $ZKV_E2E_DIR, by default <repo>/build/e2e.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
repo="$(cd "$here/../.." && pwd)"
e2e_dir="${ZKV_E2E_DIR:-$repo/build/e2e}"
prefix="$e2e_dir/prefix"
env_file="$e2e_dir/env.sh"

die() { echo "wine_env.sh: $*" >&2; exit 1; }

# shellcheck source=tests/e2e/run_closed.sh
. "$here/run_closed.sh"

# Quiet Wine, and no offers to install Mono or Gecko.
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX="$prefix"

xvfb_alive() {
    local pid="$1"
    [[ -n "$pid" && "$(cat "/proc/$pid/comm" 2>/dev/null)" == Xvfb ]]
}

free_display() {
    local n
    for n in $(seq 90 199); do
        if [[ ! -e "/tmp/.X11-unix/X$n" && ! -e "/tmp/.X$n-lock" ]]; then
            echo "$n"
            return 0
        fi
    done
    return 1
}

start_xvfb() {
    local n pid
    n="$(free_display)" || die "no free X display number"
    run_closed setsid Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$e2e_dir/xvfb.log" 2>&1 </dev/null &
    pid=$!
    for _ in $(seq 1 250); do  # up to 10 s
        if [[ -S "/tmp/.X11-unix/X$n" && -f "/tmp/.X$n-lock" ]]; then
            XVFB_DISPLAY=":$n"
            XVFB_PID="$(tr -d ' \n' <"/tmp/.X$n-lock")"  # the server writes its own pid there
            xvfb_alive "$XVFB_PID" && return 0
        fi
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.04
    done
    kill "$pid" 2>/dev/null || true
    die "Xvfb :$n did not come up (see $e2e_dir/xvfb.log)"
}

# Settings that make the prefix behave the same on every run.
configure_prefix() {
    # Without a window manager, let Wine draw the frames itself, as a person would see them.
    run_closed timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f \
        >>"$e2e_dir/wine.log" 2>&1 </dev/null || die "wine reg add failed (see $e2e_dir/wine.log)"
    # Unmanaged windows: with no window manager, Wine otherwise waits about 2 s for every box
    # or dialog that closes.
    run_closed timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
        >>"$e2e_dir/wine.log" 2>&1 </dev/null || die "wine reg add failed (see $e2e_dir/wine.log)"
    run_closed timeout 60 wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f \
        >>"$e2e_dir/wine.log" 2>&1 </dev/null || die "wine reg add failed (see $e2e_dir/wine.log)"
    # The dialog font the layout was designed with, whatever fonts this machine has.
    run_closed bash "$repo/scripts/wine_fonts.sh" standard >>"$e2e_dir/wine.log" 2>&1 </dev/null ||
        die "cannot set up the prefix's fonts: $(tail -n 1 "$e2e_dir/wine.log")"
}

cmd_start() {
    mkdir -p "$e2e_dir"
    if [[ -f "$env_file" ]]; then
        # shellcheck disable=SC1090
        old_pid="$(. "$env_file" && echo "${ZKV_XVFB_PID:-}")"
        if xvfb_alive "$old_pid"; then
            # shellcheck disable=SC1090
            echo "wine_env.sh: already running (display $(. "$env_file" && echo "$DISPLAY"))"
            return 0
        fi
        # Left over from a run that did not stop: end what is left of its Wine processes.
        run_closed timeout 30 wineserver -k >/dev/null 2>&1 </dev/null || true
        rm -f "$env_file"
    fi

    start_xvfb
    export DISPLAY="$XVFB_DISPLAY"

    # One server for all steps, started first so that every Wine process hangs off it and no
    # program start pays for a new one.
    : >"$e2e_dir/wine.log"
    mkdir -p "$prefix"
    run_closed timeout 30 wineserver -p >>"$e2e_dir/wine.log" 2>&1 </dev/null || true
    if [[ ! -f "$prefix/system.reg" ]]; then
        mkdir -p "$prefix"
        run_closed timeout 180 wineboot --init >>"$e2e_dir/wine.log" 2>&1 </dev/null ||
            die "wineboot --init failed (see $e2e_dir/wine.log)"
    fi
    configure_prefix

    cat >"$env_file" <<EOF
# Written by wine_env.sh start; read by the scenarios.
export DISPLAY='$DISPLAY'
export WINEPREFIX='$WINEPREFIX'
export WINEDEBUG='$WINEDEBUG'
export WINEDLLOVERRIDES='$WINEDLLOVERRIDES'
export ZKV_XVFB_PID='$XVFB_PID'
export ZKV_E2E_DIR='$e2e_dir'
EOF
    echo "wine_env.sh: display $DISPLAY, prefix $WINEPREFIX"
}

cmd_stop() {
    if [[ ! -f "$env_file" ]]; then
        echo "wine_env.sh: not running"
        return 0
    fi
    # shellcheck disable=SC1090
    . "$env_file"
    timeout 30 wineserver -k </dev/null >/dev/null 2>&1 || true
    timeout 30 wineserver -w </dev/null >/dev/null 2>&1 || true
    if xvfb_alive "${ZKV_XVFB_PID:-}"; then
        kill "$ZKV_XVFB_PID"
        for _ in $(seq 1 100); do
            xvfb_alive "$ZKV_XVFB_PID" || break
            sleep 0.05
        done
        xvfb_alive "$ZKV_XVFB_PID" && kill -9 "$ZKV_XVFB_PID"
    fi
    rm -f "$env_file"
    echo "wine_env.sh: stopped"
}

case "${1:-}" in
start) cmd_start ;;
stop) cmd_stop ;;
*) echo "usage: wine_env.sh start|stop" >&2; exit 2 ;;
esac
