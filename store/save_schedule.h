#pragma once
// When the note writes to its settings store while it runs, and which
// values a write takes: a crash or a killed process loses at most the last
// half second of typing in a note of ordinary size (two seconds in a very
// long one, whose writes cost more), at any rhythm; nothing is written, and
// no timer runs, while the note is idle.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// What a write covers: the text alone while a move or resize may still be
// going on, else everything.
enum class SaveScope { None, Text, All };

// The store's values as this run last read or wrote them, by name: what a
// write compares with. A name missing here is one the store may lack.
using HeldValues = std::map<std::string, std::string>;
using NamedValues = std::vector<std::pair<std::string, std::string>>;

// The values of a write, from the note's current values in the order the
// close writes them (the text first, the started mark last, so that a
// store that is marked is whole): those of `scope` that differ from what
// the store holds, and every one the store may lack (the first write of a
// run, a key made again), whatever the scope.
NamedValues valuesToWrite(SaveScope scope, const NamedValues& current, const HeldValues& held);

class SaveSchedule {
public:
    using Ms = std::int64_t;
    // How long the first change not yet written may wait: half a second
    // while the text is up to 256 KiB, two seconds above, where each write
    // of the whole text costs a typist more.
    static constexpr std::size_t kLongText = 256 * 1024;
    static constexpr Ms kDeadline = 500;
    static constexpr Ms kLongTextDeadline = 2000;
    static Ms DeadlineFor(std::size_t textSize) { return textSize <= kLongText ? kDeadline : kLongTextDeadline; }
    // The pause before a failed write is tried again.
    static constexpr Ms kRetryPause = 2000;

    // A change of the text: written by the deadline of the text's size at
    // the first change not yet written, counted from that change; later
    // changes do not move it. `textSize` is asked only then: the length of
    // a long text costs the platform a pass over all of it, too much for
    // every key.
    void TextChanged(Ms now, const std::function<std::size_t()>& textSize);
    // The note loses the activation, a move or resize ends, the machine
    // suspends: everything is written at once.
    SaveScope AtOnce() const { return closing_ ? SaveScope::None : SaveScope::All; }
    // What the timer finds due at `now`.
    SaveScope DueAt(Ms now) const;
    // The outcome of a write of `scope` (not None): a failed one is tried
    // again after a pause, with whatever else became due meanwhile.
    void Written(SaveScope scope, bool succeeded, Ms now);
    // When the timer must next fire; none while nothing waits.
    std::optional<Ms> Deadline() const { return deadline_; }
    // The close writes everything itself: from then on nothing is due.
    void Closing();

private:
    SaveScope pending_ = SaveScope::None;
    bool unwritten_ = false;  // a change not yet written
    bool retrying_ = false;   // the last write failed
    std::optional<Ms> deadline_;
    bool closing_ = false;
};
