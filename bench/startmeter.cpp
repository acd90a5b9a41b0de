// Measures how long two GUI programs take to become ready for input, and how much memory they
// hold at that moment, by starting them in turn.
//
//   startmeter.exe <exe1> <title1> <runs> <exe2> <title2>
//
// Each round starts program 1 and then program 2. A program is ready for input when a visible
// top-level window with exactly the given title belongs to its process and that window has
// answered a message; the time runs from CreateProcessW to that moment. Memory is the private
// bytes at that moment (the page-file bytes when the system reports no private figure). The
// program is then closed with WM_CLOSE, and terminated if it is still running after 3 s.
//
// Prints one line per run, the medians per program and the ratios program 1 / program 2, and beside
// them the fastest run of each. (No processor time: for another process Wine 8's GetProcessTimes
// gives figures that grow from run to run, not that process's own.)
// Exit code: 0 when every run became ready, 2 when a program failed to start or to show its
// window, 1 on a usage error.
#include <windows.h>
#include <mmsystem.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <fcntl.h>
#include <io.h>
#include <string>
#include <vector>

namespace {

constexpr DWORD kInputIdleMs = 10000;
constexpr DWORD kWindowDeadlineMs = 30000;
constexpr UINT kAnswerTimeoutMs = 5000;
constexpr DWORD kCloseGraceMs = 3000;

// Owns a kernel handle.
class Handle {
public:
    explicit Handle(HANDLE h = nullptr) : h_(h) {}
    ~Handle() {
        if (h_) CloseHandle(h_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return h_; }

private:
    HANDLE h_;
};

struct Program {
    std::wstring exe;
    std::wstring title;
    std::vector<double> ms;
    std::vector<double> privateKb;
    std::vector<double> workingSetKb;
};

struct Sample {
    double ms = 0;
    SIZE_T privateBytes = 0;
    SIZE_T workingSetBytes = 0;
    const char* closedBy = "";
};

double ticksToMs(LONGLONG ticks) {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    return static_cast<double>(ticks) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

LONGLONG now() {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t.QuadPart;
}

std::string narrow(const std::wstring& w) {
    int n = WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (n <= 1) return {};
    std::string s(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, s.data(), n, nullptr, nullptr);
    s.resize(static_cast<size_t>(n - 1));  // without the terminating zero
    return s;
}

std::wstring folderOf(const std::wstring& path) {
    auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

std::wstring fileNameOf(const std::wstring& path) {
    auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

// The visible top-level window with exactly this title that belongs to this process, if any.
HWND findWindowOf(DWORD processId, const std::wstring& title) {
    HWND hwnd = nullptr;
    while ((hwnd = FindWindowExW(nullptr, hwnd, nullptr, title.c_str())) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(hwnd, &owner);
        if (owner == processId && IsWindowVisible(hwnd)) return hwnd;
    }
    return nullptr;
}

// Polls every millisecond until the program's window exists and has answered a message.
HWND waitUntilReady(HANDLE process, DWORD processId, const std::wstring& title) {
    LONGLONG deadline = now();
    for (;;) {
        if (HWND hwnd = findWindowOf(processId, title)) {
            DWORD_PTR result = 0;
            if (SendMessageTimeoutW(hwnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &result)) return hwnd;
        }
        if (WaitForSingleObject(process, 0) == WAIT_OBJECT_0) return nullptr;  // ended without a window
        if (ticksToMs(now() - deadline) > kWindowDeadlineMs) return nullptr;
        Sleep(1);
    }
}

SIZE_T privateBytesOf(HANDLE process, SIZE_T* workingSet) {
    PROCESS_MEMORY_COUNTERS_EX pmc{};
    pmc.cb = sizeof(pmc);
    if (!GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&pmc), sizeof(pmc))) {
        *workingSet = 0;
        return 0;
    }
    *workingSet = pmc.WorkingSetSize;
    return pmc.PrivateUsage ? pmc.PrivateUsage : pmc.PagefileUsage;
}

// Closes the program the way a person would, and makes sure it is gone.
const char* closeProgram(HANDLE process, HWND hwnd) {
    PostMessageW(hwnd, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process, kCloseGraceMs) == WAIT_OBJECT_0) return "closed";
    TerminateProcess(process, 1);
    WaitForSingleObject(process, 5000);
    return "terminated";
}

// Starts one program, measures it and closes it. False when it never became ready.
bool measure(const Program& p, Sample& out) {
    std::wstring commandLine = L"\"" + p.exe + L"\"";
    std::wstring folder = folderOf(p.exe);
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};

    LONGLONG start = now();
    if (!CreateProcessW(p.exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &si, &pi)) {
        std::printf("cannot start %s (error %lu)\n", narrow(p.exe).c_str(), GetLastError());
        return false;
    }
    Handle process(pi.hProcess), thread(pi.hThread);

    WaitForInputIdle(process.get(), kInputIdleMs);
    HWND hwnd = waitUntilReady(process.get(), pi.dwProcessId, p.title);
    LONGLONG ready = now();
    if (!hwnd) {
        DWORD code = 0;
        GetExitCodeProcess(process.get(), &code);
        std::printf("%s showed no ready window titled \"%s\" (%s, exit code %lu)\n", narrow(p.exe).c_str(),
                    narrow(p.title).c_str(), code == STILL_ACTIVE ? "still running" : "ended", code);
        if (code == STILL_ACTIVE) {
            TerminateProcess(process.get(), 1);
            WaitForSingleObject(process.get(), 5000);
        }
        return false;
    }
    out.ms = ticksToMs(ready - start);
    out.privateBytes = privateBytesOf(process.get(), &out.workingSetBytes);
    out.closedBy = closeProgram(process.get(), hwnd);
    return true;
}

double median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double ratio(double a, double b) { return b > 0 ? a / b : 0; }

}  // namespace

int wmain(int argc, wchar_t** argv) {
    // Plain LF line ends, so that the shell script that reads this output sees no CRs.
    _setmode(_fileno(stdout), _O_BINARY);
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    if (argc != 6) {
        std::printf("usage: startmeter.exe <exe1> <title1> <runs> <exe2> <title2>\n");
        return 1;
    }
    int runs = _wtoi(argv[3]);
    if (runs < 1) {
        std::printf("runs must be a positive number\n");
        return 1;
    }
    timeBeginPeriod(1);  // Sleep(1) really sleeps about a millisecond, also on Windows
    Program programs[2];
    programs[0].exe = argv[1];
    programs[0].title = argv[2];
    programs[1].exe = argv[4];
    programs[1].title = argv[5];

    for (int run = 1; run <= runs; ++run) {
        for (int i = 0; i < 2; ++i) {
            Program& p = programs[i];
            Sample s;
            if (!measure(p, s)) return 2;
            p.ms.push_back(s.ms);
            p.privateKb.push_back(static_cast<double>(s.privateBytes) / 1024.0);
            p.workingSetKb.push_back(static_cast<double>(s.workingSetBytes) / 1024.0);
            std::printf("run %2d  program %d  %-24s %9.1f ms  private %8.0f KB  working set %8.0f KB  %s\n", run, i + 1,
                        narrow(fileNameOf(p.exe)).c_str(), s.ms, p.privateKb.back(), p.workingSetKb.back(), s.closedBy);
            Sleep(100);  // let the ended process's windows and X resources go before the next start
        }
    }

    // The medians are the figures. Other load on the machine only ever adds time, so the fastest
    // runs, shown beside them, say what a start costs when nothing interferes.
    double ms[2], fastest[2], kb[2], ws[2];
    for (int i = 0; i < 2; ++i) {
        const Program& p = programs[i];
        ms[i] = median(p.ms);
        fastest[i] = *std::min_element(p.ms.begin(), p.ms.end());
        kb[i] = median(p.privateKb);
        ws[i] = median(p.workingSetKb);
        std::printf(
            "median  program %d  %-24s %9.1f ms  private %8.0f KB  working set %8.0f KB"
            "  (%d runs, fastest %.1f ms)\n",
            i + 1, narrow(fileNameOf(p.exe)).c_str(), ms[i], kb[i], ws[i], runs, fastest[i]);
    }
    std::printf(
        "ratio   program 1 / program 2: start-up %.2f  private memory %.2f  working set %.2f"
        "  (fastest runs %.2f)\n",
        ratio(ms[0], ms[1]), ratio(kb[0], kb[1]), ratio(ws[0], ws[1]), ratio(fastest[0], fastest[1]));
    return 0;
}
