// The stack canary's value, and what ends the program when a canary or a checked copy finds memory
// overwritten. libssp has both, but its start-up asks the CryptoAPI for the value, which loads three
// more DLLs on every start, before wWinMain restricts where DLLs may come from, and costs start-up
// time and memory. Defining these symbols here keeps that part of libssp out of the link; libssp
// still supplies the checked copies (__memcpy_chk and the like) when a call needs one.
#include <windows.h>
#include <cpuid.h>

#include <cstdint>

namespace {

// Ends the process at once, as Windows ends a program whose canary is broken: no exception
// handler, atexit function or destructor runs, since the stack they would use is not to be trusted.
[[noreturn]] void failFast(unsigned code) {
    if (IsProcessorFeaturePresent(PF_FASTFAIL_AVAILABLE)) __asm__ volatile("int $0x29" : : "c"(code));
    TerminateProcess(GetCurrentProcess(), STATUS_STACK_BUFFER_OVERRUN);
    __builtin_trap();
}

std::uint64_t mix(std::uint64_t x) {  // splitmix64's finaliser: every input bit reaches every output bit
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9u;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBu;
    return x ^ (x >> 31);
}

__attribute__((target("rdrnd"))) std::uint64_t hardwareRandom() {
    unsigned a, b, c, d;
    unsigned long long value = 0;
    if (__get_cpuid(1, &a, &b, &c, &d) && (c & bit_RDRND))
        for (int tries = 0; tries < 10 && !__builtin_ia32_rdrand64_step(&value); ++tries) {}
    return value;
}

}  // namespace

extern "C" {

// Read by every guarded function on entry and compared on its return.
std::uintptr_t __stack_chk_guard;

[[noreturn]] void __stack_chk_fail() { failFast(FAST_FAIL_STACK_COOKIE_CHECK_FAILURE); }
[[noreturn]] void __chk_fail() { failFast(FAST_FAIL_RANGE_CHECK_FAILURE); }

}  // extern "C"

namespace {

// Runs before any of the program's own code (the runtime calls constructors before wWinMain), and
// is itself unguarded: the value changes under it. The processor's random number where it has
// one, mixed with what the Visual C++ runtime mixes into its security cookie, none of which loads
// a DLL: the time, the process and thread, the performance counter, and the stack's and the
// program's addresses, both placed at random.
__attribute__((constructor, no_stack_protector)) void seedStackGuard() {
    FILETIME time;
    GetSystemTimeAsFileTime(&time);
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    std::uint64_t seed = mix(hardwareRandom());
    seed = mix(seed ^ (std::uint64_t{time.dwHighDateTime} << 32 | time.dwLowDateTime));
    seed = mix(seed ^ (std::uint64_t{GetCurrentProcessId()} << 32 | GetCurrentThreadId()));
    seed = mix(seed ^ static_cast<std::uint64_t>(counter.QuadPart));
    seed = mix(seed ^ reinterpret_cast<std::uintptr_t>(&time) ^ reinterpret_cast<std::uintptr_t>(&seedStackGuard));
    // A zero low byte stops a runaway string copy from writing the canary back as it was.
    __stack_chk_guard = seed & ~std::uintptr_t{0xFF};
}

}  // namespace
