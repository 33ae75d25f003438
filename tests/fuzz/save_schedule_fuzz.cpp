// The save schedule driven by random changes of texts on both sides of
// 256 KiB (the size at the first change not yet written sets the deadline),
// pauses, deactivations, ends of moves, suspends, failed writes and
// the close, its timer served when it is due, against a plain record of
// what is not yet written: while writes succeed no change waits longer than
// the deadline of its text's size, a failed write is tried again two
// seconds later, no write is made for nothing, and no timer runs while
// nothing waits.
#include <algorithm>
#include <optional>

#include "store/save_schedule.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

using Ms = SaveSchedule::Ms;

struct Reference {
    std::optional<Ms> unwrittenSince;  // the first change not yet written
    Ms deadlineOfIt = 0;               // of the text's size at that change
    SaveScope failed = SaveScope::None;  // a failed write not yet covered
    bool lastFailed = false;
    Ms lastFailure = 0;

    void changed(Ms now, std::size_t size) {
        if (unwrittenSince) return;
        unwrittenSince = now;
        deadlineOfIt = SaveSchedule::DeadlineFor(size);
    }
    SaveScope dueOnTimer() const {
        if (failed == SaveScope::All) return SaveScope::All;
        return unwrittenSince || failed == SaveScope::Text ? SaveScope::Text : SaveScope::None;
    }
    bool waits() const { return unwrittenSince || failed != SaveScope::None; }
    void written(SaveScope scope, bool succeeded, Ms now) {
        lastFailed = !succeeded;
        if (!succeeded) {
            failed = std::max(failed, scope);
            lastFailure = now;
            return;
        }
        unwrittenSince.reset();  // every write takes the text
        if (scope >= failed) failed = SaveScope::None;
    }
    void checkPromisesAt(Ms now) const {
        if (lastFailed) {
            FUZZ_CHECK(now - lastFailure <= SaveSchedule::kRetryPause);
            return;
        }
        if (failed != SaveScope::None) FUZZ_CHECK(now - lastFailure <= SaveSchedule::kRetryPause);
        if (unwrittenSince) FUZZ_CHECK(now - *unwrittenSince <= deadlineOfIt);
    }
};

class Driver {
public:
    explicit Driver(FuzzInput& input) : input_(input) {}

    void step() {
        switch (input_.byte() % 6) {
            case 0: {
                // Mostly near the threshold, so that changes cross it.
                const std::size_t size = SaveSchedule::kLongText - 2 + input_.byte() % 4;
                schedule_.TextChanged(now_, [size] { return size; });
                reference_.changed(now_, size);
                break;
            }
            case 1: advance(input_.word() % 3001); break;
            case 2: write(schedule_.AtOnce()); break;  // deactivation, end of a move, suspend
            case 3: failing_ = !failing_; break;
            default: advance(input_.byte()); break;
        }
    }
    void close() {
        schedule_.Closing();
        schedule_.TextChanged(now_, [] { return std::size_t{0}; });
        FUZZ_CHECK(!schedule_.Deadline() && schedule_.AtOnce() == SaveScope::None);
        FUZZ_CHECK(schedule_.DueAt(now_ + 100000) == SaveScope::None);
    }

private:
    // The timer fires at each deadline up to `now_ + pause`.
    void advance(Ms pause) {
        const Ms until = now_ + pause;
        while (const auto deadline = schedule_.Deadline()) {
            if (*deadline > until) break;
            now_ = std::max(now_, *deadline);
            reference_.checkPromisesAt(now_);
            const SaveScope due = schedule_.DueAt(now_);
            FUZZ_CHECK(due != SaveScope::None);
            FUZZ_CHECK(due == reference_.dueOnTimer());
            write(due);
        }
        now_ = until;
        reference_.checkPromisesAt(now_);
        FUZZ_CHECK(schedule_.DueAt(now_) == SaveScope::None);
        FUZZ_CHECK(schedule_.Deadline().has_value() == reference_.waits());
    }
    void write(SaveScope scope) {
        const bool succeeded = !failing_ || input_.byte() & 1;
        reference_.written(scope, succeeded, now_);
        schedule_.Written(scope, succeeded, now_);
    }

    FuzzInput& input_;
    SaveSchedule schedule_;
    Reference reference_;
    Ms now_ = 0;
    bool failing_ = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    Driver driver(input);
    while (!input.empty()) driver.step();
    driver.close();
    return 0;
}
