// The arguments a program gets from the Microsoft C runtime, written from the runtime's
// documented parsing rules as a state machine of its own, so that the product's splitter and
// the commands it checks have something independent to be held against:
// - the program name: quotes group and are dropped, no escapes, it ends at a blank outside quotes;
// - after it, blanks and tabs outside quotes separate, and a double quote starts or ends quoting;
// - backslashes are literal unless a quote follows: 2n then give n and the quote toggles, 2n+1
//   give n and a literal quote;
// - inside quotes, a doubled quote gives one literal quote and quoting goes on.
// Also the reading a person makes of switch text: the same machine with neither escape.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace testsupport {

namespace runtime_argv {

enum class State { Program, ProgramQuoted, Between, Word, Quoted };

inline std::vector<std::string> run(std::string_view text, State state, bool escapes) {
    std::vector<std::string> out;
    std::string current;
    std::size_t pending = 0;  // backslashes seen whose meaning the next character decides
    auto end = [&] {
        out.push_back(current);
        current.clear();
        state = State::Between;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool blank = c == ' ' || c == '\t';
        switch (state) {
            case State::Program:
                if (blank)
                    end();
                else if (c == '"')
                    state = State::ProgramQuoted;
                else
                    current += c;
                continue;
            case State::ProgramQuoted:
                if (c == '"')
                    state = State::Program;
                else
                    current += c;
                continue;
            case State::Between:
                if (blank) continue;
                state = State::Word;
                break;
            case State::Word:
            case State::Quoted: break;
        }
        if (escapes && c == '\\') {
            ++pending;
            continue;
        }
        if (c != '"') {
            current.append(pending, '\\');
            pending = 0;
            if (blank && state == State::Word)
                end();
            else
                current += c;
            continue;
        }
        current.append(pending / 2, '\\');
        const bool escaped = pending % 2 == 1;
        pending = 0;
        if (escaped) {
            current += '"';
        } else if (state == State::Quoted && escapes && i + 1 < text.size() && text[i + 1] == '"') {
            current += '"';
            ++i;
        } else {
            state = state == State::Quoted ? State::Word : State::Quoted;
        }
    }
    current.append(pending, '\\');
    if (state != State::Between) out.push_back(current);
    return out;
}

}  // namespace runtime_argv

// argv of a whole command line, the program name first.
inline std::vector<std::string> runtimeArgv(std::string_view commandLine) {
    return runtime_argv::run(commandLine, runtime_argv::State::Program, true);
}

// The arguments of text that follows a program name.
inline std::vector<std::string> runtimeArguments(std::string_view text) {
    return runtime_argv::run(text, runtime_argv::State::Between, true);
}

// The words a person reads: blanks outside quotes separate, a quote only groups, a backslash is a
// letter like any other. What each field is meant to give the engine.
inline std::vector<std::string> plainWords(std::string_view text) {
    return runtime_argv::run(text, runtime_argv::State::Between, false);
}

}  // namespace testsupport
