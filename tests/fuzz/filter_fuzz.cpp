// The dialog filter against a reference over whole characters: each "|"
// character becomes a zero byte, and one zero byte ends the list; a trail
// byte equal to "|" stays.
#include "export/file_names.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::uint8_t codePage = input.byte();
    const std::string filter = input.rest();

    std::string expected;
    for (const std::string& character : characters(filter, codePage & 1))
        expected += character == "|" ? std::string(1, '\0') : character;
    expected.push_back('\0');
    FUZZ_CHECK(platformFilter(filter, codePageOf(codePage)) == expected);
    return 0;
}
