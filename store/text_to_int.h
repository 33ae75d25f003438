#pragma once
// Text to integer for the stored numbers: optional leading spaces, then a
// signed decimal number in the 32-bit range, or "$", "x", "X", "0x", "0X"
// and up to eight significant hexadecimal digits taken as a 32-bit pattern.
// Anything else raises "'%s' 不是一个有效的整形值" with the whole text.
#include <cstdint>
#include <string>

std::int32_t textToInt(const std::string& text);
