#include "options/QxCompilerConverter.h"

#include <array>
#include <initializer_list>
#include <iterator>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "options/CompilerLists.h"
#include "options/OptionConverter.h"
#include "options/OptionHandler.h"
#include "options/OptionText.h"
#include "options/QxCompilerHandlers.h"
#include "platform/CodePage.h"

namespace z2k {

namespace {

struct FixedItem {
    std::string_view option;
    std::string_view item;
};

// Options whose value (if any) becomes the value of a fixed item.
constexpr FixedItem kFixedItems[] = {
    {"-ecpp", "B|ECPP|1"},     {"-ch", "B|CHGINCPATH|1"},
    {"-err", "B|ERRORPATH|1"}, {"-me", "B|MESSAGE|1"},
    {"-nome", "B|MESSAGE|0"},  {"-deb", "B|DEBUG|1"},
    {"-b", "B|BROWSER|1"},     {"-op", "B|OPTIMIZE"},
    {"-si", "B|SIZE|1"},       {"-ne", "B|NESTINLINE|1] [I|NESTINLINE"},
    {"-lo", "B|LOOP|1"},       {"-nolo", "B|LOOP|0"},
    {"-rtnext", "B|RTNEXT|1"}, {"-nortnext", "B|RTNEXT|0"},
    {"-m", "B|MACSAVE"},       {"-al", "B|ALIGN16|1"},
    {"-noal", "B|ALIGN16|0"},  {"-p", "B|PIC"},
};
static_assert(std::size(kFixedItems) == 18);

// The order in which items are written.
constexpr std::string_view kOutputOrder[] = {
    "S|SYNTAX",
    "B|ECPP|1",
    "S|INCLUDE",
    "S|PREINCLUDE",
    "B|CHGINCPATH|1",
    "B|ERRORPATH|1",
    "B|CHGINCPATH",
    "B|ERRORPATH",
    "S|DEFINE",
    "B|COMMENTNEST",
    "B|MESSAGE|1",
    "B|MESSAGE|0",
    "S|OUTPUT",
    "S|OUTPUTPATH",
    "S|OUTCODE",
    "B|DEBUG|1",
    "B|DEBUG",
    "B|BROWSER|1",
    "S|STRING",
    "B|LIST",
    "S|LISTPATH",
    "S|SHOW",
    "S|SECTION",
    "B|OPTIMIZE",
    "B|SPEED",
    "B|SIZE|1",
    "B|INLINE",
    "I|INLINE",
    "B|NESTINLINE|1] [I|NESTINLINE",
    "B|LOOP|0",
    "B|LOOP|1",
    "B|RTNEXT|1",
    "B|RTNEXT|0",
    "B|MACSAVE",
    "S|ABS16",
    "B|ALIGN16|1",
    "B|ALIGN16|0",
    "S|CPU",
    "B|PIC",
    "S|DIVISION",
    "S|ENDIAN",
    "S|DOUBLE",
    "S|FPU",
    "B|DENORMALIZE",
    "S|ROUND",
    "B|HELP|1",
    "S|SUBCOMMAND",
};
static_assert(std::size(kOutputOrder) == 47);

// The place of an item name in kOutputOrder, or npos; the index is built once.
std::size_t outputPlace(std::string_view item) {
    static const std::unordered_map<std::string_view, std::size_t> places = [] {
        std::unordered_map<std::string_view, std::size_t> map;
        for (std::size_t i = 0; i < std::size(kOutputOrder); ++i) map.emplace(kOutputOrder[i], i);
        return map;
    }();
    const auto found = places.find(item);
    return found == places.end() ? std::string_view::npos : found->second;
}

// The value of each item by its place in the output order, all values in one text.
class OutputItems {
  public:
    // An item the order does not name is never written; an item set again takes the new value.
    void set(std::string_view name, std::string_view value) {
        const std::size_t place = outputPlace(name);
        if (place == std::string_view::npos) return;
        values_[place] = {true, text_.size(), value.size()};
        text_.append(value);
    }
    // The items in output order, each as "[name|value]", joined by one blank.
    void appendTo(std::string& out) const {
        for (std::size_t i = 0; i < values_.size(); ++i) {
            if (!values_[i].set) continue;
            if (!out.empty()) out.push_back(' ');
            OptionConverter::appendItem(out, kOutputOrder[i],
                                        std::string_view(text_).substr(values_[i].begin, values_[i].size));
        }
    }

  private:
    struct Value {
        bool set = false;
        std::size_t begin = 0;
        std::size_t size = 0;
    };
    std::array<Value, std::size(kOutputOrder)> values_{};
    std::string text_;
};

// The options left in the table, as "name=value" joined by blanks; each is recorded as OTHER.
std::string takeOthers(OptionsTable& table) {
    std::string others;
    const std::vector<const OptionEntry*> left = table.entries();
    for (std::size_t i = 0; i < left.size(); ++i) {
        const OptionEntry* entry = left[i];
        if (i != 0) others.push_back(' ');
        others.append(entry->name);
        if (!entry->value.empty()) {
            others.push_back('=');
            others.append(entry->value);
        }
        table.settle(*entry, OptionOutcome::Other);
    }
    return others;
}

}  // namespace

QxCompilerConverter::QxCompilerConverter() {
    setCpuDefaults(
        {"S|CPU", "S|ENDIAN", "S|FPU", "B|DENORMALIZE", "S|DIVISION", "S|ROUND", "B|PIC", "S|DOUBLE"},
        "[B|DEBUG|1] [S|OUTPUTPATH|\"$(CONFIGDIR)\\$(FILELEAF).obj\"] [B|LIST|0] [B|CHGINCPATH|1] "
        "[B|ERRORPATH|1]");
}

void QxCompilerConverter::convert(OptionsTable& table, std::string& korOptions) const {
    OutputItems items;
    OptionPairs pairs;

    for (const FixedItem& row : kFixedItems) {
        const OptionEntry* entry = table.find(row.option);
        if (entry == nullptr) continue;
        items.set(row.item, entry->value);
        table.settle(*entry, OptionOutcome::Converted);
        table.remove(row.option);
    }

    for (const QxHandlerRow& row : qxCompilerHandlers()) {
        const OptionEntry* entry = table.find(row.option);
        if (entry == nullptr) continue;
        pairs.clear();
        // A rejected option stays in the table and goes to OTHER.
        if (!row.handler(entry->name, entry->value, table.page(), pairs)) continue;
        for (std::size_t i = 0; i < pairs.size(); ++i) items.set(pairs.name(i), pairs.value(i));
        table.settle(*entry, OptionOutcome::Converted);
        table.remove(row.option);
    }

    const std::string others = takeOthers(table);

    items.appendTo(korOptions);
    if (!others.empty()) {
        if (!korOptions.empty()) korOptions.push_back(' ');
        korOptions.append("[S|OTHER|");
        korOptions.append(OptionConverter::escapeValue("\"" + others + "\"", table.page()));
        korOptions.push_back(']');
    }
    OptionConverter::fileToLeaf(korOptions, table.page());
}

}  // namespace z2k
