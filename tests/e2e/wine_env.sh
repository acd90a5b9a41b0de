#!/usr/bin/env bash
# The shared environment of the end-to-end scenarios: one virtual X display (Xvfb) and one Wine
# prefix, reused between runs.
#   wine_env.sh start   start Xvfb on a free display, make or reuse the prefix, keep a wineserver
#                       running, write the settings to <e2e dir>/env.sh for the scenarios
#   wine_env.sh stop    stop every Wine process of the prefix and the display; the prefix stays
# The e2e dir is $ZKV_E2E_DIR, by default <repo>/build/e2e.
#
# When the prefix is made, the registry keys that scenarios change are saved to prefix-state.txt;
# every scenario puts them back before it starts (lib.sh), so that none sees what an earlier one
# left, however that one ended. A prefix made by other versions of these scripts, or of Wine, or
# whose making did not finish, is made again.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
repo="$(cd "$here/../.." && pwd)"
e2e_dir="${ZKV_E2E_DIR:-$repo/build/e2e}"
prefix="$e2e_dir/prefix"
env_file="$e2e_dir/env.sh"
state_file="$e2e_dir/prefix-state.txt"
stamp_file="$e2e_dir/prefix-stamp"
driver="${ZKV_WIN_BUILD_DIR:-$repo/build/win}/kvdriver.exe"

# Every key a scenario may change: the DPI, the fonts, the colours and visual style, the
# handlers, the tools, the file dialogs' memory, and the prefix's own settings.
PREFIX_KEYS=(
    'HKCU\Control Panel\Desktop'
    'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
    'HKCU\Control Panel\Colors'
    'HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager'
    'HKCU\Control Panel\Accessibility\HighContrast'
    'HKCR\mailto\shell\open\command'
    'HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO'
    'HKLM\SOFTWARE\Microsoft\Shared Tools Location'
    'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\ComDlg32'
    'HKCU\Software\Wine\X11 Driver'
)

die() { echo "wine_env.sh: $*" >&2; exit 1; }

# shellcheck source=scripts/wine_lib.sh
. "$repo/scripts/wine_lib.sh"
export WINEPREFIX="$prefix"

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

# What the prefix is made by: these scripts, the key list and Wine's version.
prefix_stamp() {
    { cat "$here/wine_env.sh" "$repo/scripts/wine_lib.sh" "$repo/scripts/wine_fonts.sh"; wine --version; } |
        sha256sum | cut -d' ' -f1
}

cmd_start() {
    mkdir -p "$e2e_dir"
    [[ -f "$driver" ]] || die "missing $driver (run make build first)"
    local stamp
    stamp="$(prefix_stamp)"
    if [[ -f "$env_file" ]]; then
        # shellcheck disable=SC1090
        old_pid="$(. "$env_file" && echo "${ZKV_XVFB_PID:-}")"
        if xvfb_alive "$old_pid" && [[ "$(cat "$stamp_file" 2>/dev/null)" == "$stamp" ]]; then
            # shellcheck disable=SC1090
            echo "wine_env.sh: already running (display $(. "$env_file" && echo "$DISPLAY"))"
            return 0
        fi
        # Left over from a run that did not stop: end what is left of its Wine processes.
        run_closed timeout 30 wineserver -k >/dev/null 2>&1 </dev/null || true
        XVFB_PID="$old_pid" stop_xvfb
        rm -f "$env_file"
    fi

    start_xvfb 90 "$e2e_dir/xvfb.log" || die "Xvfb did not come up (see $e2e_dir/xvfb.log)"

    : >"$e2e_dir/wine.log"
    if [[ "$(cat "$stamp_file" 2>/dev/null)" != "$stamp" || ! -f "$state_file" ]]; then
        [[ -d "$prefix" ]] && echo "wine_env.sh: making the prefix again"
        wineserver_ends /dev/null
        rm -rf "$prefix" "$state_file" "$stamp_file"
    fi
    # One server for all steps, started first so that every Wine process hangs off it and no
    # program start pays for a new one.
    mkdir -p "$prefix"
    run_closed timeout 30 wineserver -p >>"$e2e_dir/wine.log" 2>&1 </dev/null || true
    if [[ ! -f "$stamp_file" ]]; then
        prepare_prefix "$e2e_dir/wine.log" || die "wineboot --init failed (see $e2e_dir/wine.log)"
        configure_prefix
        # The session that made the prefix keeps some of the first settings to itself (a colour
        # scheme set later does not take in it), so the scenarios get a session of their own, as
        # they do every later run.
        new_wine_session "$e2e_dir/wine.log"
        # The first program of a new session on a new prefix can end at once without a word.
        local said="$e2e_dir/reg-save.log" rc=0
        save_keys() {
            run_closed timeout 60 wine "$driver" reg-save "$(winpath "$state_file")" "${PREFIX_KEYS[@]}" \
                >"$said" 2>&1 </dev/null
        }
        again_if_silent 3 "kvdriver reg-save" "$said" save_keys || rc=$?
        cat "$said" >>"$e2e_dir/wine.log"
        ((rc == 0)) || die "cannot save the prefix's keys, exit code $rc (see $e2e_dir/wine.log)"
        echo "$stamp" >"$stamp_file"
    fi

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
    XVFB_PID="${ZKV_XVFB_PID:-}" stop_xvfb
    rm -f "$env_file"
    echo "wine_env.sh: stopped"
}

case "${1:-}" in
start) cmd_start ;;
stop) cmd_stop ;;
*) echo "usage: wine_env.sh start|stop" >&2; exit 2 ;;
esac
