#include "store/registry_rules.h"

#include <gtest/gtest.h>

#include "base/failure.h"

namespace {
TEST(TextToInt, DecimalWithinTheInt32Range) {
    EXPECT_EQ(textToInt("0"), 0);
    EXPECT_EQ(textToInt("007"), 7);
    EXPECT_EQ(textToInt("+7"), 7);
    EXPECT_EQ(textToInt("-7"), -7);
    EXPECT_EQ(textToInt("2147483647"), 2147483647);
    EXPECT_EQ(textToInt("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(textToInt("000000000000002147483647"), 2147483647);
}

TEST(TextToInt, LeadingSpacesAreSkipped) {
    EXPECT_EQ(textToInt("   42"), 42);
    EXPECT_EQ(textToInt("  $64"), 100);
}

TEST(TextToInt, HexPrefixesAndThirtyTwoBitPattern) {
    EXPECT_EQ(textToInt("$64"), 100);
    EXPECT_EQ(textToInt("x10"), 16);
    EXPECT_EQ(textToInt("X1f"), 31);
    EXPECT_EQ(textToInt("0xAbC"), 0xABC);
    EXPECT_EQ(textToInt("0X7fffffff"), 2147483647);
    EXPECT_EQ(textToInt("$FFFFFFFF"), -1);
    EXPECT_EQ(textToInt("$80000000"), -2147483647 - 1);
    EXPECT_EQ(textToInt("$0000000012345678"), 0x12345678);  // leading zeros are not significant
}

class NotAnInteger : public testing::TestWithParam<const char*> {};

TEST_P(NotAnInteger, RaisesWithTheWholeText) {
    const std::string text = GetParam();
    try {
        textToInt(text);
        FAIL() << "accepted '" << text << "'";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.message(), "'" + text + "' 不是一个有效的整形值");
    }
}

INSTANTIATE_TEST_SUITE_P(Rejected, NotAnInteger,
                         testing::Values("", "   ", "2147483648", "-2147483649", "99999999999999999999",
                                         "$1FFFFFFFF", "$100000000", "-$10", "+$10", "-0x1", "$", "x", "0x",
                                         "$-1", "$ 1", "12 ", "$64 ", "\t12", "1a", "--1", "+", "-", "1e3",
                                         "0x1g", "1,000"));

TEST(TextToInt, MessageIsCodePage936Bytes) {
    try {
        textToInt("");
        FAIL();
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.message(),
                  "'' \xb2\xbb\xca\xc7\xd2\xbb\xb8\xf6\xd3\xd0\xd0\xa7\xb5\xc4\xd5\xfb\xd0\xce\xd6\xb5");
    }
}
}  // namespace
