# shellcheck shell=bash
# The scenario's one kvdriver (sourced by lib.sh): started once, it takes every `drv` command on
# its standard input, so that a query costs a message and not a Wine process. See
# driver_session.cpp for the protocol. Needs SCRATCH, DRIVER and run_closed.
#
# The two FIFOs stay open in this shell for reading and writing both, so that no open blocks, a
# driver started again (also from a command substitution's subshell) finds the same FIFOs, and a
# driver that died is seen as such (no answer, and its process gone) rather than as an end of file.

DRV_REQ="$SCRATCH/drv.req"
DRV_REP="$SCRATCH/drv.rep"
DRV_PIDFILE="$SCRATCH/drv.pid"
# How long one command may take before the session is taken for hung (each command has its own
# shorter timeouts, 30 s at most; this only catches a driver that stopped answering).
DRV_ANSWER_S=60
mkfifo "$DRV_REQ" "$DRV_REP"
exec {DRV_W}<>"$DRV_REQ" {DRV_R}<>"$DRV_REP"

# Whether the session's driver runs (a process that ended but was not yet reaped does not). Reads
# with builtins only: it runs before every command.
drv_alive() {
    local pid='' stat=''
    { read -r pid <"$DRV_PIDFILE"; } 2>/dev/null && [[ -n "$pid" ]] || return 1
    { read -r stat <"/proc/$pid/stat"; } 2>/dev/null || return 1
    stat="${stat##*) }"
    [[ "${stat:0:1}" != Z ]]
}

# Copies a file to standard output without starting a program.
drv_show() {
    local text=''
    IFS= read -r -d '' text <"$1" || true
    printf '%s' "$text"
}

# How long a new driver may take to say that it runs. Now and then the first Wine program of a
# new session never gets that far; another one started then does.
DRV_READY_S=25

# Starts a driver on the FIFOs and waits until it says it runs; one that does not within
# DRV_READY_S seconds is ended and another started, three times in all. The background subshell
# becomes the driver (exec), so that the process id kept is the driver's own.
drv_session_start() {
    local out err try waited reply
    out="$(winpath "$SCRATCH/out")"
    err="$(winpath "$SCRATCH/err")"
    for try in 1 2 3; do
        (
            close_above_2
            exec wine "$DRIVER" serve "$out" "$err"
        ) <"$DRV_REQ" >"$DRV_REP" 2>"$SCRATCH/drv.stderr" &
        echo "$!" >"$DRV_PIDFILE"
        waited=0
        while ((waited < DRV_READY_S)); do
            if IFS= read -r -t 1 reply <&"$DRV_R"; then
                [[ "$reply" == ready ]] && return 0
                continue  # a late answer for a driver given up on
            fi
            drv_alive || break
            waited=$((waited + 1))
        done
        echo "kvdriver: a new driver did not start within ${waited} s (try $try of 3)" >&2
        sed 's/^/  its stderr: /' "$SCRATCH/drv.stderr" >&2
        drv_session_end
    done
    return 1
}

# Throws away what a driver that died or was given up on left in the FIFOs: requests it never
# read (a driver started later would run them), kept in DRV_UNREAD, and answers nobody waits for.
drv_drain() {
    local junk
    DRV_UNREAD=''
    while IFS= read -r -t 0.05 junk; do DRV_UNREAD+="$junk"$'\n'; done <"$DRV_REQ"
    while IFS= read -r -t 0.05 junk <&"$DRV_R"; do :; done
}

# Ends the session's driver: asked to quit, ended when it does not within 5 s.
drv_session_end() {
    local pid='' i
    if drv_alive; then
        read -r pid <"$DRV_PIDFILE"
        printf 'end\tquit\n' >&"$DRV_W"
        for ((i = 0; i < 100; i++)); do
            drv_alive || break
            sleep 0.05
        done
        drv_alive && kill -9 "$pid" 2>/dev/null
    fi
    rm -f "$DRV_PIDFILE"
    drv_drain
}

# drv_request <command> [arguments...]: sends one request and waits for its answer. Returns 0 when
# answered (the exit code in DRV_RC, the output in $SCRATCH/out and err), 1 when the driver ended
# without answering, 2 when it gave no answer in DRV_ANSWER_S seconds.
drv_request() {
    local token="$BASHPID.$RANDOM.$EPOCHREALTIME" line a reply waited=0
    DRV_TOKEN="$token"
    line="$token"
    for a in "$@"; do
        a="${a//\\/\\\\}"
        a="${a//$'\t'/\\t}"
        a="${a//$'\n'/\\n}"
        a="${a//$'\r'/\\r}"
        line+=$'\t'"$a"
    done
    printf '%s\n' "$line" >&"$DRV_W"
    while :; do
        if IFS= read -r -t 1 reply <&"$DRV_R"; then
            [[ "$reply" == "$token "* ]] || continue  # a late answer to a request given up on
            DRV_RC="${reply#"$token "}"
            return 0
        fi
        drv_alive || return 1
        ((++waited < DRV_ANSWER_S)) || return 2
    done
}

# The variables a started program reads from its environment (ZKV_*) as this shell has them now,
# asked for before a start.
drv_env_request() {
    local name vars=()
    for name in $(compgen -e); do
        [[ "$name" == ZKV_* ]] && vars+=("$name=${!name}")
    done
    drv_request setenv ZKV_ "${vars[@]}" || return
    [[ "$DRV_RC" == 0 ]] || return 0  # answered: why it failed is in the error file
    drv_request "$@"
}

# drv_session <tries> <command> [arguments...]: the command through the session, started when
# none runs. A driver that ends without an answer is started again, and the command asked again
# when it never read it (then it did nothing; up to 3 times), or else when <tries> allows.
drv_session() {
    local tries="$1" unread=3 rc
    shift
    while :; do
        drv_alive || drv_session_start || return 1
        rc=0
        if [[ "$1" == start ]]; then drv_env_request "$@" || rc=$?; else drv_request "$@" || rc=$?; fi
        case "$rc" in
        0)
            drv_show "$SCRATCH/out"
            drv_show "$SCRATCH/err" >&2
            return "$DRV_RC"
            ;;
        2)
            echo "kvdriver $1: no answer within $DRV_ANSWER_S s; the driver is ended" >&2
            drv_session_end
            return 1
            ;;
        esac
        echo "kvdriver $1: the driver ended without an answer" >&2
        sed 's/^/  its stderr: /' "$SCRATCH/drv.stderr" >&2
        drv_session_end
        if [[ $'\n'"$DRV_UNREAD" == *$'\n'"$DRV_TOKEN"$'\t'* ]] && ((--unread > 0)); then
            echo "kvdriver $1: it had not read the command; asking a new driver" >&2
            continue
        fi
        ((--tries > 0)) || return 1
        echo "kvdriver $1: asking a new driver once more" >&2
    done
}
