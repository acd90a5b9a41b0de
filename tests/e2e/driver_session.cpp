// A driver session: one kvdriver that takes command after command on its standard input, so that
// a scenario starts one Wine process for all its queries instead of one for each.
//
// A request is one line of tab-separated fields, in UTF-8: a token of the caller's, the command,
// its arguments. In a field "\\" stands for a backslash, "\t" for a tab, "\n" and "\r" for the
// line ends. What the command prints and reports goes to the two files named when the session
// started, replaced at every command; then one line "<token> <exit code>" on standard output says
// that it is done. The session ends at "quit" or when its input ends.
#include "tests/e2e/driver_io.h"

#include <string>
#include <vector>

namespace kv {
namespace {

// The fields of a request line, their escapes undone.
std::vector<std::wstring> requestFields(const std::wstring& line) {
    std::vector<std::wstring> fields(1);
    for (size_t i = 0; i < line.size(); ++i) {
        wchar_t c = line[i];
        if (c == L'\t') {
            fields.emplace_back();
            continue;
        }
        if (c == L'\\' && i + 1 < line.size()) {
            switch (line[++i]) {
                case L't': c = L'\t'; break;
                case L'n': c = L'\n'; break;
                case L'r': c = L'\r'; break;
                default: c = line[i]; break;
            }
        }
        fields.back() += c;
    }
    return fields;
}

// Reads one line from the handle (without its line end); false at the end of the input.
bool readLine(HANDLE in, std::string& pending, std::string& line) {
    for (;;) {
        size_t end = pending.find('\n');
        if (end != std::string::npos) {
            line.assign(pending, 0, end);
            pending.erase(0, end + 1);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            return true;
        }
        char chunk[4096];
        DWORD got = 0;
        if (!ReadFile(in, chunk, sizeof chunk, &got, nullptr) || got == 0) return false;
        pending.append(chunk, got);
    }
}

bool writeAll(HANDLE h, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD wrote = 0;
        if (!WriteFile(h, bytes.data() + done, (DWORD)(bytes.size() - done), &wrote, nullptr) || wrote == 0)
            return false;
        done += wrote;
    }
    return true;
}

// Replaces the file's content with the bytes.
void writeFile(const std::wstring& path, const std::string& bytes) {
    HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return;
    writeAll(f, bytes);
    CloseHandle(f);
}

}  // namespace

int cmdServe(const Args& a) {
    need(a, 2, L"<output file> <error file>");
    const std::wstring outFile = a[0], errFile = a[1];
    HANDLE in = GetStdHandle(STD_INPUT_HANDLE), out = GetStdHandle(STD_OUTPUT_HANDLE);
    std::string pending, line;
    // Said once the driver runs, so that a start Wine never finished is told from a slow command.
    if (!writeAll(out, "ready\n")) return 1;
    while (readLine(in, pending, line)) {
        std::vector<std::wstring> fields = requestFields(fromUtf8(line));
        if (fields.size() < 2) continue;  // no command: nothing to answer
        const std::wstring token = fields[0], name = fields[1];
        int rc = 0;
        if (name == L"quit") {
        } else if (name == L"serve") {
            report(L"kvdriver: a session does not start another\n");
            rc = 2;
        } else {
            rc = runCommand(name, Args(fields.begin() + 2, fields.end()));
        }
        writeFile(outFile, takePrinted());
        writeFile(errFile, takeReported());
        if (!writeAll(out, toUtf8(token) + " " + std::to_string(rc) + "\n")) return 1;  // nobody listens
        if (name == L"quit") return 0;
    }
    return 0;
}

// setenv <prefix> [NAME=VALUE...]: the variables whose names start with the prefix become exactly
// those given, for the programs started after it.
int cmdSetEnv(const Args& a) {
    need(a, 1, L"<prefix> [NAME=VALUE...]");
    const std::wstring& prefix = a[0];
    std::vector<std::wstring> old;
    if (wchar_t* block = GetEnvironmentStringsW()) {
        for (const wchar_t* p = block; *p; p += wcslen(p) + 1) {
            std::wstring entry = p;
            size_t eq = entry.find(L'=', 1);
            if (eq != std::wstring::npos && entry.compare(0, prefix.size(), prefix) == 0)
                old.push_back(entry.substr(0, eq));
        }
        FreeEnvironmentStringsW(block);
    }
    for (const std::wstring& name : old) SetEnvironmentVariableW(name.c_str(), nullptr);
    for (size_t i = 1; i < a.size(); ++i) {
        size_t eq = a[i].find(L'=');
        if (eq == std::wstring::npos || eq == 0) usage(L"not NAME=VALUE: " + quoted(a[i]));
        if (a[i].compare(0, prefix.size(), prefix) != 0) usage(quoted(a[i]) + L" does not start with " + prefix);
        SetEnvironmentVariableW(a[i].substr(0, eq).c_str(), a[i].substr(eq + 1).c_str());
    }
    return 0;
}

}  // namespace kv
