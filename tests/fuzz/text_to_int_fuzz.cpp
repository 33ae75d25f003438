// textToInt against a reference written straight from the grammar of the
// stored numbers: it must accept exactly the texts the grammar accepts, with
// the same value, and fail with the fixed message for everything else.
#include <optional>

#include "base/failure.h"
#include "store/registry_rules.h"
#include "tests/fuzz/fuzz_input.h"

namespace {
// Half of the inputs are spelt in the grammar's own alphabet, so that valid
// and nearly valid numbers are common; the other half are raw bytes.
const std::string kAlphabet = " +-$xX0123456789abcdefABCDEFgG\t.";

bool allOf(const std::string& text, const std::string& set) {
    return !text.empty() && text.find_first_not_of(set) == std::string::npos;
}

std::string withoutLeadingZeros(const std::string& digits) {
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? "" : digits.substr(first);
}

// "2147483648" <= digits, compared as numbers without leading zeros.
bool atMost(const std::string& digits, const std::string& limit) {
    const std::string significant = withoutLeadingZeros(digits);
    return significant.size() != limit.size() ? significant.size() < limit.size() : significant <= limit;
}

std::optional<std::int32_t> decimal(const std::string& body) {
    const bool negative = body[0] == '-';
    const std::string digits = body[0] == '-' || body[0] == '+' ? body.substr(1) : body;
    if (!allOf(digits, "0123456789") || !atMost(digits, negative ? "2147483648" : "2147483647"))
        return std::nullopt;
    const long long magnitude = std::stoll("0" + withoutLeadingZeros(digits));
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::optional<std::int32_t> hexadecimal(const std::string& digits) {
    if (!allOf(digits, "0123456789abcdefABCDEF") || withoutLeadingZeros(digits).size() > 8)
        return std::nullopt;
    const unsigned long pattern = std::stoul("0" + withoutLeadingZeros(digits), nullptr, 16);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(pattern));
}

std::optional<std::int32_t> reference(const std::string& text) {
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string::npos)
        return std::nullopt;
    const std::string body = text.substr(start);
    for (const char* prefix : {"0x", "0X", "$", "x", "X"}) {
        const std::string p = prefix;
        if (body.compare(0, p.size(), p) == 0)
            return hexadecimal(body.substr(p.size()));
    }
    return decimal(body);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const bool spelt = input.byte() & 1;
    std::string text = input.rest();
    if (spelt)
        for (char& c : text)
            c = kAlphabet[static_cast<unsigned char>(c) % kAlphabet.size()];

    const std::optional<std::int32_t> expected = reference(text);
    try {
        const std::int32_t value = textToInt(text);
        FUZZ_CHECK(expected.has_value());
        FUZZ_CHECK(value == *expected);
    } catch (const Failure& failure) {
        FUZZ_CHECK(!expected.has_value());
        FUZZ_CHECK(failure.message() == "'" + text + "' 不是一个有效的整形值");
    }
    return 0;
}
