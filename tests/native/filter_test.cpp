#include "export/file_names.h"

#include <gtest/gtest.h>

#include "tests/native/code_pages.h"

namespace {
using namespace std::string_literals;

TEST(PlatformFilter, BarsBecomeZerosWithOneMoreAtTheEnd) {
    const std::string expected = "文本文件[*.txt]\0*.txt\0"s;
    EXPECT_EQ(platformFilter("文本文件[*.txt]|*.txt", codePage936()), expected);
    EXPECT_EQ(platformFilter("文本文件[*.txt]|*.txt", singleByte()), expected);
    EXPECT_EQ(platformFilter("a|*.a|b|*.b", singleByte()), "a\0*.a\0b\0*.b\0"s);
    EXPECT_EQ(platformFilter("", singleByte()), "\0"s);
}

TEST(PlatformFilter, TrailByteBarIsKept) {
    const std::string filter = "\x95\x7c|*.x";
    EXPECT_EQ(platformFilter(filter, codePage936()), "\x95\x7c\0*.x\0"s);
    EXPECT_EQ(platformFilter(filter, singleByte()), "\x95\0\0*.x\0"s);
}
}  // namespace
