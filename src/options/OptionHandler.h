#pragma once
// What an option handler sees and what it produces: the option being converted (its ZAT name,
// the KOR item name registered for it and its value) and the (name, value) pairs it appends.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/CodePage.h"

namespace z2k {

// The (name, value) pairs a handler appends. Each pair becomes "[" + name + "|" + value + "]"
// ("[" + name + "]" when the value is empty). A name may contain "] [" to produce two items.
// All names and values share one text, so a converter that reuses one OptionPairs for every
// option allocates only while the text grows.
class OptionPairs {
  public:
    void add(std::string_view name, std::string_view value) { openValue(name).append(value); }
    // Starts a pair and returns the text to append its value to; the value ends where the next
    // pair starts.
    std::string& openValue(std::string_view name) {
        pairs_.push_back({text_.size(), name.size()});
        text_.append(name);
        return text_;
    }
    std::size_t size() const { return pairs_.size(); }
    bool empty() const { return pairs_.empty(); }
    std::string_view name(std::size_t i) const {
        return std::string_view(text_).substr(pairs_[i].begin, pairs_[i].nameSize);
    }
    std::string_view value(std::size_t i) const {
        const std::size_t begin = pairs_[i].begin + pairs_[i].nameSize;
        const std::size_t end = i + 1 < pairs_.size() ? pairs_[i + 1].begin : text_.size();
        return std::string_view(text_).substr(begin, end - begin);
    }
    void clear() {
        pairs_.clear();
        text_.clear();
    }

  private:
    struct Pair {
        std::size_t begin;  // of the name in text_; the value follows it
        std::size_t nameSize;
    };
    std::vector<Pair> pairs_;
    std::string text_;
};

// The option being converted, as the handler sees it (views valid while the handler runs).
class OptionHandler {
  public:
    OptionHandler(std::string_view zatName, std::string_view itemName, std::string_view value, CodePage page)
        : zatName_(zatName), itemName_(itemName), value_(value), page_(page) {}

    std::string_view zatName() const { return zatName_; }
    std::string_view itemName() const { return itemName_; }
    std::string_view value() const { return value_; }
    // The code page of the option texts.
    CodePage page() const { return page_; }

  private:
    std::string_view zatName_;
    std::string_view itemName_;
    std::string_view value_;
    CodePage page_;
};

// Appends zero or more pairs and returns true, or returns false to reject the option (it is then
// dropped: no items and not OTHER).
using HandlerFunction = std::function<bool(const OptionHandler& handler, OptionPairs& pairs)>;

}  // namespace z2k
