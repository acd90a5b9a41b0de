#!/usr/bin/env bash
# Under Wine: the canary differs from start to start and has a zero low byte, and a guarded
# function that overruns its buffer, or a copy longer than its destination, ends the process at
# once with STATUS_STACK_BUFFER_OVERRUN, as on Windows. The probe is built with the program's
# hardening and its StackGuard.cpp.
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"
. "$(dirname "${BASH_SOURCE[0]}")/release_lib.sh"

probe="$WIN_BUILD/stack_guard_probe.exe"
[[ -f "$probe" ]] || fail "missing $probe (run make build first)"
run_probe() { run_closed timeout 60 wine "$probe" "$@" 2>>"$SCRATCH/probe.err" </dev/null | tr -d '\r'; }

a=$(run_probe guard) b=$(run_probe guard)
[[ "$a" =~ ^[0-9a-f]{14}00$ && "$b" =~ ^[0-9a-f]{14}00$ && "$a" != 0000000000000000 ]] &&
    ok "canaries $a and $b: 64 bits, low byte zero" || bad "canaries [$a] and [$b]"
[[ "$a" != "$b" ]] && ok "the canary differs between starts" || bad "the same canary twice: $a"
for overrun in smash copy; do
    expect "$overrun, ended with STATUS_STACK_BUFFER_OVERRUN" "exit c0000409" "$(run_probe child "$overrun")"
done
exit $fail
