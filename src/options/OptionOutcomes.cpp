#include "options/OptionOutcomes.h"

#include <utility>

namespace z2k {

std::size_t OptionOutcomes::add(std::string_view text, std::string_view name, std::string_view value) {
    OptionRecord& record = records_.emplace_back();
    record.text.assign(text);
    record.name.assign(name);
    record.value.assign(value);
    return records_.size() - 1;
}

void OptionOutcomes::set(std::size_t index, OptionOutcome outcome) {
    if (index < records_.size()) records_[index].outcome = outcome;
}

std::size_t OptionOutcomes::count(OptionOutcome outcome) const {
    std::size_t count = 0;
    for (const OptionRecord& record : records_)
        if (record.outcome == outcome) ++count;
    return count;
}

const char* optionOutcomeName(OptionOutcome outcome) {
    switch (outcome) {
        case OptionOutcome::Converted:
            return "Converted";
        case OptionOutcome::Other:
            return "Other";
        case OptionOutcome::Rejected:
            return "Rejected";
    }
    return "Other";
}

}  // namespace z2k
