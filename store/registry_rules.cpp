#include "store/registry_rules.h"

#include "base/failure.h"

namespace {
constexpr int kMaxSignificantHexDigits = 8;
constexpr std::int64_t kLargestMagnitude = 2147483648LL;  // of the smallest int32

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Digits from start to the end of the text, as a 32-bit pattern.
bool parseHex(const std::string& text, std::size_t start, std::int32_t& result) {
    if (start >= text.size())
        return false;
    std::uint32_t value = 0;
    int significant = 0;
    for (std::size_t i = start; i < text.size(); ++i) {
        const int digit = hexDigitValue(text[i]);
        if (digit < 0)
            return false;
        if (significant > 0 || digit != 0)
            ++significant;
        if (significant > kMaxSignificantHexDigits)
            return false;
        value = value << 4 | static_cast<std::uint32_t>(digit);
    }
    result = static_cast<std::int32_t>(value);
    return true;
}

bool isDecimalDigit(char c) { return c >= '0' && c <= '9'; }

// Digits from start to the end of the text, within the int32 range.
bool parseDecimal(const std::string& text, std::size_t start, bool negative, std::int32_t& result) {
    if (start >= text.size())
        return false;
    const std::int64_t limit = negative ? kLargestMagnitude : kLargestMagnitude - 1;
    std::int64_t magnitude = 0;
    for (std::size_t i = start; i < text.size(); ++i) {
        if (!isDecimalDigit(text[i]))
            return false;
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > limit)
            return false;
    }
    result = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
    return true;
}

bool parseNumber(const std::string& text, std::int32_t& result) {
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string::npos)
        return false;
    const char first = text[start];
    if (first == '$' || first == 'x' || first == 'X')
        return parseHex(text, start + 1, result);
    const bool zeroX = first == '0' && start + 1 < text.size() && (text[start + 1] == 'x' || text[start + 1] == 'X');
    if (zeroX)
        return parseHex(text, start + 2, result);
    const bool signed_ = first == '+' || first == '-';
    return parseDecimal(text, signed_ ? start + 1 : start, first == '-', result);
}
}  // namespace

KeyTarget resolveKeyPath(const std::string& path, bool haveCurrentKey) {
    if (!path.empty() && path.front() == '\\')
        return {false, path.substr(1)};
    return {haveCurrentKey, path};
}

std::string nextCurrentPath(const std::string& currentPath, const KeyTarget& target) {
    if (!target.fromCurrentKey)
        return target.subKey;
    return currentPath + "\\" + target.subKey;
}

std::int32_t textToInt(const std::string& text) {
    std::int32_t value = 0;
    if (!parseNumber(text, value))
        throw Failure(kNotAnInteger, text);
    return value;
}
