#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer and the address and undefined-behaviour
# sanitizers in a build folder of their own, then runs each target for a bounded time.
#   tests/fuzz/run_fuzz.sh [SECONDS]     seconds per target, 10 unless given (make fuzz: 60)
# Settings: FUZZ_CXX (clang++-14, else clang++), FUZZ_BUILD (build/fuzz), FUZZ_JOBS (2).
# Each target keeps its corpus in FUZZ_BUILD/corpus/<target>, so later runs start from what
# earlier ones found; an input that breaks a target is kept as FUZZ_BUILD/artifacts/<target>-*
# and can be replayed with: FUZZ_BUILD/zkv_fuzz_<target> <that file>.
# Exit code: non-zero when the build fails or any target finds a failing input.
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
seconds="${1:-10}"
build="${FUZZ_BUILD:-$repo/build/fuzz}"
jobs="${FUZZ_JOBS:-2}"

fail() { echo "fuzz: $*" >&2; exit 1; }
[[ "$seconds" =~ ^[1-9][0-9]*$ ]] || fail "SECONDS must be a positive number, not '$seconds'"
cxx="${FUZZ_CXX:-}"
if [ -z "$cxx" ]; then
    cxx="$(command -v clang++-14 || command -v clang++ || true)"
fi
[ -n "$cxx" ] || fail "no clang++ found (make setup installs clang-14 and libclang-rt-14-dev)"

timeout 300 cmake -S "$repo/tests/fuzz" -B "$build" -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_BUILD_TYPE= >/dev/null \
    || fail "configuring $build failed"
timeout 900 cmake --build "$build" -j"$jobs" >"$build/build.log" 2>&1 || { tail -30 "$build/build.log" >&2; fail "build failed"; }

# The targets as the fuzz build lists them.
read -r -a targets <<<"$(tr ';' ' ' <"$build/targets.txt")"
mkdir -p "$build/artifacts"
passed=0 failed=0
for t in "${targets[@]}"; do
    corpus="$build/corpus/$t"
    mkdir -p "$corpus"
    log="$build/$t.log"
    status=0
    timeout $((seconds + 120)) "$build/zkv_fuzz_$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$build/artifacts/$t-" -print_final_stats=1 "$corpus" >"$log" 2>&1 || status=$?
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)"
    if [ "$status" -eq 0 ]; then
        echo "fuzz: $t passed: ${runs:-?} inputs in ${seconds}s, corpus $(ls "$corpus" | wc -l)"
        passed=$((passed + 1))
    else
        echo "fuzz: $t FAILED (exit $status); the end of $log:" >&2
        tail -40 "$log" >&2
        failed=$((failed + 1))
    fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
