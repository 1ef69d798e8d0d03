#pragma once
// What became of every option of one ZAT option string during a conversion. Converters record
// the outcome while they convert (through OptionsTable::settle), so a report can be built from
// it without reading the KOR string back.
#include <cstddef>
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
};

class OptionOutcomes {
  public:
    // Adds a record for one option met in the string (input order); returns its index.
    std::size_t add(std::string_view text, std::string_view name, std::string_view value);
    // Sets the outcome of the record at the index; an index out of range is ignored.
    void set(std::size_t index, OptionOutcome outcome);

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
