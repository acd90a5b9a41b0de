#!/usr/bin/env bash
# Fails unless the shipped program is hardened as the Windows build asks: ASLR with the
# high-entropy address space and no executable data (PE header), no link time in the header,
# stack canaries in the program's own code (checked in many places, without libssp's setup), every
# shipped source compiled with the canaries and with checked string functions at an optimising
# level, a combination the toolchain's headers are seen to act on.
# Usage: check_hardening.sh <Windows build folder>
set -u
win=${1:?usage: check_hardening.sh <Windows build folder>}
exe=$win/ZentrovaKV.exe map=$win/ZentrovaKV.map commands=$win/compile_commands.json
for f in "$exe" "$map" "$commands"; do
    [ -f "$f" ] || { echo "FAIL: $f is missing; run make build-win" >&2; exit 1; }
done
. "$(dirname "${BASH_SOURCE[0]}")/release_lib.sh"
header=$("$OBJDUMP" -p "$exe")

for flag in DYNAMIC_BASE HIGH_ENTROPY_VA NX_COMPAT; do
    if sed -n '/^DllCharacteristics/,/^SizeOfStackReserve/p' <<<"$header" | grep -qw "$flag"; then
        ok "DllCharacteristics has $flag"
    else
        bad "DllCharacteristics lacks $flag"
    fi
done

# The COFF header's TimeDateStamp: 4 bytes at 8 past the PE signature, whose offset is at 0x3c.
pe=$(head -c 64 "$exe" | tail -c 4 | bytes | awk '{ v += $1 * 256 ^ (NR - 1) } END { print v }')
stamp=$(tail -c +$((pe + 8 + 1)) "$exe" | head -c 4 | bytes | awk '{ v += $1 * 256 ^ (NR - 1) } END { print v }')
[ "$stamp" = 0 ] && ok "link time stamp is 0" || bad "link time stamp is $stamp, not 0"

# Static: the runtime's own DLLs must not be needed beside the program.
dlls=$(awk '/DLL Name:/ { print $3 }' <<<"$header" | xargs)
if grep -qiE 'libssp|libgcc|libstdc|libwinpthread' <<<"$dlls"; then bad "imports a runtime DLL: $dlls"; else ok "imports only $dlls"; fi

# The program is stripped; its link map names where __stack_chk_fail landed, and the disassembly
# counts the calls to it. The canary is the program's own (StackGuard.cpp): libssp's, whose setup
# loads the CryptoAPI at every start, stays out.
if grep -q 'libssp\.a(ssp\.o)' "$map"; then bad "libssp's canary setup is linked in"; else ok "libssp's canary setup is not linked in"; fi
fail_at=$(awk '$2 == "__stack_chk_fail" && $1 ~ /^0x/ { sub(/^0x0*/, "", $1); print $1; exit }' "$map")
calls=0
[ -n "$fail_at" ] && calls=$("$OBJDUMP" -d "$exe" | grep -cE "call +(0x)?0*$fail_at\b")
# One guarded function would make one call; the program's many functions with local buffers
# make far more.
[ "$calls" -ge 20 ] && ok "__stack_chk_fail is called from $calls places" ||
    bad "__stack_chk_fail is called from $calls places (expected at least 20)"

# Every shipped source is compiled with the canaries and the checked functions, optimised.
total=$(grep -c '"command"' "$commands")
for flag in -fstack-protector-strong -D_FORTIFY_SOURCE=2 '-O[1-3s]'; do
    with=$(grep '"command"' "$commands" | grep -cE -- " $flag ")
    [ "$total" -gt 0 ] && [ "$with" = "$total" ] && ok "$with of $total compiles use $flag" ||
        bad "$with of $total compiles use $flag"
done
# The same compiler with the same flags turns a copy of unknown length into a fixed buffer into
# the checked copy.
first=$(grep -m1 '"command"' "$commands")
compiler=$(sed 's/.*"command": "\([^ ]*\) .*/\1/' <<<"$first")
flags=$(grep -oE -- ' (-O[1-3s]|-D_FORTIFY_SOURCE=[0-9]|-fstack-protector-strong)' <<<"$first" | xargs)
probe='#include <cstring>
void keep(char*); void copy(const char* s, std::size_t n) { char b[16]; std::memcpy(b, s, n); keep(b); }'
if "$compiler" $flags -S -x c++ -o - - <<<"$probe" | grep -q '__memcpy_chk'; then
    ok "with $flags the headers check copies (__memcpy_chk)"
else
    bad "with $flags a copy into a fixed buffer is not checked"
fi
exit $fail
