// Everything the program needs from outside itself, behind one narrow interface.
// The Win32 build implements it in platform/win32; the unit tests use a fake.
// All text is UTF-8; it becomes UTF-16 only inside the Win32 implementation.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

// YesNoDefaultNo: Enter answers No, for a question whose Yes can lose data.
enum class Buttons { Ok, OkCancel, YesNo, YesNoDefaultNo };
enum class Icon { None, Question, Exclamation, Critical, Information };
// Values as Windows returns them (IDOK, IDCANCEL, IDYES, IDNO).
enum class Answer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };
// Windows show states (SW_SHOWNORMAL, SW_SHOWMAXIMIZED).
enum class ShowState { Normal = 1, Maximized = 3 };
enum class CodePage { Ansi, Oem };

// The setup of a save-file dialog, and of an open-file dialog (which ignores confirmReplace).
struct SaveDialogSetup {
    std::string defaultExtension;  // without the dot: "cmd"
    std::vector<std::pair<std::string, std::string>> filters;  // description, pattern
    std::string initialName;  // "" = none
    // The system asks before a chosen existing file is replaced; No returns to the dialog.
    bool confirmReplace = false;
};

struct Date {
    int year = 0, month = 0, day = 0;
    friend bool operator==(const Date&, const Date&) = default;
};

// The value of a call that gives none back but can still fail.
struct Nothing {};

// How a call to the outside ended: done (with its value), cancelled by the user, or failed (with
// the system's reason, as a sentence the user can read).
template <class T = Nothing>
struct Result {
    enum class Kind { Done, Cancelled, Failed };
    Kind kind = Kind::Done;
    T value{};
    std::string reason;

    static Result done(T v = T{}) { return {Kind::Done, std::move(v), {}}; }
    static Result cancelled() { return {Kind::Cancelled, T{}, {}}; }
    static Result failed(std::string why) { return {Kind::Failed, T{}, std::move(why)}; }
    bool isDone() const { return kind == Kind::Done; }
    bool isCancelled() const { return kind == Kind::Cancelled; }
    bool isFailed() const { return kind == Kind::Failed; }
};

// A started copy run, by which its end is told.
using RunId = std::uint64_t;
// With administrator rights the system asks the user's consent first (the shell's "runas" verb).
enum class Elevation { AsIs, AsAdministrator };

struct RegistryValue {
    std::uint32_t type = 0;  // REG_SZ 1, REG_DWORD 4, ...
    std::vector<std::uint8_t> data;  // exactly the bytes the registry returned
};

class Platform {
public:
    virtual ~Platform() = default;

    // A modal message box owned by the program's active window.
    virtual Answer messageBox(std::string_view title, std::string_view text, Buttons, Icon) = 0;
    // The standard save-file dialog, owned by the main window: the chosen path.
    virtual Result<std::string> saveFileDialog(const SaveDialogSetup&) = 0;
    // The standard open-file dialog, owned by the main window: the chosen path of an existing file.
    virtual Result<std::string> openFileDialog(const SaveDialogSetup&) = 0;
    // The shell's folder picker (file-system folders only), owned by the main window: the chosen
    // folder's full path, however long.
    virtual Result<std::string> browseForFolder(std::string_view title) = 0;
    // Starts a program without waiting and without keeping a handle.
    virtual Result<> startProcess(const std::string& application, const std::string& commandLine, ShowState) = 0;
    // Starts a copy run without waiting, keeping it so that its end is told to the run-end
    // handler (once, on the window's thread, never from another). Cancelled when the user
    // declined the consent prompt for administrator rights.
    virtual Result<RunId> startRun(const std::string& application, const std::string& commandLine, ShowState,
                                   Elevation) = 0;
    // Who hears of each run's end, with the run's exit code.
    virtual void setRunEndedHandler(std::function<void(RunId, std::uint32_t exitCode)>) = 0;
    // Whether the program itself runs with administrator rights (an elevated token).
    virtual bool elevated() = 0;
    // The time now in the user's short time format, without seconds: "14:32".
    virtual std::string timeOfDay() = 0;
    // Makes the window's taskbar button flash when the window is not in front.
    virtual void drawAttention() = 0;
    // The shell's "open" verb on a document or address; the system shows no message of its own.
    virtual Result<> shellOpen(const std::string& target) = 0;
    // Length in bytes; nullopt when the file is missing or cannot be read.
    virtual std::optional<std::uint64_t> fileLength(const std::string& path) = 0;
    virtual bool fileExists(const std::string& path) = 0;
    virtual bool folderExists(const std::string& path) = 0;
    // Folder of the running executable, without a trailing backslash except for a drive root.
    virtual std::string programFolder() = 0;
    // A value under HKEY_LOCAL_MACHINE, opened for reading; nullopt when key or value is missing.
    // An REG_EXPAND_SZ comes back expanded, with its type.
    virtual std::optional<RegistryValue> readMachineRegistry(const std::string& key, const std::string& value) = 0;
    virtual Date today() = 0;
    // Today's date in the user's short-date format, as the system writes it.
    virtual std::string shortDateText() = 0;
    // Whether the user's locale reads the text as a number (VarR8FromStr on Windows).
    virtual bool isLocaleNumber(const std::string& text) = 0;
    // The text in the given code page; nullopt when a character has no exact equivalent there.
    virtual std::optional<std::string> encode(const std::string& utf8, CodePage) = 0;
    // The UTF-8 text of bytes written in the given code page; nullopt when they are not text there.
    virtual std::optional<std::string> decode(const std::string& bytes, CodePage) = 0;
    // The first bytes of a file, at most `most` of them.
    virtual Result<std::string> readFile(const std::string& path, std::size_t most) = 0;
    // Writes the whole file as a new file in the same folder and moves it over the old one,
    // so a failure never leaves a half-written file.
    virtual Result<> replaceFile(const std::string& path, const std::string& bytes) = 0;
    // Whether the system's high-contrast mode is on: the user has chosen colours of their own, and
    // every program is to draw in them instead of fixed ones.
    virtual bool highContrast() = 0;
    // Ends the program at once; nothing is saved and no window is unloaded.
    virtual void endProgram() = 0;
};

}  // namespace platform
