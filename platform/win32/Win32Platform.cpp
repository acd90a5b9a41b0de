#include "platform/win32/Win32Platform.h"

#include <commdlg.h>
#include <objbase.h>
#include <oleauto.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <memory>
#include <string>
#include <utility>

#include "platform/win32/Utf.h"

namespace win32 {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::CodePage;
using platform::Icon;

// Owns a kernel handle; both null and INVALID_HANDLE_VALUE mean "none".
class UniqueHandle {
public:
    UniqueHandle() noexcept = default;
    explicit UniqueHandle(HANDLE h) noexcept : h_(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
    ~UniqueHandle() { close(); }
    UniqueHandle(UniqueHandle&& other) noexcept : h_(std::exchange(other.h_, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            close();
            h_ = std::exchange(other.h_, nullptr);
        }
        return *this;
    }
    HANDLE get() const noexcept { return h_; }
    // Gives the handle up to the caller, who closes it.
    HANDLE release() noexcept { return std::exchange(h_, nullptr); }
    explicit operator bool() const noexcept { return h_ != nullptr; }
    // Closes now; false when the system reports a failure (for a file: data may not have been written).
    bool close() noexcept {
        HANDLE h = std::exchange(h_, nullptr);
        return !h || CloseHandle(h);
    }

private:
    HANDLE h_ = nullptr;
};

// Owns an open registry key.
class UniqueKey {
public:
    explicit UniqueKey(HKEY k) noexcept : k_(k) {}
    ~UniqueKey() {
        if (k_) RegCloseKey(k_);
    }
    UniqueKey(const UniqueKey&) = delete;
    UniqueKey& operator=(const UniqueKey&) = delete;
    HKEY get() const noexcept { return k_; }

private:
    HKEY k_;
};

// A new file that is deleted again, after its handle is closed, unless it is kept.
struct TemporaryFile {
    UniqueHandle handle;
    std::wstring name;
    bool kept = false;

    TemporaryFile() = default;
    TemporaryFile(TemporaryFile&& other) noexcept
        : handle(std::move(other.handle)), name(std::exchange(other.name, {})), kept(other.kept) {}
    TemporaryFile& operator=(TemporaryFile&&) = delete;
    ~TemporaryFile() {
        handle.close();
        if (!kept && !name.empty()) DeleteFileW(name.c_str());
    }
};

// An item list returned by the shell, released with CoTaskMemFree from the lazily loaded ole32.
struct ItemListFree {
    decltype(::CoTaskMemFree)* free = nullptr;
    void operator()(ITEMIDLIST* item) const noexcept { free(item); }
};
using UniqueItemList = std::unique_ptr<ITEMIDLIST, ItemListFree>;

// The last part of a path: the name that the system's texts put in their "%1".
std::wstring fileNameOf(std::wstring_view path) {
    size_t slash = path.find_last_of(L"\\/");
    return std::wstring(slash == std::wstring_view::npos ? path : path.substr(slash + 1));
}

// The system's own text for an error code, without the line break it ends with. Some texts name
// the file they concern as "%1" ("Bad EXE format for %1."): the file's name goes there.
std::string systemErrorText(DWORD code, std::wstring_view path = {}) {
    wchar_t buffer[1024];
    DWORD n = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, buffer,
                             static_cast<DWORD>(std::size(buffer)), nullptr);
    std::wstring text(buffer, n);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) text.pop_back();
    const std::wstring name = path.empty() ? std::wstring(L"the file") : fileNameOf(path);
    for (size_t at = text.find(L"%1"); at != std::wstring::npos; at = text.find(L"%1", at + name.size()))
        text.replace(at, 2, name);
    // A failure always says something the user can quote.
    if (text.empty()) return "Error " + std::to_string(code);
    return narrow(text);
}

std::string lastErrorText(std::wstring_view path = {}) { return systemErrorText(GetLastError(), path); }

// The common dialogs report their own codes (CDERR_*, FNERR_*), which the system's message
// table does not hold.
std::string dialogErrorText(DWORD code) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%04lX", static_cast<unsigned long>(code));
    return std::string("The file dialog could not be shown (common dialog error ") + hex + ").";
}

// The text with each %NAME% of the environment put in, as the system does for REG_EXPAND_SZ.
std::wstring expandEnvironment(const std::wstring& text) {
    std::wstring expanded(ExpandEnvironmentStringsW(text.c_str(), nullptr, 0), L'\0');
    const DWORD n = ExpandEnvironmentStringsW(text.c_str(), expanded.data(), static_cast<DWORD>(expanded.size()));
    if (n == 0 || n > expanded.size()) return text;
    expanded.resize(n - 1);  // less the final NUL
    return expanded;
}

// The longest path Windows has, in UTF-16 units with the final NUL.
constexpr DWORD kLongestPath = 32768;
constexpr const char* kFolderWithoutPath = "The chosen folder has no path that robocopy.exe could use.";

UINT messageBoxFlags(Buttons buttons, Icon icon) {
    UINT flags = 0;
    switch (buttons) {
        case Buttons::Ok: flags = MB_OK; break;
        case Buttons::OkCancel: flags = MB_OKCANCEL; break;
        case Buttons::YesNo: flags = MB_YESNO; break;
        case Buttons::YesNoDefaultNo: flags = MB_YESNO | MB_DEFBUTTON2; break;
    }
    switch (icon) {
        case Icon::None: break;
        case Icon::Question: flags |= MB_ICONQUESTION; break;
        case Icon::Exclamation: flags |= MB_ICONEXCLAMATION; break;
        case Icon::Critical: flags |= MB_ICONHAND; break;
        case Icon::Information: flags |= MB_ICONINFORMATION; break;
    }
    return flags;
}

// The answer that leaves everything as it is, for a box that could not be shown.
Answer safeAnswer(Buttons buttons) {
    switch (buttons) {
        case Buttons::OkCancel: return Answer::Cancel;
        case Buttons::YesNo:
        case Buttons::YesNoDefaultNo: return Answer::No;
        case Buttons::Ok: break;
    }
    return Answer::Ok;
}

std::optional<WIN32_FILE_ATTRIBUTE_DATA> fileAttributes(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(widen(path).c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    return data;
}

bool isFile(const WIN32_FILE_ATTRIBUTE_DATA& data) { return (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0; }

// Creates a file that did not exist before in the target's folder (the final move must not cross
// volumes), under a short name of its own: a suffix on the target's name could take that name
// past the 255 characters a name may have. On failure the handle is empty and the last error set.
TemporaryFile createTemporaryBeside(const std::wstring& target) {
    static unsigned counter = 0;
    const size_t end = target.find_last_of(L"\\/:");
    const std::wstring folder = end == std::wstring::npos ? std::wstring() : target.substr(0, end + 1);
    const std::wstring stem = folder + L"~zkv" + std::to_wstring(GetCurrentProcessId()) + L".";
    TemporaryFile file;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::wstring name = stem + std::to_wstring(++counter) + L".tmp";
        file.handle = UniqueHandle(
            CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file.handle) {
            file.name = std::move(name);
            return file;
        }
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) break;
    }
    return file;
}

// Sets the last error on failure.
bool writeAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr)) return false;
        if (written == 0) {
            SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

// Whether the text is well-formed UTF-8 (so that nothing was replaced on the way to UTF-16).
bool isValidUtf8(const std::string& text) {
    return MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()), nullptr, 0) >
        0;
}

}  // namespace

Win32Platform::~Win32Platform() {
    if (!comJoined_) return;
    if (auto uninitialize = ole32_.function<decltype(::CoUninitialize)>("CoUninitialize")) uninitialize();
}

HWND Win32Platform::owner() const noexcept {
    HWND active = GetActiveWindow();
    return active ? active : main_;
}

void Win32Platform::ensureCom() noexcept {
    if (comTried_) return;
    comTried_ = true;
    auto initialize = ole32_.function<decltype(::CoInitializeEx)>("CoInitializeEx");
    if (!initialize) return;
    // S_FALSE (already joined) also has to be balanced; RPC_E_CHANGED_MODE leaves a usable apartment.
    comJoined_ = SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
}

Answer Win32Platform::messageBox(std::string_view title, std::string_view text, Buttons buttons, Icon icon) {
    const int pressed = MessageBoxW(owner(), widen(text).c_str(), widen(title).c_str(), messageBoxFlags(buttons, icon));
    if (pressed == 0) return safeAnswer(buttons);
    return static_cast<Answer>(pressed);
}

platform::Result<std::string> Win32Platform::saveFileDialog(const platform::SaveDialogSetup& setup) {
    return fileDialog(setup, true);
}

platform::Result<std::string> Win32Platform::openFileDialog(const platform::SaveDialogSetup& setup) {
    return fileDialog(setup, false);
}

platform::Result<std::string> Win32Platform::fileDialog(const platform::SaveDialogSetup& setup, bool save) {
    using Chosen = platform::Result<std::string>;
    ensureCom();
    auto show = save ? comdlg32_.function<decltype(::GetSaveFileNameW)>("GetSaveFileNameW")
                     : comdlg32_.function<decltype(::GetOpenFileNameW)>("GetOpenFileNameW");
    auto dialogError = comdlg32_.function<decltype(::CommDlgExtendedError)>("CommDlgExtendedError");
    if (!show || !dialogError) return Chosen::failed(lastErrorText(L"comdlg32.dll"));

    // description NUL pattern NUL ... NUL: the string's own terminator adds the final NUL.
    std::wstring filter;
    for (const auto& [description, pattern] : setup.filters) {
        filter += widen(description);
        filter += L'\0';
        filter += widen(pattern);
        filter += L'\0';
    }
    filter += L'\0';

    std::string_view extension = setup.defaultExtension;
    if (!extension.empty() && extension.front() == '.') extension.remove_prefix(1);
    const std::wstring defaultExtension = widen(extension);

    std::wstring file(32768, L'\0');
    const std::wstring initial = widen(setup.initialName);
    initial.copy(file.data(), std::min(initial.size(), file.size() - 1));

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner();
    dialog.lpstrFilter = setup.filters.empty() ? nullptr : filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrDefExt = defaultExtension.empty() ? nullptr : defaultExtension.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
        (save ? (setup.confirmReplace ? OFN_OVERWRITEPROMPT : 0) : OFN_FILEMUSTEXIST);
    if (show(&dialog)) return Chosen::done(narrow(file.c_str()));
    // The dialog says why it failed only here; no code at all means the user cancelled.
    const DWORD code = dialogError();
    if (code == 0) return Chosen::cancelled();
    return Chosen::failed(dialogErrorText(code));
}

platform::Result<std::string> Win32Platform::browseForFolder(std::string_view title) {
    using Chosen = platform::Result<std::string>;
    ensureCom();
    auto browse = shell32_.function<decltype(::SHBrowseForFolderW)>("SHBrowseForFolderW");
    auto taskMemFree = ole32_.function<decltype(::CoTaskMemFree)>("CoTaskMemFree");
    if (!browse || !taskMemFree) return Chosen::failed(lastErrorText(L"shell32.dll"));

    const std::wstring wideTitle = widen(title);
    wchar_t displayName[MAX_PATH] = {};
    BROWSEINFOW info{};
    info.hwndOwner = owner();  // modal: the window cannot be used while the picker is open
    info.pidlRoot = nullptr;
    info.pszDisplayName = displayName;
    info.lpszTitle = wideTitle.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;

    UniqueItemList item(browse(&info), ItemListFree{taskMemFree});
    if (!item) return Chosen::cancelled();
    const std::optional<std::wstring> path = folderPath(item.get());
    if (!path) return Chosen::failed(kFolderWithoutPath);
    return Chosen::done(narrow(*path));
}

std::optional<std::wstring> Win32Platform::folderPath(const ITEMIDLIST* item) {
    auto pathOf = shell32_.function<decltype(::SHGetPathFromIDListEx)>("SHGetPathFromIDListEx");
    auto bindToParent = shell32_.function<decltype(::SHBindToParent)>("SHBindToParent");
    auto strRetToBuf = shlwapi_.function<decltype(::StrRetToBufW)>("StrRetToBufW");
    if (!pathOf || !bindToParent || !strRetToBuf) return std::nullopt;

    // The list's items, each ended where the next begins; the list ends with a zero size.
    std::vector<size_t> ends;
    const auto* bytes = reinterpret_cast<const BYTE*>(item);
    for (size_t at = 0;;) {
        USHORT size = 0;
        std::memcpy(&size, bytes + at, sizeof size);
        if (size == 0) break;
        at += size;
        ends.push_back(at);
    }
    // The first n items, as a list of their own.
    const auto prefix = [&](size_t n) {
        std::vector<BYTE> list(bytes, bytes + (n ? ends[n - 1] : 0));
        list.resize(list.size() + sizeof(USHORT), 0);
        return list;
    };
    std::wstring path(kLongestPath, L'\0');
    const auto wholePath = [&](const std::vector<BYTE>& list) -> std::optional<std::wstring> {
        if (!pathOf(reinterpret_cast<PCIDLIST_ABSOLUTE>(list.data()), path.data(), kLongestPath, GPFIDL_DEFAULT))
            return std::nullopt;
        return std::wstring(path.c_str());
    };
    // Some shells (Wine's among them) cut a path at MAX_PATH without a word. A path that long is
    // built from the longest leading part that comes back shorter, then each further folder's name.
    size_t whole = ends.size();  // items taken whole; none for the desktop itself
    std::optional<std::wstring> result = wholePath(prefix(whole));
    while (result && result->size() >= MAX_PATH - 1 && whole > 0) result = wholePath(prefix(--whole));
    if (!result) return std::nullopt;  // not a file-system folder
    for (size_t n = whole + 1; n <= ends.size(); ++n) {
        const std::vector<BYTE> list = prefix(n);
        IShellFolder* parent = nullptr;
        PCUITEMID_CHILD last = nullptr;
        if (FAILED(bindToParent(reinterpret_cast<PCIDLIST_ABSOLUTE>(list.data()), IID_IShellFolder,
                                reinterpret_cast<void**>(&parent), &last)))
            return std::nullopt;
        STRRET name{};
        const HRESULT named = parent->GetDisplayNameOf(last, SHGDN_INFOLDER | SHGDN_FORPARSING, &name);
        wchar_t text[MAX_PATH] = {};  // one name is at most 255 characters
        const bool ok = SUCCEEDED(named) && SUCCEEDED(strRetToBuf(&name, last, text, MAX_PATH));
        parent->Release();
        if (!ok) return std::nullopt;
        if (result->empty() || result->back() != L'\\') *result += L'\\';
        *result += text;
    }
    return result;
}

namespace {

// Starts the program in a console of its own, in the show state; its process handle, or null
// with the system's error left for GetLastError.
UniqueHandle createProcess(const std::wstring& program, const std::string& commandLine, platform::ShowState show) {
    std::wstring command = widen(commandLine);  // CreateProcessW may write into it
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(show);
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(program.empty() ? nullptr : program.c_str(), command.data(), nullptr, nullptr, FALSE,
                        CREATE_NEW_CONSOLE, nullptr, nullptr, &startup, &started))
        return {};
    UniqueHandle thread(started.hThread);
    return UniqueHandle(started.hProcess);
}

}  // namespace

platform::Result<> Win32Platform::startProcess(const std::string& application, const std::string& commandLine,
                                               platform::ShowState show) {
    const std::wstring program = widen(application);
    // The program runs on its own; nothing of it is kept.
    if (!createProcess(program, commandLine, show)) return platform::Result<>::failed(lastErrorText(program));
    return platform::Result<>::done();
}

namespace {

// The arguments after the program's own (the first), which the command line starts with: quoted
// up to the next quote, or else up to the first blank, as the system reads the program's name.
std::wstring argumentsAfterProgram(const std::wstring& commandLine) {
    size_t at = 0;
    if (!commandLine.empty() && commandLine[0] == L'"') {
        at = commandLine.find(L'"', 1);
        at = at == std::wstring::npos ? commandLine.size() : at + 1;
    } else {
        at = std::min(commandLine.find_first_of(L" \t"), commandLine.size());
    }
    while (at < commandLine.size() && (commandLine[at] == L' ' || commandLine[at] == L'\t')) ++at;
    return commandLine.substr(at);
}

}  // namespace

platform::Result<platform::RunId> Win32Platform::startRun(const std::string& application,
                                                          const std::string& commandLine, platform::ShowState show,
                                                          platform::Elevation elevation) {
    using Started = platform::Result<platform::RunId>;
    const std::wstring program = widen(application);
    HANDLE process = nullptr;
    if (elevation == platform::Elevation::AsAdministrator) {
        ensureCom();
        auto shellExecuteEx = shell32_.function<decltype(::ShellExecuteExW)>("ShellExecuteExW");
        if (!shellExecuteEx) return Started::failed(lastErrorText(program));
        const std::wstring arguments = argumentsAfterProgram(widen(commandLine));
        SHELLEXECUTEINFOW run{};
        run.cbSize = sizeof run;
        run.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
        run.hwnd = owner();
        run.lpVerb = L"runas";
        run.lpFile = program.c_str();
        run.lpParameters = arguments.c_str();
        run.nShow = static_cast<int>(show);
        if (!shellExecuteEx(&run)) {
            if (GetLastError() == ERROR_CANCELLED) return Started::cancelled();
            return Started::failed(lastErrorText(program));
        }
        process = run.hProcess;
    } else {
        UniqueHandle started = createProcess(program, commandLine, show);
        if (!started) return Started::failed(lastErrorText(program));
        process = started.release();
    }
    // A run whose end cannot be watched still runs; it is only not reported.
    return Started::done(runs_.watch(process));
}

bool Win32Platform::elevated() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
    UniqueHandle owned(token);
    TOKEN_ELEVATION elevation{};
    DWORD size = 0;
    return GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size) &&
        elevation.TokenIsElevated != 0;
}

std::string Win32Platform::timeOfDay() {
    wchar_t text[64];
    const int n = GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, TIME_NOSECONDS, nullptr, nullptr, text, 64);
    return n > 1 ? narrow(std::wstring(text, n - 1)) : std::string();
}

void Win32Platform::drawAttention() {
    HWND window = main_;
    if (!window) return;
    // In front already when the window in front is one of ours (the main window, the About box).
    DWORD front = 0;
    GetWindowThreadProcessId(GetForegroundWindow(), &front);
    if (front == GetCurrentProcessId()) return;
    FLASHWINFO flash{};
    flash.cbSize = sizeof flash;
    flash.hwnd = window;
    flash.dwFlags = FLASHW_ALL | FLASHW_TIMERNOFG;  // until the window comes to the front
    FlashWindowEx(&flash);
}

platform::Result<> Win32Platform::shellOpen(const std::string& target) {
    ensureCom();
    auto shellExecuteEx = shell32_.function<decltype(::ShellExecuteExW)>("ShellExecuteExW");
    if (!shellExecuteEx) return platform::Result<>::failed(lastErrorText(L"shell32.dll"));
    const std::wstring file = widen(target);
    SHELLEXECUTEINFOW open{};
    open.cbSize = sizeof open;
    // The caller tells the user what failed, with the address; the shell is not to say it too.
    open.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    open.hwnd = owner();
    open.lpVerb = L"open";
    open.lpFile = file.c_str();
    open.nShow = SW_SHOWNORMAL;
    if (!shellExecuteEx(&open)) return platform::Result<>::failed(lastErrorText());
    return platform::Result<>::done();
}

std::optional<std::uint64_t> Win32Platform::fileLength(const std::string& path) {
    const auto data = fileAttributes(path);
    if (!data || !isFile(*data)) return std::nullopt;
    return (static_cast<std::uint64_t>(data->nFileSizeHigh) << 32) | data->nFileSizeLow;
}

bool Win32Platform::fileExists(const std::string& path) {
    const auto data = fileAttributes(path);
    return data && isFile(*data);
}

bool Win32Platform::folderExists(const std::string& path) {
    const auto data = fileAttributes(path);
    return data && !isFile(*data);
}

std::string Win32Platform::programFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        if (path.size() > 65536) return {};
        path.resize(path.size() * 2);  // cut short: try again with more room
    }
    const size_t slash = path.rfind(L'\\');
    if (slash == std::wstring::npos) return {};
    // "C:\prog.exe" lives in "C:\", not in "C:" (which would mean the current folder of drive C).
    const bool driveRoot = slash > 0 && path[slash - 1] == L':';
    path.resize(driveRoot ? slash + 1 : slash);
    return narrow(path);
}

std::optional<platform::RegistryValue> Win32Platform::readMachineRegistry(const std::string& key,
                                                                          const std::string& value) {
    HKEY opened = nullptr;
    // Read access only: a standard user may not ask for more under HKEY_LOCAL_MACHINE.
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, widen(key).c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return std::nullopt;
    UniqueKey open(opened);

    std::uint8_t buffer[1024] = {};
    DWORD size = sizeof buffer;
    DWORD type = 0;
    if (RegQueryValueExW(open.get(), widen(value).c_str(), nullptr, &type, buffer, &size) != ERROR_SUCCESS)
        return std::nullopt;

    platform::RegistryValue result;
    result.type = type;
    if (type != REG_SZ && type != REG_EXPAND_SZ) {
        result.data.assign(buffer, buffer + size);
        return result;
    }
    std::wstring text(size / sizeof(wchar_t), L'\0');
    std::memcpy(text.data(), buffer, text.size() * sizeof(wchar_t));
    if (!text.empty() && text.back() == L'\0') text.pop_back();
    if (type == REG_EXPAND_SZ) text = expandEnvironment(text);
    const std::string utf8 = narrow(text);
    result.data.assign(utf8.begin(), utf8.end());
    return result;
}

platform::Date Win32Platform::today() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay};
}

std::string Win32Platform::shortDateText() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    const int n = GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &now, nullptr, nullptr, 0, nullptr);
    if (n <= 0) return {};
    std::wstring text(static_cast<size_t>(n), L'\0');
    const int written =
        GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &now, nullptr, text.data(), n, nullptr);
    if (written <= 0) return {};
    text.resize(static_cast<size_t>(written) - 1);  // without the terminating NUL
    return narrow(text);
}

bool Win32Platform::isLocaleNumber(const std::string& text) {
    // The conversion stops at a NUL; a text with one inside is no number.
    if (text.find('\0') != std::string::npos) return false;
    auto varR8FromStr = oleaut32_.function<decltype(::VarR8FromStr)>("VarR8FromStr");
    if (!varR8FromStr) return false;
    std::wstring wide = widen(text);  // some headers declare the argument without const
    double number = 0;
    return SUCCEEDED(varR8FromStr(wide.data(), LOCALE_USER_DEFAULT, 0, &number));
}

std::optional<std::string> Win32Platform::encode(const std::string& utf8, CodePage page) {
    if (utf8.empty()) return std::string{};
    if (!isValidUtf8(utf8)) return std::nullopt;
    const UINT codePage = page == CodePage::Ansi ? GetACP() : GetOEMCP();
    const std::wstring wide = widen(utf8);
    const int length = static_cast<int>(wide.size());

    // A system that runs on UTF-8 takes every character; that code page refuses the best-fit flag.
    const bool utf8Page = codePage == CP_UTF8;
    const DWORD flags = utf8Page ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* usedDefaultOut = utf8Page ? nullptr : &usedDefault;

    const int n = WideCharToMultiByte(codePage, flags, wide.data(), length, nullptr, 0, nullptr, usedDefaultOut);
    if (n <= 0 || usedDefault) return std::nullopt;
    std::string bytes(static_cast<size_t>(n), '\0');
    if (WideCharToMultiByte(codePage, flags, wide.data(), length, bytes.data(), n, nullptr, usedDefaultOut) != n ||
        usedDefault)
        return std::nullopt;

    // Reading the bytes back must give the same text, or a character was swapped for a look-alike.
    const int m = MultiByteToWideChar(codePage, 0, bytes.data(), n, nullptr, 0);
    if (m <= 0) return std::nullopt;
    std::wstring back(static_cast<size_t>(m), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), n, back.data(), m);
    if (back != wide) return std::nullopt;
    return bytes;
}

std::optional<std::string> Win32Platform::decode(const std::string& bytes, CodePage page) {
    if (bytes.empty()) return std::string{};
    const UINT codePage = page == CodePage::Ansi ? GetACP() : GetOEMCP();
    const int length = static_cast<int>(bytes.size());
    const int n = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), length, nullptr, 0);
    if (n <= 0) return std::nullopt;
    std::wstring wide(static_cast<size_t>(n), L'\0');
    if (MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), length, wide.data(), n) != n)
        return std::nullopt;
    return narrow(wide);
}

platform::Result<std::string> Win32Platform::readFile(const std::string& path, std::size_t most) {
    using Read = platform::Result<std::string>;
    const std::wstring name = widen(path);
    UniqueHandle file(CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return Read::failed(lastErrorText(name));
    std::string bytes(most, '\0');
    size_t got = 0;
    while (got < most) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(most - got, 1u << 20));
        DWORD read = 0;
        if (!ReadFile(file.get(), bytes.data() + got, chunk, &read, nullptr)) return Read::failed(lastErrorText(name));
        if (read == 0) break;
        got += read;
    }
    bytes.resize(got);
    return Read::done(std::move(bytes));
}

platform::Result<> Win32Platform::replaceFile(const std::string& path, const std::string& bytes) {
    using Written = platform::Result<>;
    const std::wstring target = widen(path);
    // Windows refuses to move over a read-only file; say so before writing anything, the same on
    // every file system (Wine, for one, lets the move through).
    const DWORD existing = GetFileAttributesW(target.c_str());
    if (existing != INVALID_FILE_ATTRIBUTES && (existing & FILE_ATTRIBUTE_READONLY))
        return Written::failed(systemErrorText(ERROR_ACCESS_DENIED, target));

    TemporaryFile temporary = createTemporaryBeside(target);  // gone again unless the move succeeds
    if (!temporary.handle) return Written::failed(lastErrorText(target));
    HANDLE file = temporary.handle.get();
    if (!writeAll(file, bytes)) return Written::failed(lastErrorText(target));
    if (!FlushFileBuffers(file)) return Written::failed(lastErrorText(target));
    if (!temporary.handle.close()) return Written::failed(lastErrorText(target));
    if (!MoveFileExW(temporary.name.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return Written::failed(lastErrorText(target));
    temporary.kept = true;
    return Written::done();
}

bool Win32Platform::highContrast() {
    HIGHCONTRASTW setting{};
    setting.cbSize = sizeof setting;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0) &&
        (setting.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

void Win32Platform::endProgram() { ExitProcess(0); }

void Win32Platform::completeFolderNames(HWND edit) {
    ensureCom();  // the completion is a COM object of the shell's
    if (auto complete = shlwapi_.function<decltype(::SHAutoComplete)>("SHAutoComplete"))
        complete(edit, SHACF_FILESYS_DIRS);
}

Win32Platform::Drop Win32Platform::takeDrop(HDROP drop) {
    Drop d;
    auto query = shell32_.function<decltype(::DragQueryFileW)>("DragQueryFileW");
    auto point = shell32_.function<decltype(::DragQueryPoint)>("DragQueryPoint");
    auto finish = shell32_.function<decltype(::DragFinish)>("DragFinish");
    const UINT count = query ? query(drop, 0xFFFFFFFF, nullptr, 0) : 0;
    for (UINT i = 0; i < count; ++i) {
        std::wstring path(query(drop, i, nullptr, 0) + 1, L'\0');
        path.resize(query(drop, i, path.data(), static_cast<UINT>(path.size())));
        d.paths.push_back(narrow(path));
    }
    if (point) point(drop, &d.point);
    // DragFinish is what frees a drop; without the shell the memory is freed as it would.
    if (finish)
        finish(drop);
    else
        GlobalFree(drop);
    return d;
}

}  // namespace win32
