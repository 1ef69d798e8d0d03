#pragma once
// One entry of an OptionConverter's registry: the ZAT option name (the key), the KOR item name
// and the handler function. While the handler runs, the option's value is attached to it.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace z2k {

// The (name, value) pairs a handler appends. Each pair becomes "[" + name + "|" + value + "]"
// ("[" + name + "]" when the value is empty). A name may contain "] [" to produce two items.
struct OptionPairs {
    std::vector<std::string> names;
    std::vector<std::string> values;

    void add(std::string name, std::string value) {
        names.push_back(std::move(name));
        values.push_back(std::move(value));
    }
    std::size_t size() const { return names.size(); }
    bool empty() const { return names.empty(); }
};

class OptionHandler;
// Appends zero or more pairs and returns true, or returns false to reject the option (it is then
// dropped: no items and not OTHER).
using HandlerFunction = std::function<bool(const OptionHandler& handler, OptionPairs& pairs)>;

class OptionHandler {
  public:
    OptionHandler(std::string zatName, std::string itemName, HandlerFunction function)
        : zatName_(std::move(zatName)), itemName_(std::move(itemName)), function_(std::move(function)) {}

    const std::string& zatName() const { return zatName_; }
    const std::string& itemName() const { return itemName_; }
    // The value of the option being converted (set by OptionConverter::find).
    const std::string& value() const { return value_; }
    void setValue(std::string_view value) { value_.assign(value.data(), value.size()); }

    // Runs the function; false when it rejects (or when there is no function).
    bool run(OptionPairs& pairs) const { return function_ ? function_(*this, pairs) : false; }

  private:
    std::string zatName_;
    std::string itemName_;
    HandlerFunction function_;
    std::string value_;
};

}  // namespace z2k
