#include "commands/access_keys.h"

#include <array>

namespace {
const std::string kKeyCharacters = "1234567890ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// The key characters and which of them an item already uses.
class KeyPool {
public:
    void take(char c) {
        const std::size_t index = indexOf(c);
        if (index != std::string::npos)
            taken_[index] = true;
    }
    bool takeIfFree(char c) {
        const std::size_t index = indexOf(c);
        if (index == std::string::npos || taken_[index])
            return false;
        taken_[index] = true;
        return true;
    }
    // The last free character of the list, now taken; 0 when all are taken.
    char takeLastFree() {
        for (std::size_t index = kKeyCharacters.size(); index-- > 0;)
            if (!taken_[index]) {
                taken_[index] = true;
                return kKeyCharacters[index];
            }
        return 0;
    }

private:
    static std::size_t indexOf(char c) {
        const char upper = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        return upper == 0 ? std::string::npos : kKeyCharacters.find(upper);
    }
    std::array<bool, 36> taken_{};
};

// Position of the character after the caption's access-key "&", or npos;
// "&&" stands for a plain "&".
std::size_t accessKeyPosition(const std::string& caption, const LeadBytes& lead) {
    for (std::size_t i = 0; i < caption.size(); i = lead.next(caption, i)) {
        if (caption[i] != '&')
            continue;
        const std::size_t key = i + 1;
        if (key >= caption.size())
            return std::string::npos;
        if (caption[key] != '&')
            return key;
        i = key;
    }
    return std::string::npos;
}

// Marks the first free key character of the caption itself with "&".
bool markOwnCharacter(std::string& caption, const LeadBytes& lead, KeyPool& pool) {
    for (std::size_t i = 0; i < caption.size(); i = lead.next(caption, i))
        if (pool.takeIfFree(caption[i])) {
            caption.insert(i, "&");
            return true;
        }
    return false;
}
}  // namespace

void assignAccessKeys(std::vector<std::string>& captions, const LeadBytes& lead) {
    KeyPool pool;
    std::vector<bool> hasKey(captions.size(), false);
    for (std::size_t i = 0; i < captions.size(); ++i) {
        const std::size_t key = accessKeyPosition(captions[i], lead);
        if (key != std::string::npos) {
            hasKey[i] = true;
            pool.take(captions[i][key]);
        }
    }
    for (std::size_t i = 0; i < captions.size(); ++i)
        if (!hasKey[i])
            hasKey[i] = markOwnCharacter(captions[i], lead, pool);
    if (!lead.any())
        return;
    // Appended keys come from the end of the list, last item first.
    for (std::size_t i = captions.size(); i-- > 0;) {
        if (hasKey[i])
            continue;
        const char key = pool.takeLastFree();
        if (key == 0)
            return;
        captions[i] += std::string("(&") + key + ")";
    }
}
