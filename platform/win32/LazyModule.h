// A system DLL that is loaded only when one of its functions is first needed.
// Dialog, shell and COM libraries cost start-up time under every loader, and most runs never
// open a dialog, so the program does not import them; it looks their functions up here.
#pragma once

#include <windows.h>

namespace win32 {

class LazyModule {
public:
    // name: a DLL of the system folder, as "shell32.dll"; searched there only, never beside the program.
    explicit LazyModule(const wchar_t* name) noexcept : name_(name) {}
    ~LazyModule() {
        if (module_) FreeLibrary(module_);
    }
    LazyModule(const LazyModule&) = delete;
    LazyModule& operator=(const LazyModule&) = delete;

    // The export as a typed function pointer, F being the function's type (decltype(::SomeFunctionW));
    // nullptr when the DLL or the export is missing. The pointer lives as long as this object.
    template <class F>
    F* function(const char* exportName) noexcept {
        HMODULE m = handle();
        if (!m) return nullptr;
        FARPROC p = GetProcAddress(m, exportName);
        if (!p) return nullptr;
        // Through void(*)() so that the compiler accepts the change of function type.
        return reinterpret_cast<F*>(reinterpret_cast<void (*)()>(p));
    }

    // Whether the DLL could be loaded (loads it on the first call).
    bool available() noexcept { return handle() != nullptr; }

private:
    HMODULE handle() noexcept {
        if (!tried_) {
            tried_ = true;
            module_ = LoadLibraryExW(name_, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        }
        return module_;
    }

    const wchar_t* name_;
    HMODULE module_ = nullptr;
    bool tried_ = false;
};

}  // namespace win32
