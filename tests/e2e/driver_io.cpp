#include "tests/e2e/driver_io.h"

#include <cwchar>

namespace kv {
namespace {

std::string printed, reported;
DWORD gaveUpMs = 0;

}  // namespace

long long parseInt(const std::wstring& s, const wchar_t* what) {
    if (s.empty()) usage(std::wstring(what) + L" is empty");
    wchar_t* end = nullptr;
    long long v = std::wcstoll(s.c_str(), &end, 0);
    if (!end || *end) usage(std::wstring(what) + L" is not a number: " + quoted(s));
    return v;
}

void need(const Args& a, size_t n, const wchar_t* form) {
    if (a.size() < n) usage(std::wstring(L"expects ") + form);
}

std::string toUtf8(const std::wstring& w) {
    if (w.empty()) return {};
    int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), (int)w.size(), nullptr, 0, nullptr, nullptr);
    std::string s(n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.data(), (int)w.size(), s.data(), n, nullptr, nullptr);
    return s;
}

std::wstring fromUtf8(const std::string& s) {
    if (s.empty()) return {};
    int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), (int)s.size(), nullptr, 0);
    std::wstring w(n, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, s.data(), (int)s.size(), w.data(), n);
    return w;
}

std::wstring quoted(const std::wstring& s) { return L"\"" + s + L"\""; }

void print(const std::wstring& text) { printed += toUtf8(text); }
void report(const std::wstring& text) { reported += toUtf8(text); }
std::string takePrinted() { return std::exchange(printed, {}); }
std::string takeReported() { return std::exchange(reported, {}); }

void noteGaveUp(DWORD ms) { gaveUpMs = ms; }
DWORD gaveUpAfter() { return std::exchange(gaveUpMs, 0); }

}  // namespace kv
