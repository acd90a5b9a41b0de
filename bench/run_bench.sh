#!/usr/bin/env bash
# make bench: how long Zentrova KV takes under Wine to become ready for input, and how much memory it
# holds then, against a reference program that only loads the common controls 6 and shows one empty
# tab control in a window of the same size (bench/reference.cpp). That reference is the floor every
# window built from these controls pays, so the ratio says what our own start-up adds.
#
# What it needs (built by the Windows build; nothing is compiled here):
#   build/win/ZentrovaKV.exe       the program                      (override: BENCH_PROGRAM)
#   build/win/zkv_reference.exe    the reference program            (override: BENCH_REFERENCE)
#   build/win/startmeter.exe       the meter, bench/startmeter.cpp  (override: BENCH_METER)
#   build/win/robocopy_standin.exe the engine beside the program (override: BENCH_STANDIN); when it
#                                  is missing, a zero-filled file of the engine's size stands in
#                                  (the program only checks the size at start-up)
# Other settings:
#   BENCH_RUNS=21                  runs per program
#   BENCH_CPU=0                    the one CPU that every Wine process of the bench runs on (see below);
#                                  BENCH_CPU=any leaves them wherever the system puts them
#   BENCH_TITLE="Zentrova KV"      title of the program's window (BENCH_REFERENCE_TITLE likewise)
#
# What it does: copies the two programs into build/bench/program and build/bench/reference (the
# program with its engine beside it), starts Xvfb on a free display, uses the Wine prefix
# build/bench/prefix (made once with wineboot --init), starts each program three times to warm up
# (the first starts after the prefix's services come up are slow for both, unevenly), then runs
# startmeter, which alternates the two programs and times each from CreateProcessW until its window
# exists, is visible and has answered a message. It prints the per-run lines, the medians (ms, KB of
# private memory) and the ratios program / reference, with the fastest runs beside them, then the
# size of ZentrovaKV.exe and the DLLs it imports. All of this also goes to
# build/bench/results.txt (removed first, so that a failed bench leaves no old figures behind); the
# warm-up's output is in build/bench/warmup.txt.
#
# Exit code: non-zero when something is missing or a program fails to start or to show its window.
# The ratios are reported, never judged: they vary from machine to machine and run to run, so compare
# figures taken in one run only.
#
# Why one CPU: under Wine nearly every window call is a request to the wineserver process and a
# wait for its answer. When the program and the server run on two CPUs, each answer has to wake the
# other CPU, and on the virtual machines this project is built on that costs several times the call
# itself, and unevenly: the same step of the same start took ten times as long in one run as in the
# next, the reference's median moved between 100 and 160 ms from one bench to the next, the
# reference against itself gave ratios from 0.81 to 1.21, and a program that makes more window
# calls than the reference was charged for the machine's wake-ups rather than for its own work.
# With the program, the server and the prefix's services on one CPU (taskset) the answers come
# without waking anything: the reference against itself gives 1.00, and seven benches in a row
# gave start-up ratios within 0.15 of one another (unpinned, within 0.4). Xvfb is left free, as a
# display server on a desktop is.
# Both programs always run under the same conditions; BENCH_CPU=any shows the figures without
# pinning (then take more runs, BENCH_RUNS=41, on an otherwise idle machine).
#
# Checking the bench itself: the reference against itself should give ratios near 1.00:
#   BENCH_PROGRAM=build/win/zkv_reference.exe BENCH_TITLE="Zentrova Reference" bash bench/run_bench.sh
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
win="$repo/build/win"
out="$repo/build/bench"
program="${BENCH_PROGRAM:-$win/ZentrovaKV.exe}"
reference="${BENCH_REFERENCE:-$win/zkv_reference.exe}"
meter="${BENCH_METER:-$win/startmeter.exe}"
standin="${BENCH_STANDIN:-$win/robocopy_standin.exe}"
title="${BENCH_TITLE:-Zentrova KV}"
reference_title="${BENCH_REFERENCE_TITLE:-Zentrova Reference}"
runs="${BENCH_RUNS:-21}"
cpu="${BENCH_CPU:-0}"
engine_size="$(cat "$win/engine-size.txt" 2>/dev/null)" || fail "no $win/engine-size.txt (make build-win writes it)"

fail() { echo "bench: $*" >&2; exit 1; }

[[ "$runs" =~ ^[1-9][0-9]*$ ]] || fail "BENCH_RUNS must be a positive number, not '$runs'"
# Every Wine command of the bench goes through on_cpu, so that the server it starts, the services
# and the programs all inherit the one CPU.
if [ "$cpu" = any ]; then
    on_cpu() { "$@"; }
    placement="Wine's processes on any CPU"
else
    [[ "$cpu" =~ ^[0-9]+$ ]] && [ "$cpu" -lt "$(nproc)" ] ||
        fail "BENCH_CPU must be 'any' or a CPU number below $(nproc), not '$cpu'"
    command -v taskset >/dev/null 2>&1 || fail "taskset is missing (Debian's util-linux has it)"
    on_cpu() { taskset -c "$cpu" "$@"; }
    placement="Wine's processes on CPU $cpu, Xvfb on any"
fi
for f in "$program" "$reference" "$meter"; do
    [ -f "$f" ] || fail "$f is missing; build the Windows programs first (make build-win)"
done
for tool in wine wineserver wineboot Xvfb xwininfo x86_64-w64-mingw32-objdump; do
    command -v "$tool" >/dev/null 2>&1 || fail "$tool is missing (make setup installs it)"
done

rm -f "$out/results.txt"
# The programs run from their own folders: the program needs its engine beside it.
mkdir -p "$out/program" "$out/reference"
program_exe="$out/program/$(basename "$program")"
reference_exe="$out/reference/$(basename "$reference")"
cp "$program" "$program_exe"
cp "$reference" "$reference_exe"
cp "$meter" "$out/startmeter.exe"
if [ -f "$standin" ]; then
    cp "$standin" "$out/program/robocopy.exe"
else
    : >"$out/program/robocopy.exe"
fi
truncate -s "$engine_size" "$out/program/robocopy.exe"

export WINEPREFIX="$out/prefix"
# shellcheck source=scripts/wine_lib.sh
. "$repo/scripts/wine_lib.sh"

# The process ids of this prefix's wineservers.
prefix_servers() {
    local p
    for p in $(pgrep -x wineserver64; pgrep -x wineserver); do
        grep -qzx "WINEPREFIX=$WINEPREFIX" "/proc/$p/environ" 2>/dev/null && echo "$p"
    done
    return 0
}
# Whether a wineserver of this prefix is still running (it lingers a moment after -k).
prefix_server_running() { [ -n "$(prefix_servers)" ]; }
# Stops every process of the prefix and waits until its server is gone, so that the next wine
# command does not meet a server that is shutting down.
stop_prefix() {
    timeout 30 wineserver -k >/dev/null 2>&1 || true
    for _ in $(seq 150); do
        prefix_server_running || return 0
        sleep 0.1
    done
}

cleanup() {
    stop_prefix
    stop_xvfb
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# A display of our own, so that nothing else on the machine shares the X server with the runs.
start_xvfb 120 /dev/null || fail "could not start Xvfb on a free display"

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "bench: preparing the Wine prefix $WINEPREFIX (once)"
    prepare_prefix /dev/null || fail "wineboot --init failed"
    timeout 120 wineserver -w || true
fi
# The dialog font a user's window is designed with, as the tests and make run have it.
bash "$repo/scripts/wine_fonts.sh" standard >/dev/null || fail "cannot set up the prefix's fonts"
timeout 120 wineserver -w || true
# Leftovers of an interrupted bench would share the measurements.
prefix_server_running && stop_prefix
# One wineserver for the whole bench, with the prefix's services already up, so that no run pays
# for starting them. Their output goes nowhere: they outlive the command that starts them, and would
# keep a pipe to this script open.
on_cpu timeout 30 wineserver -p >/dev/null 2>&1 </dev/null || true
on_cpu timeout 120 wine cmd /c exit >/dev/null 2>&1 </dev/null || true
# The figures mean nothing if the server escaped the pinning (one left over from elsewhere, say).
if [ "$cpu" != any ]; then
    for p in $(prefix_servers); do
        allowed="$(awk '/^Cpus_allowed_list/ {print $2}' "/proc/$p/status")"
        [ "$allowed" = "$cpu" ] || fail "the prefix's wineserver runs on CPUs $allowed, not on CPU $cpu"
    done
fi

winpath() { printf 'Z:%s' "${1//\//\\}"; }
meter_win="$(winpath "$out/startmeter.exe")"
program_win="$(winpath "$program_exe")"
reference_win="$(winpath "$reference_exe")"

# startmeter's exit code tells whether every program became ready; give each run a generous bound.
# Its output goes to a file, not a pipe: Wine's helper processes may inherit the descriptor.
run_meter() {  # runs output-file
    local bound=$((60 + $1 * 2 * 45))
    (cd "$out" && on_cpu timeout "$bound" wine "$meter_win" "$program_win" "$title" "$1" "$reference_win" \
        "$reference_title" >"$2" 2>&1 </dev/null)
}

echo "bench: warming up (three starts of each program)"
if ! run_meter 3 "$out/warmup.txt"; then
    cat "$out/warmup.txt" >&2
    fail "a program failed to start during the warm-up"
fi

results="$out/results.txt"
{
    echo "Zentrova KV start-up under Wine ($(wine --version 2>/dev/null || echo wine))," \
        "$(date -u '+%Y-%m-%d %H:%M UTC')"
    echo "program 1: $program_exe (window \"$title\")"
    echo "program 2: $reference_exe (window \"$reference_title\")"
    echo "$runs runs each, alternating; time from CreateProcessW until the window has answered a message"
    echo "$placement"
} >"$results"
cat "$results"

status=0
# Once in a while wine itself ends at once, silently, before the meter has started: that is no
# failure of the programs, so it is tried once more.
again_if_silent 2 "bench: the meter" "$out/startmeter.txt" run_meter "$runs" "$out/startmeter.txt" || status=$?
tee -a "$results" <"$out/startmeter.txt"
if [ "$status" -ne 0 ]; then
    fail "a program failed to start (startmeter exit code $status)"
fi

{
    echo "size of $(basename "$program"): $(stat -c %s "$program") bytes"
    echo "DLLs it imports:"
    x86_64-w64-mingw32-objdump -p "$program" | grep 'DLL Name' | sed 's/^[[:space:]]*/  /'
} | tee -a "$results"
echo "bench: results written to $results"
