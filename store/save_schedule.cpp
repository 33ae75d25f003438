#include "store/save_schedule.h"

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

void SaveSchedule::TextChanged(Ms now) {
    if (closing_) return;
    if (pending_ == SaveScope::None) pending_ = SaveScope::Text;
    if (!deadline_) deadline_ = now + kDeadline;
}

SaveScope SaveSchedule::DueAt(Ms now) const {
    if (closing_ || !deadline_ || now < *deadline_) return SaveScope::None;
    return pending_;
}

void SaveSchedule::Written(SaveScope scope, bool succeeded, Ms now) {
    if (closing_ || scope == SaveScope::None) return;
    if (!succeeded) {
        if (scope > pending_) pending_ = scope;
        deadline_ = now + kDeadline;
    } else if (scope >= pending_) {
        pending_ = SaveScope::None;
        deadline_.reset();
    }
}

void SaveSchedule::Closing() {
    closing_ = true;
    pending_ = SaveScope::None;
    deadline_.reset();
}
