#include "app/text_rules.h"

#include <gtest/gtest.h>

#include "tests/native/code_pages.h"

namespace {
TEST(ErrorBoxText, AppendsDotAfterCharactersAboveDot) {
    const LeadBytes lead = codePage936();
    EXPECT_EQ(errorBoxText("abc", lead), "abc.");
    EXPECT_EQ(errorBoxText("a/", lead), "a/.");  // 0x2F
    EXPECT_EQ(errorBoxText("写流出错", lead), "写流出错.");
}

TEST(ErrorBoxText, NoDotAfterDotOrBelowOrForEmpty) {
    const LeadBytes lead = codePage936();
    EXPECT_EQ(errorBoxText("", lead), "");
    EXPECT_EQ(errorBoxText("a.", lead), "a.");  // 0x2E
    EXPECT_EQ(errorBoxText("a-", lead), "a-");
    EXPECT_EQ(errorBoxText("a,", lead), "a,");
    EXPECT_EQ(errorBoxText("a ", lead), "a ");
}

TEST(ErrorBoxText, JudgesTheLeadByteOfAFinalDoubleByteCharacter) {
    const std::string endsInTrailDot = "x\x81\x2e";
    EXPECT_EQ(errorBoxText(endsInTrailDot, codePage936()), endsInTrailDot + ".");
    EXPECT_EQ(errorBoxText(endsInTrailDot, singleByte()), endsInTrailDot);
}

TEST(ErrorBoxText, SingleByteHighCharacterGetsDot) {
    EXPECT_EQ(errorBoxText("caf\xe9", singleByte()), "caf\xe9.");
}
}  // namespace
