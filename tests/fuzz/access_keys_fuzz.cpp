// Access-key assignment on random captions against a reference over whole
// characters; the assigned keys must also be distinct and kept by a second
// assignment.
#include <set>

#include "commands/access_keys.h"
#include "tests/fuzz/fuzz_input.h"

namespace {
const std::string kKeys = "1234567890ABCDEFGHIJKLMNOPQRSTUVWXYZ";
// Half of the captions are spelt from bytes that matter to the rule.
const std::string kAlphabet = "&&&azAZ09 (\x81\xB1\xA3\xFE\x40";
constexpr std::size_t kMaxItems = 40;  // more than the 36 key characters
constexpr std::size_t kMaxCaption = 12;

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
bool isKey(char c) { return c != '\0' && kKeys.find(upper(c)) != std::string::npos; }

// The character after the first "&" that is not doubled; nothing otherwise.
const std::string* ownKey(const std::vector<std::string>& all) {
    for (std::size_t j = 0; j + 1 < all.size(); ++j) {
        if (all[j] != "&")
            continue;
        if (all[j + 1] != "&")
            return &all[j + 1];
        ++j;
    }
    return nullptr;
}

// A caption ending in an unpaired "&" turns an appended "(&K)" into "&("
// followed by "&K)": the platform and the next assignment read "(" as its
// key. The menu's own captions never end so.
bool endsInUnpairedAmpersand(const std::string& caption, bool doubleByte) {
    const std::vector<std::string> all = characters(caption, doubleByte);
    for (std::size_t j = 0; j < all.size(); ++j) {
        if (all[j] != "&")
            continue;
        if (j + 1 == all.size())
            return true;
        if (all[++j] != "&")
            return false;  // a key of its own: nothing is appended
    }
    return false;
}

std::vector<std::string> reference(std::vector<std::string> captions, bool doubleByte) {
    std::set<char> taken;
    std::vector<bool> has(captions.size());
    for (std::size_t i = 0; i < captions.size(); ++i) {
        const std::vector<std::string> all = characters(captions[i], doubleByte);
        if (const std::string* key = ownKey(all)) {
            has[i] = true;
            if (isKey((*key)[0]))
                taken.insert(upper((*key)[0]));
        }
    }
    for (std::size_t i = 0; i < captions.size(); ++i) {
        if (has[i])
            continue;
        std::string marked;
        for (const std::string& character : characters(captions[i], doubleByte)) {
            if (!has[i] && isKey(character[0]) && !taken.count(upper(character[0]))) {
                taken.insert(upper(character[0]));
                has[i] = true;
                marked += "&";
            }
            marked += character;
        }
        captions[i] = marked;
    }
    if (!doubleByte)
        return captions;
    std::string free;
    for (char key : kKeys)
        if (!taken.count(key))
            free += key;
    for (std::size_t i = captions.size(); i-- > 0;) {
        if (has[i])
            continue;
        if (free.empty())
            break;
        captions[i] += std::string("(&") + free.back() + ")";
        free.pop_back();
    }
    return captions;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::uint8_t choices = input.byte();
    const LeadBytes lead = codePageOf(choices);
    const bool spelt = choices & 2;
    std::vector<std::string> captions(input.byte() % (kMaxItems + 1));
    for (std::string& caption : captions) {
        caption = input.text(kMaxCaption);
        if (spelt)
            for (char& c : caption)
                c = kAlphabet[static_cast<unsigned char>(c) % kAlphabet.size()];
    }

    std::vector<std::string> assigned = captions;
    assignAccessKeys(assigned, lead);
    FUZZ_CHECK(assigned == reference(captions, choices & 1));

    for (const std::string& caption : captions)
        if (endsInUnpairedAmpersand(caption, choices & 1))
            return 0;
    std::vector<std::string> again = assigned;
    assignAccessKeys(again, lead);
    FUZZ_CHECK(again == assigned);
    return 0;
}
