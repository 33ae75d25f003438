#pragma once
// Helpers shared by the fuzz targets: the code pages the rules run under,
// reading structured choices from the fuzzer's bytes, and a hard check that
// stops the run with the offending input.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/native/code_pages.h"

// Ends the run with a message; libFuzzer then saves the input as a crash.
#define FUZZ_CHECK(condition)                                                        \
    do {                                                                             \
        if (!(condition)) {                                                          \
            std::fprintf(stderr, "check failed: %s (%s:%d)\n", #condition, __FILE__, \
                         __LINE__);                                                  \
            std::abort();                                                            \
        }                                                                            \
    } while (0)

// The fuzzer's bytes as a stream of choices; reading past the end gives 0.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool empty() const { return position_ >= size_; }
    std::uint8_t byte() { return empty() ? 0 : data_[position_++]; }
    std::uint16_t word() { return static_cast<std::uint16_t>(byte() | byte() << 8); }
    // Up to maxLength bytes (the length is the next byte, modulo).
    std::string text(std::size_t maxLength) {
        const std::size_t length = byte() % (maxLength + 1);
        std::string result;
        while (result.size() < length && !empty())
            result.push_back(static_cast<char>(byte()));
        return result;
    }
    std::string rest() {
        std::string result(reinterpret_cast<const char*>(data_ + position_), size_ - position_);
        position_ = size_;
        return result;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

// Every rule runs under both a double-byte and a single-byte code page.
inline LeadBytes codePageOf(std::uint8_t choice) { return choice & 1 ? codePage936() : singleByte(); }

// The text as whole characters of the code page: a lead byte followed by
// any byte is one character; a lead byte at the very end stands alone.
inline std::vector<std::string> characters(const std::string& text, bool doubleByte) {
    std::vector<std::string> result;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char byte = static_cast<unsigned char>(text[i]);
        const std::size_t length = doubleByte && byte >= 0x81 && byte <= 0xFE && i + 1 < text.size() ? 2 : 1;
        result.push_back(text.substr(i, length));
        i += length;
    }
    return result;
}
