#pragma once
// What became of every option of one ZAT option string during a conversion. Converters record
// the outcome while they convert (through OptionsTable::settle), so a report can be built from
// it without reading the KOR string back.
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace z2k {

enum class OptionOutcome {
    Converted,  // a registered handler (or a table row) took the option, possibly producing nothing
    Other,      // carried into the [S|OTHER|...] item
    Rejected,   // a handler refused the value: the option was dropped
};

struct OptionRecord {
    std::string text;   // the option as it stood in the (rewritten) ZAT string, before clean-up
    std::string name;   // its name
    std::string value;  // its value after the replacement and comma clean-up
    OptionOutcome outcome = OptionOutcome::Other;

    // The KOR items the option's table entry produced ("[B|LIST|1] [S|LISTPATH|...]"), with
    // "$(FILE)" already turned into "$(FILELEAF)". empty for Other and Rejected. An option met
    // more than once shares the items of its joined entry (one text, not one copy each).
    const std::string& itemsText() const;
    std::shared_ptr<const std::string> items;
};

class OptionOutcomes {
  public:
    // Adds a record for one option met in the string (input order); returns its index.
    std::size_t add(std::string text, std::string name, std::string value);
    // Sets the outcome (and the items produced) of the records at the indexes; indexes out of
    // range are ignored.
    void set(const std::vector<std::size_t>& indexes, OptionOutcome outcome, std::string_view items);
    void set(std::size_t index, OptionOutcome outcome, std::string_view items);

    // The records in input order.
    const std::vector<OptionRecord>& records() const { return records_; }
    std::size_t size() const { return records_.size(); }
    bool empty() const { return records_.empty(); }
    // Number of records with the given outcome.
    std::size_t count(OptionOutcome outcome) const;
    void clear() { records_.clear(); }

  private:
    std::vector<OptionRecord> records_;
};

// "Converted", "Other", "Rejected".
const char* optionOutcomeName(OptionOutcome outcome);

}  // namespace z2k
