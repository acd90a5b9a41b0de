// kvdriver's plumbing shared by its commands: how a command fails, what it prints, and how it
// waits. A command's output is kept until the command ends, then goes to the standard handles (one
// command a run) or to the session's files (a session that takes commands on its standard input).
#pragma once
#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace kv {

using Args = std::vector<std::wstring>;

struct Failure {
    std::wstring message;
};
struct UsageError {
    std::wstring message;
};

[[noreturn]] inline void fail(std::wstring message) { throw Failure{std::move(message)}; }
[[noreturn]] inline void usage(std::wstring message) { throw UsageError{std::move(message)}; }

// A whole number (decimal or 0x..) given as an argument; wrong usage when it is not one.
long long parseInt(const std::wstring& s, const wchar_t* what);
// Wrong usage when fewer than n arguments are given; form shows the ones expected.
void need(const Args& a, size_t n, const wchar_t* form);

std::string toUtf8(const std::wstring& w);
std::wstring fromUtf8(const std::string& s);
std::wstring quoted(const std::wstring& s);

// What the command prints, and why it failed.
void print(const std::wstring& text);
void report(const std::wstring& text);
// Takes what the command printed and reported so far, leaving both empty.
std::string takePrinted();
std::string takeReported();

constexpr DWORD kPollMs = 20;

class Deadline {
public:
    explicit Deadline(DWORD ms) : end_(GetTickCount64() + ms) {}
    bool passed() const { return GetTickCount64() >= end_; }
    DWORD left() const {
        ULONGLONG now = GetTickCount64();
        return now >= end_ ? 0 : (DWORD)(end_ - now);
    }

private:
    ULONGLONG end_;
};

// How long the command's last wait that came to nothing waited (0: none did), so that a failure
// can say for how long it waited.
void noteGaveUp(DWORD ms);
DWORD gaveUpAfter();

// Calls probe until it answers something truthy or the time is up; returns its last answer.
template <class Probe>
auto pollUntil(DWORD ms, Probe probe) -> decltype(probe()) {
    Deadline deadline(ms);
    for (;;) {
        auto answer = probe();
        if (answer) return answer;
        if (deadline.passed()) {
            noteGaveUp(ms);
            return answer;
        }
        Sleep(kPollMs);
    }
}

// Runs one command by name: 0 done, 1 failed, 2 wrong usage (the reason reported either way).
int runCommand(const std::wstring& name, const Args& args);

// Commands of their own files.
int cmdServe(const Args& a);
int cmdReset(const Args& a);
int cmdRegSave(const Args& a);
int cmdRegSet(const Args& a);
int cmdRegDelete(const Args& a);
int cmdSetEnv(const Args& a);

}  // namespace kv
