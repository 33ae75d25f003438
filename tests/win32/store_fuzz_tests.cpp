// Randomly generated settings keys, each followed by a real start and close
// of the program: at most one error box at start, with the message the
// store's contents call for; the note opens; the close leaves all values
// well-formed; the program ends by itself.
//
// Seeded and reproducible. TARVISSEL_STORES picks how many keys (default a
// small sample), TARVISSEL_STORE_SEED the seed; each start and close takes
// about 5 s under Wine.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/text_rules.h"
#include "base/failure.h"
#include "base/system.h"
#include "store/note_settings.h"
#include "store/registry.h"
#include "store/registry_rules.h"
#include "tests/win32/support/failures.h"
#include "tests/win32/support/message_box.h"
#include "tests/win32/support/program.h"
#include "tests/win32/support/settings_key.h"
#include "tests/win32/support/wait.h"
#include "tests/win32/support/windows_of_process.h"

namespace {

constexpr unsigned kDefaultStores = 6;
constexpr unsigned kDefaultSeed = 20260;
constexpr DWORD kStartTimeoutMs = 60000;
const char* const kNumberNames[] = {"top", "left", "height", "width"};

unsigned environmentNumber(const char* name, unsigned fallback) {
    char text[32] = {};
    if (GetEnvironmentVariableA(name, text, sizeof text) == 0) return fallback;
    return static_cast<unsigned>(strtoul(text, nullptr, 10));
}

// A small generator whose sequence is fixed by its seed on every platform.
class Random {
public:
    explicit Random(std::uint32_t seed) : state_(seed * 2654435761u + 1) {}
    std::uint32_t next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    unsigned below(unsigned n) { return next() % n; }
    bool chance(unsigned percent) { return below(100) < percent; }
    template <typename T, size_t N>
    const T& pick(const T (&items)[N]) { return items[below(N)]; }
    std::string bytes(size_t length) {
        std::string text(length, '\0');
        for (char& c : text) c = static_cast<char>(next() & 0xFF);
        return text;
    }

private:
    std::uint32_t state_;
};

struct StoredValue {
    bool present = false;
    RawValue raw;
    bool cleanText = false;  // printable text that survives the text area unchanged
};

StoredValue rawValue(DWORD type, const std::string& data) {
    StoredValue value;
    value.present = true;
    value.raw = RawValue{true, type, data};
    return value;
}

StoredValue stringValue(const std::string& text, DWORD type = REG_SZ, bool terminated = true) {
    return rawValue(type, terminated ? text + std::string(1, '\0') : text);
}

const char* const kCleanTexts[] = {"", "a", "第一行\r\n第二行", "tab\there\r\n\r\nblank lines", "  spaces  ",
                                   "100%s %d", "全角：，。"};
const char* const kAcceptedNumbers[] = {"0", "42", "  7", "+15", "-40", "$64", "x1F", "X20", "0x50", "0X7fffffff",
                                        "$FFFFFFFF", "0000000000000000120", "-2147483648", "2147483647", "$80000000",
                                        "$000000000064", "5", "300"};
const char* const kRejectedNumbers[] = {"", " ", "1 ", "-$10", "+0x1", "2147483648", "-2147483649", "$123456789",
                                        "0x", "$", "1.5", "1e3", "\t5", "五", "- 1", "++1", "0x-1", "$ 10", "abc"};

// Some hundred KiB of words and lines. (Not one unbroken word: the
// platform's word-wrapping text area takes minutes to lay out a line of
// 200 000 characters without a break.)
std::string hugeText(Random& random) {
    std::string text;
    const size_t length = 65536 + random.below(200000);
    while (text.size() < length) {
        text += std::string(1 + random.below(30), static_cast<char>('a' + random.below(26)));
        text += random.chance(10) ? "\r\n" : " ";
    }
    return text;
}

// One value of any shape: the fuzzed kinds shared by every name.
StoredValue oddValue(Random& random) {
    switch (random.below(9)) {
        case 0: return {};  // missing
        case 1: return rawValue(REG_SZ, "");  // zero bytes
        case 2: return stringValue(random.bytes(random.below(40)));
        case 3: return stringValue(random.bytes(random.below(40)), REG_SZ, false);  // no terminating zero
        case 4: return stringValue(hugeText(random));
        case 5: return rawValue(REG_DWORD, random.bytes(4));
        case 6: return rawValue(REG_BINARY, random.bytes(random.below(9)));
        case 7: return rawValue(REG_MULTI_SZ, std::string("a\0\0", 3));
        default: return rawValue(REG_NONE, "");  // typed, but empty
    }
}

StoredValue randomFirst(Random& random) {
    switch (random.below(9)) {
        case 0: case 1: case 2: case 3: return stringValue("1");
        case 4: return stringValue(std::string("1\0junk", 6));
        case 5: return stringValue("1", REG_EXPAND_SZ);
        case 6: return stringValue("1", REG_SZ, false);
        case 7: return stringValue(random.chance(50) ? "1 " : "01");
        default: return oddValue(random);
    }
}

StoredValue randomText(Random& random) {
    if (random.chance(40)) return oddValue(random);
    StoredValue value = stringValue(random.pick(kCleanTexts), random.chance(20) ? REG_EXPAND_SZ : REG_SZ);
    value.cleanText = true;
    return value;
}

StoredValue randomNumber(Random& random) {
    const unsigned kind = random.below(12);
    if (kind < 8) return stringValue(random.pick(kAcceptedNumbers), kind == 7 ? REG_EXPAND_SZ : REG_SZ, kind != 6);
    if (kind < 10) return stringValue(random.pick(kRejectedNumbers));
    return oddValue(random);
}

struct Store {
    std::map<std::string, StoredValue> values;  // "first", "max" and the numbers
};

Store randomStore(Random& random) {
    Store store;
    store.values["first"] = randomFirst(random);
    store.values["max"] = randomText(random);
    for (const char* name : kNumberNames) store.values[name] = randomNumber(random);
    return store;
}

// The store in a failure's trace: each value's type, size and first bytes.
std::string describe(const Store& store) {
    std::string text;
    char line[160];
    for (const auto& [name, value] : store.values) {
        if (!value.present) {
            text += name + ": missing\n";
            continue;
        }
        snprintf(line, sizeof line, "%s: type %lu, %u bytes:", name.c_str(), value.raw.type,
                 static_cast<unsigned>(value.raw.data.size()));
        text += line;
        for (size_t i = 0; i < value.raw.data.size() && i < 24; ++i) {
            snprintf(line, sizeof line, " %02X", static_cast<unsigned char>(value.raw.data[i]));
            text += line;
        }
        text += "\n";
    }
    return text;
}

void writeStore(const Store& store) {
    deleteVessanTree();
    writeSettingsString("first", "");  // creates the key
    deleteSettingsValue("first");
    for (const auto& [name, value] : store.values)
        if (value.present) writeSettingsValue(name, value.raw.type, value.raw.data);
}

// The restore's outcome as the store's contents call for it.
struct Expected {
    std::optional<std::string> failure;      // the one message, if any
    bool markedAfresh = false;               // not marked as started: "first" is written anew
    // A mark this run could not read (of another type) is written by the
    // close, so that the next start restores what the note then held.
    bool markedByTheClose = false;
    std::optional<std::string> restoredText; // "max" as applied (before any failure)
};

// Records what the restore applies to the note.
class RecordingNote : public StoredNote {
public:
    std::string Text() const override { return {}; }
    void SetText(const std::string& text) override { expected.restoredText = text; }
    int Left() const override { return 0; }
    int Top() const override { return 0; }
    int Width() const override { return 0; }
    int Height() const override { return 0; }
    void SetLeft(int) override {}
    // The first thing a store not marked as started sets.
    void SetTop(int) override { expected.markedAfresh = !expected.restoredText; }
    void SetWidth(int) override {}
    void SetHeight(int) override {}
    bool WantsReplacedText() const override { return false; }
    void KeepReplacedText(const std::string&) override {}

    Expected expected;
};

// The program's own open and restore steps on the store, in this process,
// tell the outcome; the store is written again afterwards, as they may
// mark it.
Expected expectedRestore(const Store& store) {
    RecordingNote note;
    {
        TRegistry key;
        const std::string failure = failureOf([&] {
            OpenNoteSettings(key);
            HeldValues held;
            RestoreNote(key, note, held);
        });
        if (failure != "(no failure)") note.expected.failure = failure;
        note.expected.markedByTheClose =
            note.expected.markedAfresh || failure == substitute(kInvalidValueType, "first");
    }
    writeStore(store);
    return note.expected;
}

// Reading the box's text from another process gets part of a longer text,
// or nothing.
constexpr size_t kLongestReadBack = 32768;

bool printable(const std::string& text) {
    for (unsigned char c : text)
        if (c < 0x20 || c >= 0x80 || c == '&') return false;
    return true;
}

// The box shows the message as its static text; a text that was no number
// holding bytes beyond ASCII may not be text of the code page and cannot be
// compared byte for byte, so then only the message's fixed parts are; a
// huge one is not read back.
void expectBoxText(const std::string& shown, const std::string& message) {
    if (message.size() > kLongestReadBack) return;
    const std::string tail = substitute(kNotAnInteger, "").substr(1);  // after the text
    const bool aboutAText =
        message.size() > tail.size() && message.compare(message.size() - tail.size(), tail.size(), tail) == 0;
    if (!aboutAText || printable(message.substr(1, message.size() - tail.size() - 1))) {
        EXPECT_EQ(shown, errorBoxText(message, systemLeadBytes()));
        return;
    }
    const std::string shownTail = errorBoxText(tail, systemLeadBytes());
    EXPECT_EQ(shown.substr(0, 1), "'");
    ASSERT_GE(shown.size(), shownTail.size());
    EXPECT_EQ(shown.substr(shown.size() - shownTail.size()), shownTail);
}

bool isDecimal(const std::string& text) {
    const size_t digits = text.rfind('-', 0) == 0 ? 1 : 0;
    if (text.size() <= digits || text.size() > digits + 10) return false;
    if (text.find_first_not_of("0123456789", digits) != std::string::npos) return false;
    return text[digits] != '0' || text.size() == digits + 1;
}

void expectWellFormedString(const std::string& name) {
    const RawValue value = readSettingsValue(name);
    ASSERT_TRUE(value.found) << name << " is missing";
    EXPECT_EQ(value.type, static_cast<DWORD>(REG_SZ)) << name;
    ASSERT_FALSE(value.data.empty()) << name;
    EXPECT_EQ(value.data.find('\0'), value.data.size() - 1) << name << " is not one terminated text";
}

struct Outcomes {
    std::map<std::string, unsigned> counts;
    void add(const std::string& what) { ++counts[what]; }
    void print() const {
        for (const auto& [what, count] : counts) printf("  %-28s %u\n", what.c_str(), count);
    }
};

std::string outcomeName(const Expected& expected) {
    if (!expected.failure) return expected.markedAfresh ? "started afresh" : "restored";
    if (expected.failure->find("数据类型") != std::string::npos) return "invalid type reported";
    return "not an integer reported";
}

// One start and close on the given store; the program's windows and values
// checked along the way.
void startAndClose(const Store& store, const Expected& expected) {
    const RawValue firstBefore = readSettingsValue("first");

    RunningProgram program;
    ASSERT_TRUE(program.started());
    HWND box = nullptr;
    HWND note = nullptr;
    const DWORD started = GetTickCount();
    waitUntil([&] {
        box = findTopLevelWindow(program.processId(), "#32770");
        note = findTopLevelWindow(program.processId(), "TForm1");
        return (box && IsWindowVisible(box)) || (note && IsWindowVisible(note));
    }, kStartTimeoutMs);
    if (GetTickCount() - started > kWindowTimeoutMs)
        printf("slow start: %lu ms\n", GetTickCount() - started);
    if (box && IsWindowVisible(box)) {
        ASSERT_TRUE(expected.failure) << "unexpected error box: " << readMessageBox(box).text;
        expectBoxText(readMessageBox(box).text, *expected.failure);
        ASSERT_TRUE(pressOk(box));
    } else {
        ASSERT_FALSE(expected.failure) << "no error box for " << *expected.failure;
    }
    note = program.waitForNote();
    ASSERT_NE(note, nullptr) << "the note did not open";
    EXPECT_EQ(waitForMessageBox(program.processId(), 200), nullptr) << "a second error box";

    program.closeNote();
    ASSERT_TRUE(program.waitForExit()) << "the program did not end after a close request";
    EXPECT_EQ(program.exitCode(), 0u);

    for (const char* name : {"max", "top", "left", "height", "width"}) expectWellFormedString(name);
    for (const char* name : kNumberNames) EXPECT_TRUE(isDecimal(*readSettingsString(name))) << name;
    if (expected.markedByTheClose) {
        EXPECT_EQ(readSettingsString("first"), "1");
    } else {
        EXPECT_EQ(readSettingsValue("first").data, firstBefore.data) << "\"first\" is rewritten only when not read as 1";
    }
    if (expected.restoredText && store.values.at("max").cleanText) {
        EXPECT_EQ(readSettingsString("max"), *expected.restoredText);
    }
}

TEST(StoreFuzz, RandomStoresStartAndCloseCleanly) {
    const unsigned count = environmentNumber("TARVISSEL_STORES", kDefaultStores);
    const unsigned seed = environmentNumber("TARVISSEL_STORE_SEED", kDefaultSeed);
    Random random(seed);
    Outcomes outcomes;
    for (unsigned i = 0; i < count; ++i) {
        const Store store = randomStore(random);
        SCOPED_TRACE("store " + std::to_string(i) + " of seed " + std::to_string(seed) + "\n" + describe(store));
        writeStore(store);
        const Expected expected = expectedRestore(store);
        startAndClose(store, expected);
        outcomes.add(outcomeName(expected));
        if (HasFatalFailure()) break;
    }
    deleteVessanTree();
    printf("%u stores of seed %u:\n", count, seed);
    outcomes.print();
}

}  // namespace
