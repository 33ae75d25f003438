#include "commands/shortcut.h"

namespace {
constexpr unsigned kKeyMask = 0xFF;
constexpr unsigned kFirstFunctionKey = 0x70;  // F1
constexpr unsigned kFunctionKeyCount = 12;

std::string keyName(unsigned key) {
    const bool letter = key >= 'A' && key <= 'Z';
    const bool digit = key >= '0' && key <= '9';
    if (letter || digit)
        return std::string(1, static_cast<char>(key));
    if (key >= kFirstFunctionKey && key < kFirstFunctionKey + kFunctionKeyCount)
        return "F" + std::to_string(key - kFirstFunctionKey + 1);
    return {};
}
}  // namespace

ShortCut shortCutOfKey(unsigned virtualKey, bool shift, bool ctrl, bool alt) {
    const unsigned key = virtualKey & kKeyMask;
    if (key == 0)
        return 0;
    return static_cast<ShortCut>(key | (shift ? kShiftBit : 0) | (ctrl ? kCtrlBit : 0) | (alt ? kAltBit : 0));
}

std::string shortCutText(ShortCut code) {
    std::string text;
    if (code & kShiftBit)
        text += "Shift+";
    if (code & kCtrlBit)
        text += "Ctrl+";
    if (code & kAltBit)
        text += "Alt+";
    return text + keyName(code & kKeyMask);
}

int findShortCut(const std::vector<ShortCut>& codesInMenuOrder, ShortCut pressed) {
    if (pressed == 0)  // items without a shortcut hold 0
        return -1;
    for (std::size_t i = 0; i < codesInMenuOrder.size(); ++i)
        if (codesInMenuOrder[i] == pressed)
            return static_cast<int>(i);
    return -1;
}
