# shellcheck shell=bash
# The one way this project starts a virtual display and prepares a Wine prefix. Sourced by the
# end-to-end environment (tests/e2e/wine_env.sh), make bench (bench/run_bench.sh) and make run
# (scripts/run.sh); each sets WINEPREFIX itself.

# shellcheck source=tests/e2e/run_closed.sh
. "$(dirname "${BASH_SOURCE[0]}")/../tests/e2e/run_closed.sh"

# Quiet Wine, and no offers to install Mono or Gecko.
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

xvfb_alive() {
    local pid="$1"
    [[ -n "$pid" && "$(cat "/proc/$pid/comm" 2>/dev/null)" == Xvfb ]]
}

# start_xvfb <first display number> <log file>: starts Xvfb on the first free display from that
# number on, holding none of this shell's descriptors (it may outlive the caller), and waits until
# it serves. Exports DISPLAY and sets XVFB_PID; returns 1 when no display came up.
start_xvfb() {
    local first="$1" log="$2" n pid
    for n in $(seq "$first" 199); do
        [[ -e "/tmp/.X11-unix/X$n" || -e "/tmp/.X$n-lock" ]] && continue
        run_closed setsid Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$log" 2>&1 </dev/null &
        pid=$!
        for _ in $(seq 1 250); do  # up to 10 s
            if [[ -S "/tmp/.X11-unix/X$n" && -f "/tmp/.X$n-lock" ]]; then
                XVFB_PID="$(tr -d ' \n' <"/tmp/.X$n-lock")"  # the server writes its own pid there
                if xvfb_alive "$XVFB_PID"; then
                    export DISPLAY=":$n"
                    return 0
                fi
            fi
            kill -0 "$pid" 2>/dev/null || break  # lost the race for this display
            sleep 0.04
        done
        kill "$pid" 2>/dev/null || true
    done
    return 1
}

# Ends the Xvfb of XVFB_PID and waits until it has gone.
stop_xvfb() {
    xvfb_alive "${XVFB_PID:-}" || return 0
    kill "$XVFB_PID" 2>/dev/null || true
    for _ in $(seq 1 100); do
        xvfb_alive "$XVFB_PID" || return 0
        sleep 0.05
    done
    kill -9 "$XVFB_PID" 2>/dev/null || true
}

# prepare_prefix <log file>: makes the prefix WINEPREFIX, once (about 10 s).
prepare_prefix() {
    [[ -f "$WINEPREFIX/system.reg" ]] && return 0
    mkdir -p "$WINEPREFIX"
    run_closed timeout 300 wineboot --init >>"$1" 2>&1 </dev/null
}

# A unix path as Wine sees it, on its drive Z:.
winpath() { printf 'Z:%s' "${1//\//\\}"; }

# wineserver_ends <log>: ends every Wine process of WINEPREFIX and waits until its server is gone.
wineserver_ends() {
    run_closed timeout 30 wineserver -k >>"$1" 2>&1 </dev/null || true
    run_closed timeout 30 wineserver -w >>"$1" 2>&1 </dev/null || true
}

# new_wine_session <log>: a new session of WINEPREFIX, its server started first and kept, so that
# every Wine process hangs off it and no program start pays for a new one.
new_wine_session() {
    wineserver_ends "$1"
    run_closed timeout 30 wineserver -p >>"$1" 2>&1 </dev/null || true
}

# again_if_silent <tries> <name> <file> <command...>: runs a Wine command whose words go to <file>.
# Now and then Wine ends a program at once with a failure and no word at all, and the same
# command a moment later runs; so when the command fails and <file> stays empty, it says so and
# runs it again, up to <tries> times in all. Returns the last exit code.
again_if_silent() {
    local tries="$1" name="$2" file="$3" rc
    shift 3
    while :; do
        rc=0
        "$@" || rc=$?
        ((rc != 0)) && [[ ! -s "$file" ]] || return "$rc"
        echo "$name: ended with exit code $rc and no message" >&2
        ((--tries > 0)) || return "$rc"
        echo "$name: running it once more" >&2
        sleep 1
    done
}
