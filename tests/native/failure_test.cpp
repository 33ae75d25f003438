#include "base/failure.h"

#include <gtest/gtest.h>

namespace {
TEST(Substitute, PutsTheValueInVerbatim) {
    EXPECT_EQ(substitute("'%s' x", "%s %n %d %%"), "'%s %n %d %%' x");
    EXPECT_EQ(substitute("%s", ""), "");
    EXPECT_EQ(substitute("创建主键 %s 失败", "位置"), "创建主键 位置 失败");
}

TEST(Substitute, PatternWithoutPlaceholderIsUnchanged) {
    EXPECT_EQ(substitute("写流出错", "ignored"), "写流出错");
    EXPECT_EQ(substitute("100%", "x"), "100%");
}

TEST(RaiseFailure, CarriesTheFilledMessage) {
    try {
        throw Failure("不能创建文件 %s", "C:\\a%d.txt");
        FAIL() << "no failure raised";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.message(), "不能创建文件 C:\\a%d.txt");
        EXPECT_STREQ(failure.what(), failure.message().c_str());
    }
}
}  // namespace
