# shellcheck shell=bash
# run_closed <command...>: runs the command without the descriptors above 2 that this shell has.
# What Wine starts may live on (Xvfb, the wineserver, Wine's services and desktop, the program)
# and keeps every unix descriptor it inherited open; a pipe held that way makes its reader (ctest,
# a pipeline, a command substitution) wait forever. Callers redirect 0-2 themselves.
run_closed() {
    (
        close_above_2
        exec "$@"
    )
}

# Closes this (sub)shell's descriptors above 2; for a subshell that then runs a program with exec,
# so that the program's process is the one the subshell started as.
close_above_2() {
    local fd
    for fd in "/proc/$BASHPID/fd/"*; do
        fd="${fd##*/}"
        if ((fd > 2)); then eval "exec $fd>&-"; fi
    done
}
