// Loaded into the program by the high-contrast scenario (kvdriver inject): from then on the
// program hears from SystemParametersInfoW that the system's high-contrast mode is on, until the
// DLL is unloaded again. Wine always answers that it is off, whatever the user's settings say; the
// program's own reading of the answer, its colours and its redrawing run unchanged.
#include <windows.h>

#include "import_patch.h"

namespace {

using SpiFunction = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT);

SpiFunction original = nullptr;
void** slot = nullptr;  // the program's import of SystemParametersInfoW

BOOL WINAPI highContrastOn(UINT action, UINT param, PVOID data, UINT winIni) {
    const BOOL ok = original(action, param, data, winIni);
    if (ok && action == SPI_GETHIGHCONTRAST && data) static_cast<HIGHCONTRASTW*>(data)->dwFlags |= HCF_HIGHCONTRASTON;
    return ok;
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        original = reinterpret_cast<SpiFunction>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SystemParametersInfoW")));
        slot = original ? import_patch::slotOf(reinterpret_cast<void*>(original), "user32.dll") : nullptr;
        if (!slot) return FALSE;  // the program does not ask: nothing to stand in for
        import_patch::put(slot, reinterpret_cast<void*>(&highContrastOn));
    } else if (reason == DLL_PROCESS_DETACH && slot) {
        import_patch::put(slot, reinterpret_cast<void*>(original));
    }
    return TRUE;
}
