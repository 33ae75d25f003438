#pragma once
// The settings store's rules that need no platform call: the accessor's
// path rule, its text-to-integer conversion of the stored numbers, and its
// failure messages.
#include <cstdint>
#include <string>

// The messages; "%s" is the key path, the value name or the text.
inline constexpr char kCreateKeyFailed[] = "创建主键 %s 失败";
inline constexpr char kReadValueFailed[] = "从 '%s' 获得数据失败";
inline constexpr char kInvalidValueType[] = "'%s' 的数据类型是无效的";
inline constexpr char kWriteValueFailed[] = "为 '%s' 设置数据时失败";
inline constexpr char kNotAnInteger[] = "'%s' 不是一个有效的整形值";

// The path rule: a path that begins with "\" is taken from the root; any
// other is relative to the current key when one is open.
struct KeyTarget {
    bool fromCurrentKey;  // else from the root key
    std::string subKey;   // the path with a leading "\" removed
};
KeyTarget resolveKeyPath(const std::string& path, bool haveCurrentKey);
// The current path after opening target: the subkey itself, or, opened
// relative to the current key, the old path + "\" + the subkey.
std::string nextCurrentPath(const std::string& currentPath, const KeyTarget& target);

// Text to integer for the stored numbers: optional leading spaces, then a
// signed decimal number in the 32-bit range, or "$", "x", "X", "0x", "0X"
// and up to eight significant hexadecimal digits taken as a 32-bit pattern.
// Anything else raises kNotAnInteger with the whole text.
std::int32_t textToInt(const std::string& text);
