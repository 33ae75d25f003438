// The application title against a reference over whole characters: the name
// after the last "\", cut before its first ".", all but the first character
// lower-cased.
#include "app/text_rules.h"
#include "tests/fuzz/fuzz_input.h"

namespace {
char lowerByte(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

void lowerAscii(char* text) {
    for (; *text; ++text)
        *text = lowerByte(*text);
}

std::string reference(const std::string& path, bool doubleByte) {
    const std::vector<std::string> all = characters(path, doubleByte);
    std::size_t nameStart = 0;
    for (std::size_t i = 0; i < all.size(); ++i)
        if (all[i] == "\\")
            nameStart = i + 1;
    std::string title;
    for (std::size_t i = nameStart; i < all.size() && all[i] != "."; ++i) {
        std::string character = all[i];
        if (i > nameStart)
            for (char& c : character)
                c = lowerByte(c);
        title += character;
    }
    return title;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::uint8_t codePage = input.byte();
    std::string path = input.rest();
    path = path.substr(0, path.find('\0'));  // a platform path has no zero byte
    path = path.substr(0, 255);              // and fits the 256-byte buffer

    const std::string title = applicationTitle(path, codePageOf(codePage), lowerAscii);
    FUZZ_CHECK(title == reference(path, codePage & 1));
    return 0;
}
