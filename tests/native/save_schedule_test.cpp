#include "store/save_schedule.h"

#include <gtest/gtest.h>

namespace {

using Ms = SaveSchedule::Ms;

// Keys typed every `gap` ms from 0 to `until`, the timer served as it
// fires; the times at which the text was written.
std::vector<Ms> textWritesWhileTyping(Ms gap, Ms until) {
    SaveSchedule schedule;
    std::vector<Ms> writes;
    for (Ms now = 0; now <= until; ++now) {
        if (schedule.DueAt(now) == SaveScope::Text) {
            writes.push_back(now);
            schedule.Written(SaveScope::Text, true, now);
        }
        if (now % gap == 0) schedule.TextChanged(now);
    }
    return writes;
}

TEST(SaveSchedule, TheTextIsWrittenByItsDeadlineAtAnyRhythmOfTyping) {
    EXPECT_EQ(textWritesWhileTyping(400, 8000), (std::vector<Ms>{2000, 4000, 6000, 8000}))
        << "steady typing is written every two seconds, not after it stops";
    EXPECT_EQ(textWritesWhileTyping(300, 6500), (std::vector<Ms>{2000, 4100, 6200}));
    EXPECT_EQ(textWritesWhileTyping(3000, 9000), (std::vector<Ms>{2000, 5000, 8000}))
        << "with pauses, two seconds after each change";
}

TEST(SaveSchedule, NothingIsDueWhileIdleAndEverythingAtOnceOnRequest) {
    SaveSchedule schedule;
    EXPECT_EQ(schedule.Deadline(), std::nullopt);
    EXPECT_EQ(schedule.DueAt(100000), SaveScope::None);
    EXPECT_EQ(schedule.Now(), SaveScope::All) << "deactivation, the end of a move, a suspend";
    schedule.TextChanged(10);
    schedule.Written(SaveScope::All, true, 20);
    EXPECT_EQ(schedule.Deadline(), std::nullopt) << "everything written covers the text";
}

TEST(SaveSchedule, AFailedWriteIsTriedAgainAfterAPauseWithItsScope) {
    SaveSchedule schedule;
    schedule.Written(SaveScope::All, false, 500);
    EXPECT_EQ(schedule.Deadline(), Ms{2500});
    schedule.TextChanged(600);
    EXPECT_EQ(schedule.Deadline(), Ms{2500}) << "a change does not move a deadline";
    EXPECT_EQ(schedule.DueAt(2500), SaveScope::All);
    schedule.Written(SaveScope::Text, true, 2500);
    EXPECT_EQ(schedule.DueAt(2500), SaveScope::All) << "the text alone does not cover the failed place";
    schedule.Written(SaveScope::All, true, 2501);
    EXPECT_EQ(schedule.Deadline(), std::nullopt);
}

TEST(SaveSchedule, AfterTheCloseNothingIsDue) {
    SaveSchedule schedule;
    schedule.TextChanged(0);
    schedule.Closing();
    schedule.TextChanged(1);
    EXPECT_EQ(schedule.Deadline(), std::nullopt);
    EXPECT_EQ(schedule.DueAt(5000), SaveScope::None);
    EXPECT_EQ(schedule.Now(), SaveScope::None) << "the deactivation as the note is hidden for its close";
}

const NamedValues kCurrent{{"max", "text"}, {"top", "1"}, {"left", "2"}, {"height", "3"}, {"width", "4"},
                           {"first", "1"}};

TEST(ValuesToWrite, AFirstWriteTakesEverythingTheStoreMayLackInTheCloseOrder) {
    const HeldValues firstRun{{"first", "1"}};
    EXPECT_EQ(valuesToWrite(SaveScope::Text, kCurrent, firstRun),
              (NamedValues{{"max", "text"}, {"top", "1"}, {"left", "2"}, {"height", "3"}, {"width", "4"}}));
    EXPECT_EQ(valuesToWrite(SaveScope::Text, kCurrent, HeldValues{}), kCurrent) << "a key made again: the mark last";
}

TEST(ValuesToWrite, LaterWritesTakeWhatChangedWithinTheirScope) {
    const HeldValues held{{"max", "old"}, {"top", "1"}, {"left", "9"}, {"height", "3"}, {"width", "4"}, {"first", "1"}};
    EXPECT_EQ(valuesToWrite(SaveScope::Text, kCurrent, held), (NamedValues{{"max", "text"}}));
    EXPECT_EQ(valuesToWrite(SaveScope::All, kCurrent, held), (NamedValues{{"max", "text"}, {"left", "2"}}));
    EXPECT_EQ(valuesToWrite(SaveScope::None, kCurrent, held), NamedValues{});
    HeldValues same = held;
    same["max"] = "text";
    same["left"] = "2";
    EXPECT_EQ(valuesToWrite(SaveScope::All, kCurrent, same), NamedValues{}) << "nothing written twice";
}

}  // namespace
