#include "options/OptionOutcomes.h"

#include <utility>

namespace z2k {

std::size_t OptionOutcomes::add(std::string text, std::string name, std::string value) {
    OptionRecord record;
    record.text = std::move(text);
    record.name = std::move(name);
    record.value = std::move(value);
    records_.push_back(std::move(record));
    return records_.size() - 1;
}

const std::string& OptionRecord::itemsText() const {
    static const std::string none;
    return items ? *items : none;
}

void OptionOutcomes::set(const std::vector<std::size_t>& indexes, OptionOutcome outcome,
                         std::string_view items) {
    std::shared_ptr<const std::string> shared;
    if (!items.empty()) shared = std::make_shared<const std::string>(items);
    for (std::size_t index : indexes) {
        if (index >= records_.size()) continue;
        records_[index].outcome = outcome;
        records_[index].items = shared;
    }
}

void OptionOutcomes::set(std::size_t index, OptionOutcome outcome, std::string_view items) {
    set(std::vector<std::size_t>{index}, outcome, items);
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
