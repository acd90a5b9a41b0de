// Loaded into the program by the high-contrast scenario (kvdriver inject): from then on the
// program hears from SystemParametersInfoW that the system's high-contrast mode is on, until the
// DLL is unloaded again. Wine always answers that it is off, whatever the user's settings say; the
// program's own reading of the answer, its colours and its redrawing run unchanged.
#include <windows.h>

namespace {

using SpiFunction = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT);

SpiFunction original = nullptr;
void** slot = nullptr;  // the program's import of SystemParametersInfoW

BOOL WINAPI highContrastOn(UINT action, UINT param, PVOID data, UINT winIni) {
    const BOOL ok = original(action, param, data, winIni);
    if (ok && action == SPI_GETHIGHCONTRAST && data) static_cast<HIGHCONTRASTW*>(data)->dwFlags |= HCF_HIGHCONTRASTON;
    return ok;
}

// Where the module's import table holds the address of that function of that DLL.
void** importSlot(HMODULE module, const char* dll, void* function) {
    auto* base = reinterpret_cast<BYTE*>(module);
    const auto* nt =
        reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* d = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); d->Name; ++d) {
        if (lstrcmpiA(reinterpret_cast<const char*>(base + d->Name), dll) != 0) continue;
        for (auto* t = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk); t->u1.Function; ++t)
            if (reinterpret_cast<void*>(t->u1.Function) == function) return reinterpret_cast<void**>(&t->u1.Function);
    }
    return nullptr;
}

void put(void** at, void* value) {
    DWORD old = 0;
    VirtualProtect(at, sizeof *at, PAGE_READWRITE, &old);
    *at = value;
    VirtualProtect(at, sizeof *at, old, &old);
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        original = reinterpret_cast<SpiFunction>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SystemParametersInfoW")));
        slot =
            original ? importSlot(GetModuleHandleW(nullptr), "user32.dll", reinterpret_cast<void*>(original)) : nullptr;
        if (!slot) return FALSE;  // the program does not ask: nothing to stand in for
        put(slot, reinterpret_cast<void*>(&highContrastOn));
    } else if (reason == DLL_PROCESS_DETACH && slot) {
        put(slot, reinterpret_cast<void*>(original));
    }
    return TRUE;
}
