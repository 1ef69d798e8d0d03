#include "options/OptionOutcomes.h"

#include <utility>

namespace z2k {

std::size_t OptionOutcomes::add(std::string_view text, std::string_view name, std::string_view value) {
    entries_.push_back(Entry{texts_.size(), text.size(), name.size(), value.size(), OptionOutcome::Other});
    texts_.append(text).append(name).append(value);
    return entries_.size() - 1;
}

void OptionOutcomes::set(std::size_t index, OptionOutcome outcome) {
    if (index < entries_.size()) entries_[index].outcome = outcome;
}

std::vector<OptionRecord> OptionOutcomes::records() const {
    std::vector<OptionRecord> records;
    records.reserve(entries_.size());
    const std::string_view texts = texts_;
    for (const Entry& entry : entries_) {
        records.push_back(OptionRecord{
            texts.substr(entry.begin, entry.textSize),
            texts.substr(entry.begin + entry.textSize, entry.nameSize),
            texts.substr(entry.begin + entry.textSize + entry.nameSize, entry.valueSize), entry.outcome});
    }
    return records;
}

std::size_t OptionOutcomes::count(OptionOutcome outcome) const {
    std::size_t count = 0;
    for (const Entry& entry : entries_)
        if (entry.outcome == outcome) ++count;
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
