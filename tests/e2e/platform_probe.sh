#!/usr/bin/env bash
# The Win32 platform layer on its own, under Wine: files (a command file past 260 characters
# among them), encodings, the registry, numbers, dates, process start, and with the window
# system the message box and the two shell dialogs. platform_probe prints one line per check.
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

probe="$WIN_BUILD/platform_probe.exe"
[[ -f "$probe" ]] || fail "missing $probe (run make build first)"
folder='C:\zkv\probe'
mkdir -p "$(unix_path "$folder")"
cp -f "$probe" "$(unix_path "$folder")/platform_probe.exe"
rc=0
run_closed timeout 100 wine "$folder\\platform_probe.exe" --expect-folder "$folder" --gui \
    >"$SCRATCH/probe.out" 2>"$SCRATCH/probe.err" </dev/null || rc=$?
cat "$SCRATCH/probe.out"
((rc == 0)) || fail "platform_probe ended with $rc: $(cat "$SCRATCH/probe.err")"
grep -q '^0 failed' "$SCRATCH/probe.out" || fail "platform_probe did not finish"
