// Built with the program's hardening and its StackGuard.cpp, run under Wine by check_stack_guard.sh:
//   guard         prints the canary's value
//   smash         a guarded function writes past its buffer and returns
//   copy          a copy longer than its fixed destination
//   child <how>   runs the probe again with <how> and prints how it ended ("exit <code in hex>")
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

extern "C" std::uintptr_t __stack_chk_guard;

namespace {

// Read at run time, so that the compiler cannot see the overrun coming.
volatile std::size_t reach = 64;
char source[256];

__attribute__((noinline)) int smash() {
    char buffer[16];
    for (std::size_t i = 0; i < reach; ++i) buffer[i] = 'x';
    return buffer[3];
}

__attribute__((noinline)) int copy() {
    char buffer[16];
    std::memcpy(buffer, source, reach);
    return buffer[3];
}

// Wine hands a parent only the low byte of a child's exit code; a Windows parent gets all of it.
int child(std::wstring_view how) {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring line = L"probe " + std::wstring(how);
    STARTUPINFOW start{};
    start.cb = sizeof start;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(self, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start, &process)) return 1;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    std::printf("exit %08lx\n", code);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring_view how = argc > 1 ? argv[1] : L"";
    if (how == L"guard") return std::printf("%016llx\n", static_cast<unsigned long long>(__stack_chk_guard)) < 0;
    if (how == L"smash") return smash();
    if (how == L"copy") return copy();
    if (how == L"child" && argc > 2) return child(argv[2]);
    return 2;
}
