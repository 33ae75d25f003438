#include "base/text.h"

#include <gtest/gtest.h>

TEST(DwordSize, KeepsEveryCountUpTo32BitsAndRefusesLonger) {
    EXPECT_EQ(dwordSize(0), 0u);
    EXPECT_EQ(dwordSize(0xFFFFFFFFu), 0xFFFFFFFFu);
    if (sizeof(std::size_t) > 4) {
        EXPECT_EQ(dwordSize(std::size_t{0xFFFFFFFFu} + 1), std::nullopt);
        EXPECT_EQ(dwordSize(~std::size_t{0}), std::nullopt);
    }
}
