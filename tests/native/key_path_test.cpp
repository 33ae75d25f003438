#include "store/registry_rules.h"

#include <gtest/gtest.h>

namespace {
TEST(ResolveKeyPath, LeadingBackslashMeansFromTheRoot) {
    const KeyTarget target = resolveKeyPath("\\software\\Vessan", true);
    EXPECT_FALSE(target.fromCurrentKey);
    EXPECT_EQ(target.subKey, "software\\Vessan");
    EXPECT_EQ(resolveKeyPath("\\", true).subKey, "");
}

TEST(ResolveKeyPath, OtherPathsAreRelativeOnlyWhenAKeyIsOpen) {
    const KeyTarget relative = resolveKeyPath("Vessan", true);
    EXPECT_TRUE(relative.fromCurrentKey);
    EXPECT_EQ(relative.subKey, "Vessan");
    const KeyTarget fromRoot = resolveKeyPath("software", false);
    EXPECT_FALSE(fromRoot.fromCurrentKey);
    EXPECT_EQ(fromRoot.subKey, "software");
    EXPECT_EQ(resolveKeyPath("a\\b", true).subKey, "a\\b");  // only a leading "\" is removed
}

TEST(NextCurrentPath, RelativeOpensExtendTheCurrentPath) {
    std::string path;
    bool open = false;
    for (const char* name : {"software", "Vessan", "Ordeluma", "位置"}) {
        path = nextCurrentPath(path, resolveKeyPath(name, open));
        open = true;
    }
    EXPECT_EQ(path, "software\\Vessan\\Ordeluma\\位置");
}

TEST(NextCurrentPath, RootOpenReplacesTheCurrentPath) {
    EXPECT_EQ(nextCurrentPath("software\\Vessan", resolveKeyPath("\\other", true)), "other");
}
}  // namespace
