#pragma once
// Shortcut codes: the virtual-key code in the low byte, plus 0x2000 for
// Shift, 0x4000 for Ctrl and 0x8000 for Alt.
#include <cstdint>
#include <string>
#include <vector>

using ShortCut = std::uint16_t;

constexpr ShortCut kShiftBit = 0x2000;
constexpr ShortCut kCtrlBit = 0x4000;
constexpr ShortCut kAltBit = 0x8000;

// Ctrl and a letter key, as the menu's shortcuts are.
constexpr ShortCut ctrlShortCut(char letter) { return static_cast<ShortCut>(kCtrlBit | letter); }

// The code of a key press; 0 (never a shortcut) when the key's low byte is 0.
ShortCut shortCutOfKey(unsigned virtualKey, bool shift, bool ctrl, bool alt);

// "Shift+", "Ctrl+", "Alt+" as present, then the key's name ("Ctrl+S").
std::string shortCutText(ShortCut code);

// Index of the first code equal to the pressed one, or -1.
int findShortCut(const std::vector<ShortCut>& codesInMenuOrder, ShortCut pressed);
