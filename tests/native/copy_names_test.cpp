#include "export/file_names.h"

#include <gtest/gtest.h>

namespace {

using Names = std::vector<std::string>;

TEST(DailyCopyNames, SortAsTheDaysDoAndNothingElseIsACopy) {
    EXPECT_EQ(dailyCopyName(2026, 12, 8), "2026-12-08.txt");
    EXPECT_EQ(dailyCopyName(987, 1, 31), "0987-01-31.txt");
    EXPECT_TRUE(isDailyCopyName("2026-12-08.txt"));
    for (const char* name : {"2026-12-8.txt", "2026-12-08.TXT", "notes.txt", "2026-12-08.txt.bak", "2026_12_08.txt",
                             "２026-12-08.txt", ""})
        EXPECT_FALSE(isDailyCopyName(name)) << name;
}

TEST(DailyCopyNames, TheOldestBeyondTheNewestKeptGoAndOtherFilesStay) {
    const Names found{"2026-12-08.txt", "notes.txt", "2025-01-01.txt", "2026-12-01.txt", "2026-11-30.txt"};
    const std::string today = "2026-12-08.txt";
    EXPECT_EQ(copiesBeyondNewest(found, 2, today), (Names{"2025-01-01.txt", "2026-11-30.txt"}));
    EXPECT_EQ(copiesBeyondNewest(found, 4, today), Names{});
    EXPECT_EQ(copiesBeyondNewest(found, 0, today), (Names{"2025-01-01.txt", "2026-11-30.txt", "2026-12-01.txt"}));
}

TEST(DailyCopyNames, TodaysCopyStaysWhenTheClockWasSetBack) {
    const Names found{"2026-12-08.txt", "2026-12-09.txt", "2026-12-10.txt", "2025-06-01.txt"};
    EXPECT_EQ(copiesBeyondNewest(found, 2, "2025-06-01.txt"), Names{"2026-12-08.txt"});
}

}  // namespace
