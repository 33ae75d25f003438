#include "commands/access_keys.h"

#include <gtest/gtest.h>

#include "commands/menu_items.h"
#include "tests/native/code_pages.h"

namespace {
std::vector<std::string> shownCaptions() {
    std::vector<std::string> captions;
    for (const MenuItemEntry& entry : kMenuItems)
        if (entry.visible)
            captions.push_back(entry.caption);
    return captions;
}

std::vector<std::string> assigned(std::vector<std::string> captions, const LeadBytes& lead) {
    assignAccessKeys(captions, lead);
    return captions;
}

TEST(AccessKeys, MenuCaptionsOnCodePage936GetKeysFromTheEndInReverseOrder) {
    const std::string keys = "NOPQRSTUVWXYZ";
    std::vector<std::string> expected = shownCaptions();
    for (std::size_t i = 0; i < expected.size(); ++i) expected[i] += std::string("(&") + keys[i] + ")";
    EXPECT_EQ(assigned(shownCaptions(), codePage936()), expected);
    EXPECT_EQ(assigned(shownCaptions(), codePage936()).front(), "\xB1\xA3\xB4\xE6(&N)");
}

TEST(AccessKeys, MenuCaptionsOnSingleByteCodePageStayUnchanged) {
    EXPECT_EQ(assigned(shownCaptions(), singleByte()), shownCaptions());
}

TEST(AccessKeys, AssignedKeysAreKeptNextTime) {
    const std::vector<std::string> once = assigned(shownCaptions(), codePage936());
    EXPECT_EQ(assigned(once, codePage936()), once);
}

TEST(AccessKeys, OwnFreeCharacterIsPreferredCaseInsensitively) {
    EXPECT_EQ(assigned({"Save", "Stop", "sea"}, singleByte()), (std::vector<std::string>{"&Save", "S&top", "s&ea"}));
    EXPECT_EQ(assigned({"x", "X"}, singleByte()), (std::vector<std::string>{"&x", "X"}));
    EXPECT_EQ(assigned({"x", "X"}, codePage936()), (std::vector<std::string>{"&x", "X(&Z)"}));
}

TEST(AccessKeys, ExistingKeyIsKeptAndTaken) {
    EXPECT_EQ(assigned({"Save", "&Stop"}, singleByte()), (std::vector<std::string>{"S&ave", "&Stop"}));
    EXPECT_EQ(assigned({"退出", "&Z"}, codePage936()), (std::vector<std::string>{"退出(&Y)", "&Z"}));
}

TEST(AccessKeys, DoubledAmpersandIsNoKey) {
    EXPECT_EQ(assigned({"A&&B"}, singleByte()), (std::vector<std::string>{"&A&&B"}));
    EXPECT_EQ(assigned({"&&"}, codePage936()), (std::vector<std::string>{"&&(&Z)"}));
}

TEST(AccessKeys, TrailBytesAreNeitherKeyCharactersNorAmpersands) {
    EXPECT_EQ(assigned({"\x81\x41"}, codePage936()), (std::vector<std::string>{"\x81\x41(&Z)"}));
    EXPECT_EQ(assigned({"\x81\x41"}, singleByte()), (std::vector<std::string>{"\x81&A"}));
    EXPECT_EQ(assigned({"\x81&X"}, codePage936()), (std::vector<std::string>{"\x81&&X"}));
    EXPECT_EQ(assigned({"\x81&X"}, singleByte()), (std::vector<std::string>{"\x81&X"}));
}

TEST(AccessKeys, ItemsBeyondTheThirtySixCharactersGetNone) {
    const std::vector<std::string> result = assigned(std::vector<std::string>(37, "中"), codePage936());
    EXPECT_EQ(result[0], "中");
    EXPECT_EQ(result[1], "中(&1)");
    EXPECT_EQ(result[36], "中(&Z)");
}
}  // namespace
