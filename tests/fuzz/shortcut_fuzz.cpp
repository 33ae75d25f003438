// Shortcut codes, their texts and matching on random key presses and menus,
// against a reference of the code layout.
#include "commands/shortcut.h"
#include "tests/fuzz/fuzz_input.h"

namespace {
std::string referenceKeyName(unsigned key) {
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))
        return std::string(1, static_cast<char>(key));
    if (key >= 0x70 && key <= 0x7B)  // F1..F12
        return "F" + std::to_string(key - 0x6F);
    return "";
}

std::string referenceText(ShortCut code) {
    return std::string(code & 0x2000 ? "Shift+" : "") + (code & 0x4000 ? "Ctrl+" : "") + (code & 0x8000 ? "Alt+" : "") +
           referenceKeyName(code % 256);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const unsigned virtualKey = input.word() | static_cast<unsigned>(input.word()) << 16;
    const std::uint8_t modifiers = input.byte();
    const bool shift = modifiers & 1, ctrl = modifiers & 2, alt = modifiers & 4;

    const ShortCut pressed = shortCutOfKey(virtualKey, shift, ctrl, alt);
    const unsigned low = virtualKey % 256;
    FUZZ_CHECK(pressed == (low == 0 ? 0 : low + shift * 0x2000 + ctrl * 0x4000 + alt * 0x8000));

    // A menu of random codes, some of them the pressed one.
    std::vector<ShortCut> menu(input.byte() % 20);
    for (ShortCut& code : menu)
        code = input.byte() & 1 ? pressed : input.word();
    int expected = -1;
    for (std::size_t i = 0; i < menu.size() && pressed != 0; ++i)
        if (menu[i] == pressed) {
            expected = static_cast<int>(i);
            break;
        }
    FUZZ_CHECK(findShortCut(menu, pressed) == expected);

    for (ShortCut code : menu)
        FUZZ_CHECK(shortCutText(code) == referenceText(code));
    return 0;
}
