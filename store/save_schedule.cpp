#include "store/save_schedule.h"

#include <algorithm>

NamedValues valuesToWrite(SaveScope scope, const NamedValues& current, const HeldValues& held) {
    NamedValues values;
    if (scope == SaveScope::None) return values;
    for (std::size_t i = 0; i < current.size(); ++i) {
        const auto& [name, value] = current[i];
        const auto found = held.find(name);
        const bool inScope = scope == SaveScope::All || i == 0;
        if (found == held.end() || (inScope && found->second != value)) values.push_back(current[i]);
    }
    return values;
}

void SaveSchedule::TextChanged(Ms now, const std::function<std::size_t()>& textSize) {
    if (closing_ || unwritten_) return;
    unwritten_ = true;
    if (pending_ == SaveScope::None) pending_ = SaveScope::Text;
    // A store that just failed is tried again at its own pace, not at every key.
    if (retrying_) return;
    const Ms due = now + DeadlineFor(textSize());
    deadline_ = deadline_ ? std::min(*deadline_, due) : due;
}

SaveScope SaveSchedule::DueAt(Ms now) const {
    if (closing_ || !deadline_ || now < *deadline_) return SaveScope::None;
    return pending_;
}

void SaveSchedule::Written(SaveScope scope, bool succeeded, Ms now) {
    if (!succeeded) {
        pending_ = std::max(pending_, scope);
        retrying_ = true;
        deadline_ = now + kRetryPause;
        return;
    }
    unwritten_ = false;  // every write takes the text
    retrying_ = false;
    if (scope < pending_) return;  // the text alone does not cover a failed write of everything
    pending_ = SaveScope::None;
    deadline_.reset();
}

void SaveSchedule::Closing() {
    closing_ = true;
    pending_ = SaveScope::None;
    unwritten_ = false;
    retrying_ = false;
    deadline_.reset();
}
