// Loaded into the program by the administrator's-copy scenario (kvdriver inject): from then on the
// program hears that its token is not elevated, as a standard user's or an administrator's
// without "Run as administrator" is. Wine starts every process elevated, so the other way cannot
// be seen there without a stand-in for the answer.
//
// It also stands in for the consent prompt, which Wine never shows: every ShellExecuteExW call of
// the program is written to the file named by ZKV_RUNAS_RECORD ("verb=... file=... parameters=..."
// lines), and while a file of that name plus ".decline" exists the call fails as a declined prompt
// does (ERROR_CANCELLED); otherwise it goes on to the system. The program looks ShellExecuteExW up
// when it needs it, so its lookup is what is stood in for.
#include <windows.h>
#include <shellapi.h>

#include <cstring>
#include <string>

#include "import_patch.h"

namespace {

using TokenInfoFunction = BOOL(WINAPI*)(HANDLE, TOKEN_INFORMATION_CLASS, LPVOID, DWORD, PDWORD);
using LookupFunction = FARPROC(WINAPI*)(HMODULE, LPCSTR);
using ShellExecuteExFunction = BOOL(WINAPI*)(SHELLEXECUTEINFOW*);

struct Patch {
    void** slot = nullptr;
    void* original = nullptr;
};
Patch tokenInfo, lookup;
ShellExecuteExFunction realShellExecuteEx = nullptr;

BOOL WINAPI notElevated(HANDLE token, TOKEN_INFORMATION_CLASS what, LPVOID data, DWORD size, PDWORD needed) {
    const BOOL ok = reinterpret_cast<TokenInfoFunction>(tokenInfo.original)(token, what, data, size, needed);
    if (ok && what == TokenElevation && data) static_cast<TOKEN_ELEVATION*>(data)->TokenIsElevated = 0;
    return ok;
}

std::wstring environment(const wchar_t* name) {
    wchar_t value[32768];
    const DWORD n = GetEnvironmentVariableW(name, value, 32768);
    return n > 0 && n < 32768 ? std::wstring(value, n) : std::wstring();
}

void appendUtf8(const std::wstring& path, const std::wstring& text) {
    const int n =
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), n, nullptr, nullptr);
    HANDLE f = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
    if (f == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(f);
}

BOOL WINAPI recordedShellExecuteEx(SHELLEXECUTEINFOW* info) {
    const std::wstring record = environment(L"ZKV_RUNAS_RECORD");
    if (!record.empty()) {
        appendUtf8(record,
                   std::wstring(L"verb=") + (info->lpVerb ? info->lpVerb : L"") + L"\nfile=" +
                       (info->lpFile ? info->lpFile : L"") + L"\nparameters=" +
                       (info->lpParameters ? info->lpParameters : L"") + L"\nshow=" + std::to_wstring(info->nShow) +
                       L"\n");
        if (GetFileAttributesW((record + L".decline").c_str()) != INVALID_FILE_ATTRIBUTES) {
            SetLastError(ERROR_CANCELLED);
            return FALSE;
        }
    }
    return realShellExecuteEx(info);
}

FARPROC WINAPI standInLookup(HMODULE module, LPCSTR name) {
    const FARPROC found = reinterpret_cast<LookupFunction>(lookup.original)(module, name);
    if (found && HIWORD(reinterpret_cast<ULONG_PTR>(name)) != 0 && std::strcmp(name, "ShellExecuteExW") == 0) {
        realShellExecuteEx = reinterpret_cast<ShellExecuteExFunction>(reinterpret_cast<void*>(found));
        return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&recordedShellExecuteEx));
    }
    return found;
}

bool install(Patch& p, const wchar_t* dll, const char* name, void* replacement) {
    p.original = reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(dll), name));
    p.slot = p.original ? import_patch::slotOf(p.original) : nullptr;
    if (!p.slot) return false;
    import_patch::put(p.slot, replacement);
    return true;
}

void uninstall(Patch& p) {
    if (p.slot) import_patch::put(p.slot, p.original);
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        // The program asks for both; nothing to stand in for otherwise.
        if (!install(tokenInfo, L"advapi32.dll", "GetTokenInformation", reinterpret_cast<void*>(&notElevated)))
            return FALSE;
        if (!install(lookup, L"kernel32.dll", "GetProcAddress", reinterpret_cast<void*>(&standInLookup))) {
            uninstall(tokenInfo);
            return FALSE;
        }
    } else if (reason == DLL_PROCESS_DETACH) {
        uninstall(lookup);
        uninstall(tokenInfo);
    }
    return TRUE;
}
