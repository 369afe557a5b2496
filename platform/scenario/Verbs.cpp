#include "platform/scenario/Verbs.h"

#include <algorithm>

namespace scenario {

void VerbTable::add(Verb verb) {
    auto same =
        std::find_if(verbs_.begin(), verbs_.end(), [&](const Verb& v) { return v.name == verb.name; });
    if (same != verbs_.end()) {
        *same = std::move(verb);
    } else {
        verbs_.push_back(std::move(verb));
    }
}

const Verb* VerbTable::find(const std::string& name) const {
    auto it = std::find_if(verbs_.begin(), verbs_.end(), [&](const Verb& v) { return v.name == name; });
    return it != verbs_.end() ? &*it : nullptr;
}

}  // namespace scenario
