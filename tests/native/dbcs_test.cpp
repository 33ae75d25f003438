#include "base/text.h"

#include <gtest/gtest.h>

#include "tests/native/code_pages.h"

namespace {
const auto npos = std::string::npos;

TEST(LeadBytes, TakesEveryRangeInclusiveUpToTheZeroPair) {
    const unsigned char ranges[] = {0x81, 0x9F, 0xE0, 0xFC, 0, 0, 0x20, 0x20};
    const LeadBytes lead(ranges, 4);
    EXPECT_TRUE(lead.any());
    EXPECT_FALSE(lead.isLead(0x80));
    EXPECT_TRUE(lead.isLead(0x81));
    EXPECT_TRUE(lead.isLead(0x9F));
    EXPECT_FALSE(lead.isLead(0xA0));
    EXPECT_TRUE(lead.isLead(0xE0));
    EXPECT_TRUE(lead.isLead(0xFC));
    EXPECT_FALSE(lead.isLead(0xFD));
    EXPECT_FALSE(lead.isLead(0x20));  // after the terminating pair
}

TEST(LeadBytes, ReadsNoMoreThanMaxPairs) {
    const unsigned char ranges[] = {0x81, 0x81, 0xFE, 0xFE};
    const LeadBytes lead(ranges, 1);
    EXPECT_TRUE(lead.isLead(0x81));
    EXPECT_FALSE(lead.isLead(0xFE));
}

TEST(LeadBytes, SingleByteCodePageHasNone) {
    const unsigned char ranges[] = {0, 0};
    EXPECT_FALSE(LeadBytes(ranges, 1).any());
    EXPECT_FALSE(singleByte().any());
    EXPECT_FALSE(singleByte().isLead(0x81));
}

TEST(LeadBytes, StepsOverDoubleByteCharactersWhole) {
    const LeadBytes lead = codePage936();
    const std::string text = "a\x95\x5c" "b\x95";
    EXPECT_EQ(lead.next(text, 0), 1u);
    EXPECT_EQ(lead.next(text, 1), 3u);
    EXPECT_EQ(lead.next(text, 4), 5u);  // a lead byte cut off by the end
    EXPECT_EQ(lead.next(text, 5), 5u);
}

TEST(LeadBytes, SearchesSkipTrailBytes) {
    const std::string text = "\x95\x5c" "a\\b\x95\x5c";
    EXPECT_EQ(codePage936().find(text, '\\'), 3u);
    EXPECT_EQ(codePage936().findLast(text, '\\'), 3u);
    EXPECT_EQ(singleByte().find(text, '\\'), 1u);
    EXPECT_EQ(singleByte().findLast(text, '\\'), 6u);
    EXPECT_EQ(codePage936().find("\x95\x5c", '\\'), npos);
}

TEST(LeadBytes, LastCharacterStart) {
    EXPECT_EQ(codePage936().lastCharStart(""), npos);
    EXPECT_EQ(codePage936().lastCharStart("a\x81\x2e"), 1u);
    EXPECT_EQ(singleByte().lastCharStart("a\x81\x2e"), 2u);
    EXPECT_EQ(codePage936().lastCharStart("\x81\x2e\x81"), 2u);
}
}  // namespace
