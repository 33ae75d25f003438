#include "store/save_schedule.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using Ms = SaveSchedule::Ms;

const std::size_t kShort = SaveSchedule::kLongText;
const std::size_t kLong = SaveSchedule::kLongText + 1;

std::function<std::size_t()> sized(std::size_t size) {
    return [size] { return size; };
}

// Keys typed every `gap` ms from 0 to `until` into a text of `size` bytes,
// the timer served as it fires; the times at which the text was written.
std::vector<Ms> textWritesWhileTyping(Ms gap, Ms until, std::size_t size) {
    SaveSchedule schedule;
    std::vector<Ms> writes;
    for (Ms now = 0; now <= until; ++now) {
        if (schedule.DueAt(now) == SaveScope::Text) {
            writes.push_back(now);
            schedule.Written(SaveScope::Text, true, now);
        }
        if (now % gap == 0) schedule.TextChanged(now, sized(size));
    }
    return writes;
}

TEST(SaveSchedule, TheTextIsWrittenByItsDeadlineAtAnyRhythmOfTyping) {
    EXPECT_EQ(textWritesWhileTyping(100, 2000, kShort), (std::vector<Ms>{500, 1000, 1500, 2000}))
        << "steady typing is written every half second, not after it stops";
    EXPECT_EQ(textWritesWhileTyping(3000, 9000, kShort), (std::vector<Ms>{500, 3500, 6500}))
        << "with pauses, half a second after each change";
    EXPECT_EQ(textWritesWhileTyping(400, 8000, kLong), (std::vector<Ms>{2000, 4000, 6000, 8000}))
        << "a text over 256 KiB every two seconds";
    EXPECT_EQ(textWritesWhileTyping(300, 6500, kLong), (std::vector<Ms>{2000, 4100, 6200}));
}

TEST(SaveSchedule, TheSizeAtTheFirstChangeNotYetWrittenSetsTheDeadlineAndIsAskedOnlyThen) {
    SaveSchedule schedule;
    int asked = 0;
    const auto longText = [&] { return ++asked, kLong; };
    schedule.TextChanged(0, longText);
    schedule.TextChanged(300, longText);
    EXPECT_EQ(schedule.Deadline(), Ms{2000});
    EXPECT_EQ(asked, 1) << "a long text's length is asked once a deadline, not at every key";
    schedule.Written(SaveScope::Text, true, 2000);
    schedule.TextChanged(2100, sized(kShort));
    EXPECT_EQ(schedule.Deadline(), Ms{2600});
}

TEST(SaveSchedule, NothingIsDueWhileIdleAndEverythingAtOnceOnRequest) {
    SaveSchedule schedule;
    EXPECT_EQ(schedule.Deadline(), std::nullopt);
    EXPECT_EQ(schedule.DueAt(100000), SaveScope::None);
    EXPECT_EQ(schedule.AtOnce(), SaveScope::All) << "deactivation, the end of a move, a suspend";
    schedule.TextChanged(10, sized(kShort));
    schedule.Written(SaveScope::All, true, 20);
    EXPECT_EQ(schedule.Deadline(), std::nullopt) << "everything written covers the text";
}

TEST(SaveSchedule, AFailedWriteIsTriedAgainAfterAPauseWithItsScopeThenNothingWaits) {
    SaveSchedule schedule;
    schedule.Written(SaveScope::All, false, 500);
    EXPECT_EQ(schedule.Deadline(), Ms{2500});
    schedule.TextChanged(600, sized(kShort));
    EXPECT_EQ(schedule.Deadline(), Ms{2500}) << "a failing store is not tried at every key";
    EXPECT_EQ(schedule.DueAt(2500), SaveScope::All);
    schedule.Written(SaveScope::Text, true, 2500);
    EXPECT_EQ(schedule.DueAt(2500), SaveScope::All) << "the text alone does not cover the failed place";
    schedule.Written(SaveScope::All, true, 2501);
    EXPECT_EQ(schedule.Deadline(), std::nullopt) << "idle after the retry: no timer";
    EXPECT_EQ(schedule.DueAt(1000000), SaveScope::None);
}

TEST(SaveSchedule, AfterTheCloseNothingIsDue) {
    SaveSchedule schedule;
    schedule.TextChanged(0, sized(kShort));
    schedule.Closing();
    schedule.TextChanged(1, sized(kShort));
    EXPECT_EQ(schedule.Deadline(), std::nullopt);
    EXPECT_EQ(schedule.DueAt(5000), SaveScope::None);
    EXPECT_EQ(schedule.AtOnce(), SaveScope::None) << "the deactivation as the note is hidden for its close";
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
