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

TEST(DailyCopyNames, ACopyDatedAfterTodayNeitherGoesNorTakesARealCopysPlace) {
    const Names found{"2026-12-08.txt", "2026-12-09.txt", "2025-06-01.txt", "2025-05-31.txt", "2025-05-30.txt"};
    EXPECT_EQ(copiesBeyondNewest(found, 2, "2025-06-01.txt"), Names{"2025-05-30.txt"});
    EXPECT_EQ(copiesBeyondNewest(found, 0, "2025-06-01.txt"), (Names{"2025-05-30.txt", "2025-05-31.txt"}));
}

TEST(DailyCopyNames, UnstoredTextIsNamedByItsMomentAndNeverPruned) {
    const ClockTime when{2026, 12, 8, 9, 5, 7};
    EXPECT_EQ(unstoredTextName(when, 1), "unstored-2026-12-08-090507.txt");
    EXPECT_EQ(unstoredTextName(when, 12), "unstored-2026-12-08-090507-12.txt");
    EXPECT_EQ(copiesBeyondNewest({unstoredTextName(when, 1), "2026-12-07.txt"}, 0, "2026-12-08.txt"),
              Names{"2026-12-07.txt"});
}

}  // namespace
