// Which daily copies go, against a reference that counts: a copy dated
// before today goes when at least `kept` copies up to today are newer;
// nothing else goes, whatever else the folder holds.
#include <algorithm>
#include <set>

#include "export/file_names.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

std::string copyName(std::uint16_t days) { return dailyCopyName(2000 + days / 372, days / 31 % 12 + 1, days % 31 + 1); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::size_t kept = input.byte() % 10;
    const std::string today = copyName(input.word());
    std::set<std::string> folder;
    while (!input.empty()) folder.insert(input.byte() & 1 ? input.text(16) : copyName(input.word()));

    const auto counted = [&](const std::string& name) { return isDailyCopyName(name) && name <= today; };
    std::vector<std::string> expected;
    for (const std::string& name : folder) {
        const auto newer = std::count_if(folder.begin(), folder.end(),
                                         [&](const std::string& other) { return counted(other) && other > name; });
        if (counted(name) && name != today && static_cast<std::size_t>(newer) >= kept) expected.push_back(name);
    }
    FUZZ_CHECK(copiesBeyondNewest({folder.rbegin(), folder.rend()}, kept, today) == expected);
    return 0;
}
