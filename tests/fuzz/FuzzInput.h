// Reads a fuzz input as a stream of small decisions; past its end every read gives zeros.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzz {

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool empty() const { return at_ >= size_; }
    std::uint8_t byte() { return empty() ? 0 : data_[at_++]; }
    std::int32_t int32() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v = v << 8 | byte();
        return static_cast<std::int32_t>(v);
    }
    // A length byte (below `most`), then that many bytes.
    std::string text(std::size_t most = 32) {
        std::string out;
        for (std::size_t n = byte() % most; n > 0 && !empty(); --n) out += static_cast<char>(byte());
        return out;
    }
    // Everything up to the next `stop` byte (dropped) or the end.
    std::string until(char stop) {
        std::string out;
        while (!empty()) {
            char c = static_cast<char>(byte());
            if (c == stop) break;
            out += c;
        }
        return out;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// A broken property: say what broke, then abort so that libFuzzer keeps the input.
[[noreturn]] inline void fail(const std::string& what) {
    std::fprintf(stderr, "property broken: %s\n", what.c_str());
    std::abort();
}

}  // namespace fuzz
