// The error box's text against a reference over whole characters: a "."
// follows exactly when the last character's first byte is above ".".
#include "app/text_rules.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::uint8_t codePage = input.byte();
    const std::string message = input.rest();

    const std::vector<std::string> all = characters(message, codePage & 1);
    const bool dot = !all.empty() && static_cast<unsigned char>(all.back()[0]) > 0x2E;
    FUZZ_CHECK(errorBoxText(message, codePageOf(codePage)) == (dot ? message + "." : message));
    return 0;
}
