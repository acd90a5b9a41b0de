// The state of the Wine prefix that the scenarios share, put back to a known one before each:
// the programs an earlier scenario left running are ended, and the registry keys scenarios change
// get the values they had when the prefix was made. A scenario killed half-way runs no clean-up,
// so this runs at every scenario's start instead.
//
// A registry snapshot (reg-save) is a UTF-8 text, one record a line, fields separated by tabs:
//   root <key> present|absent     a key as saved; everything below it follows until the next root
//   key <key>                     a key (the root itself or one below it), created on restore
//   value <name> <type> <data>    a value of the last key: name and data as hex bytes
#include "tests/e2e/driver_io.h"

#include <tlhelp32.h>

#include <cwctype>
#include <string>
#include <vector>

namespace kv {
namespace {

struct KeyPath {
    HKEY root;
    std::wstring sub;
};

// "HKCU\Control Panel\Desktop" (or HKEY_CURRENT_USER\...; HKLM, HKCR alike).
KeyPath parseKey(const std::wstring& path) {
    static const struct {
        const wchar_t* shortName;
        const wchar_t* longName;
        HKEY root;
    } roots[] = {
        {L"HKCU", L"HKEY_CURRENT_USER", HKEY_CURRENT_USER},
        {L"HKLM", L"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
        {L"HKCR", L"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},
    };
    size_t slash = path.find(L'\\');
    std::wstring head = path.substr(0, slash);
    for (const auto& r : roots)
        if (_wcsicmp(head.c_str(), r.shortName) == 0 || _wcsicmp(head.c_str(), r.longName) == 0) {
            if (slash == std::wstring::npos || slash + 1 == path.size()) usage(L"a whole root is not a key to change");
            return {r.root, path.substr(slash + 1)};
        }
    usage(L"key " + quoted(path) + L" is not under HKCU, HKLM or HKCR");
}

std::wstring errorText(LSTATUS status) { return L"error " + std::to_wstring(status); }

class Key {
public:
    Key() = default;
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    ~Key() { close(); }
    // The handle to open into, the one held before closed.
    HKEY* put() {
        close();
        return &h_;
    }
    HKEY get() const { return h_; }

private:
    void close() {
        if (h_) RegCloseKey(h_);
        h_ = nullptr;
    }

    HKEY h_ = nullptr;
};

std::string hexOf(const BYTE* data, size_t n) {
    static const char digits[] = "0123456789abcdef";
    std::string s;
    for (size_t i = 0; i < n; ++i) {
        s += digits[data[i] >> 4];
        s += digits[data[i] & 15];
    }
    return s;
}

std::vector<BYTE> bytesOf(const std::string& hex) {
    if (hex.size() % 2) fail(L"odd hex data in the snapshot");
    std::vector<BYTE> bytes;
    for (size_t i = 0; i < hex.size(); i += 2) bytes.push_back((BYTE)std::stoi(hex.substr(i, 2), nullptr, 16));
    return bytes;
}

// Appends the key, its values and every key below it to the snapshot text.
void saveTree(HKEY key, const std::wstring& path, std::string& text) {
    text += "key\t" + toUtf8(path) + "\n";
    DWORD subkeys = 0, maxSub = 0, values = 0, maxName = 0, maxData = 0;
    LSTATUS s = RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subkeys, &maxSub, nullptr, &values, &maxName,
                                 &maxData, nullptr, nullptr);
    if (s != ERROR_SUCCESS) fail(L"cannot read " + quoted(path) + L": " + errorText(s));
    std::vector<wchar_t> name(maxName + 2);
    std::vector<BYTE> data(maxData + 2);
    for (DWORD i = 0; i < values; ++i) {
        DWORD nameLen = (DWORD)name.size(), dataLen = (DWORD)data.size(), type = 0;
        s = RegEnumValueW(key, i, name.data(), &nameLen, nullptr, &type, data.data(), &dataLen);
        if (s != ERROR_SUCCESS) fail(L"cannot read a value of " + quoted(path) + L": " + errorText(s));
        text += "value\t" + hexOf(reinterpret_cast<const BYTE*>(name.data()), nameLen * sizeof(wchar_t)) + "\t" +
            std::to_string(type) + "\t" + hexOf(data.data(), dataLen) + "\n";
    }
    std::vector<wchar_t> sub(maxSub + 2);
    for (DWORD i = 0; i < subkeys; ++i) {
        DWORD subLen = (DWORD)sub.size();
        if (RegEnumKeyExW(key, i, sub.data(), &subLen, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) continue;
        const std::wstring subName(sub.data(), subLen);
        Key child;
        if (RegOpenKeyExW(key, subName.c_str(), 0, KEY_READ, child.put()) == ERROR_SUCCESS)
            saveTree(child.get(), path + L"\\" + subName, text);
    }
}

std::string readWholeFile(const std::wstring& path) {
    HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) fail(L"cannot read " + quoted(path));
    std::string text;
    char chunk[65536];
    DWORD got = 0;
    while (ReadFile(f, chunk, sizeof chunk, &got, nullptr) && got) text.append(chunk, got);
    CloseHandle(f);
    return text;
}

std::vector<std::string> splitOn(const std::string& s, char sep) {
    std::vector<std::string> parts(1);
    for (char c : s) {
        if (c == sep)
            parts.emplace_back();
        else
            parts.back().push_back(c);
    }
    return parts;
}

void deleteTree(const KeyPath& k, const std::wstring& path) {
    LSTATUS s = RegDeleteTreeW(k.root, k.sub.c_str());
    if (s != ERROR_SUCCESS && s != ERROR_FILE_NOT_FOUND) fail(L"cannot delete " + quoted(path) + L": " + errorText(s));
}

// Puts every root key of the snapshot back as it was saved.
void restoreSnapshot(const std::string& text) {
    Key current;
    std::wstring currentPath;
    for (const std::string& line : splitOn(text, '\n')) {
        if (line.empty()) continue;
        std::vector<std::string> f = splitOn(line, '\t');
        if (f[0] == "root" && f.size() == 3) {
            const std::wstring path = fromUtf8(f[1]);
            deleteTree(parseKey(path), path);
        } else if (f[0] == "key" && f.size() == 2) {
            currentPath = fromUtf8(f[1]);
            KeyPath k = parseKey(currentPath);
            LSTATUS s =
                RegCreateKeyExW(k.root, k.sub.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, current.put(), nullptr);
            if (s != ERROR_SUCCESS) fail(L"cannot create " + quoted(currentPath) + L": " + errorText(s));
        } else if (f[0] == "value" && f.size() == 4 && current.get()) {
            std::vector<BYTE> name = bytesOf(f[1]), data = bytesOf(f[3]);
            std::wstring valueName(reinterpret_cast<const wchar_t*>(name.data()), name.size() / sizeof(wchar_t));
            LSTATUS s = RegSetValueExW(current.get(), valueName.c_str(), 0, (DWORD)std::stoul(f[2]),
                                       data.empty() ? nullptr : data.data(), (DWORD)data.size());
            if (s != ERROR_SUCCESS) fail(L"cannot set a value of " + quoted(currentPath) + L": " + errorText(s));
        } else if (f[0] != "zkv-registry") {
            fail(L"the snapshot has a line it does not know: " + quoted(fromUtf8(line)));
        }
    }
}

std::wstring lower(std::wstring s) {
    for (auto& c : s) c = (wchar_t)std::towlower(c);
    return s;
}

// Ends every process of the prefix that is not part of Wine itself (its program lies outside
// C:\windows, or it is Wine's debugger showing a crash), this one aside; prints each.
void endLeftPrograms() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) fail(L"cannot list the prefix's processes");
    std::vector<DWORD> pids;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
        if (entry.th32ProcessID != GetCurrentProcessId() && entry.th32ProcessID != 0)
            pids.push_back(entry.th32ProcessID);
    CloseHandle(snapshot);
    for (DWORD pid : pids) {
        HANDLE h = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
        if (!h) continue;  // gone meanwhile
        wchar_t image[MAX_PATH * 4];
        DWORD len = MAX_PATH * 4;
        std::wstring path = QueryFullProcessImageNameW(h, 0, image, &len) ? std::wstring(image, len) : L"";
        const std::wstring l = lower(path);
        const bool wines = l.rfind(L"c:\\windows\\", 0) == 0 && l.find(L"\\winedbg.exe") == std::wstring::npos;
        if (path.empty() || wines) {
            CloseHandle(h);
            continue;
        }
        TerminateProcess(h, 1);
        const bool ended = WaitForSingleObject(h, 10000) == WAIT_OBJECT_0;
        CloseHandle(h);
        if (!ended) fail(L"cannot end " + path + L" (pid " + std::to_wstring(pid) + L") within 10000 ms");
        print(L"ended a program left running: " + path + L" (pid " + std::to_wstring(pid) + L")\n");
    }
}

// The snapshot's text for one key: its root line, then the key and everything below it.
std::string saveRoot(const std::wstring& path) {
    KeyPath k = parseKey(path);
    Key key;
    const bool present = RegOpenKeyExW(k.root, k.sub.c_str(), 0, KEY_READ, key.put()) == ERROR_SUCCESS;
    std::string text = "root\t" + toUtf8(path) + (present ? "\tpresent\n" : "\tabsent\n");
    if (present) saveTree(key.get(), path, text);
    return text;
}

constexpr char kSnapshotHeader[] = "zkv-registry\t1\n";

}  // namespace

// reg-save <file> <key>...: saves the keys, each with everything below it, or that it is absent.
int cmdRegSave(const Args& a) {
    need(a, 2, L"<file> <key>...");
    std::string text = kSnapshotHeader;
    for (size_t i = 1; i < a.size(); ++i) text += saveRoot(a[i]);
    HANDLE f = CreateFileW(a[0].c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) fail(L"cannot write " + quoted(a[0]));
    DWORD wrote = 0;
    const bool ok = WriteFile(f, text.data(), (DWORD)text.size(), &wrote, nullptr) && wrote == text.size();
    CloseHandle(f);
    if (!ok) fail(L"cannot write " + quoted(a[0]));
    return 0;
}

// reset <snapshot>: ends the programs left running in the prefix, then puts back each key of the
// snapshot that differs from it. Prints a line for each program ended and each key put back, so
// that the caller knows whether Wine's running session may still hold what was changed.
int cmdReset(const Args& a) {
    need(a, 1, L"<snapshot file>");
    if (a.size() > 1) usage(L"too many arguments");
    const std::string text = readWholeFile(a[0]);
    if (text.rfind(kSnapshotHeader, 0) != 0) fail(quoted(a[0]) + L" is not a registry snapshot");
    endLeftPrograms();
    // One section a root key: from its root line to the next.
    size_t at = text.find("\nroot\t");
    while (at != std::string::npos) {
        const size_t start = at + 1, next = text.find("\nroot\t", start);
        const std::string section =
            text.substr(start, next == std::string::npos ? std::string::npos : next + 1 - start);
        const std::wstring root = fromUtf8(section.substr(5, section.find('\t', 5) - 5));
        if (saveRoot(root) != section) {
            restoreSnapshot(section);
            print(L"put back " + root + L"\n");
        }
        at = next;
    }
    return 0;
}

// reg-set <key> <name> sz|expand_sz|dword <data>: sets one value, making the key when it is missing.
int cmdRegSet(const Args& a) {
    need(a, 4, L"<key> <name> sz|expand_sz|dword <data>");
    if (a.size() > 4) usage(L"too many arguments");
    KeyPath k = parseKey(a[0]);
    Key key;
    LSTATUS s = RegCreateKeyExW(k.root, k.sub.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, key.put(), nullptr);
    if (s != ERROR_SUCCESS) fail(L"cannot create " + quoted(a[0]) + L": " + errorText(s));
    if (a[2] == L"sz" || a[2] == L"expand_sz") {
        s = RegSetValueExW(key.get(), a[1].c_str(), 0, a[2] == L"sz" ? REG_SZ : REG_EXPAND_SZ,
                           reinterpret_cast<const BYTE*>(a[3].c_str()), (DWORD)((a[3].size() + 1) * sizeof(wchar_t)));
    } else if (a[2] == L"dword") {
        DWORD v = (DWORD)parseInt(a[3], L"dword");
        s = RegSetValueExW(key.get(), a[1].c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v), sizeof v);
    } else {
        usage(L"type " + quoted(a[2]) + L" is not sz, expand_sz or dword");
    }
    if (s != ERROR_SUCCESS) fail(L"cannot set " + a[1] + L" of " + quoted(a[0]) + L": " + errorText(s));
    return 0;
}

// reg-delete <key>: deletes the key with everything below it; nothing to do when it is absent.
int cmdRegDelete(const Args& a) {
    need(a, 1, L"<key>");
    if (a.size() > 1) usage(L"too many arguments");
    deleteTree(parseKey(a[0]), a[0]);
    return 0;
}

}  // namespace kv
