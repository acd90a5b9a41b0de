// For the DLLs that scenarios load into the program to stand in for an answer of the system that
// Wine does not give: the program's import of a function is pointed at another.
#pragma once

#include <windows.h>

namespace import_patch {

// Where the program's import table holds the function's address (an import from that DLL, or
// from any when dll is null); null when it does not import it.
inline void** slotOf(void* function, const char* dll = nullptr) {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
    const auto* nt =
        reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* d = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); d->Name; ++d) {
        if (dll && lstrcmpiA(reinterpret_cast<const char*>(base + d->Name), dll) != 0) continue;
        for (auto* t = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk); t->u1.Function; ++t)
            if (reinterpret_cast<void*>(t->u1.Function) == function) return reinterpret_cast<void**>(&t->u1.Function);
    }
    return nullptr;
}

// Writes an address into an import slot.
inline void put(void** at, void* value) {
    DWORD old = 0;
    VirtualProtect(at, sizeof *at, PAGE_READWRITE, &old);
    *at = value;
    VirtualProtect(at, sizeof *at, old, &old);
}

}  // namespace import_patch
