#include "options/QxCompilerConverter.h"

#include <array>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <string_view>
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

void QxCompilerConverter::convert(OptionsTable& table, std::string& korOptions) {
    // The value of each item by its place in the output order; an item the order does not
    // name is never written.
    std::array<std::optional<std::string>, std::size(kOutputOrder)> items;
    auto setItem = [&items](std::string_view name, std::string_view value) {
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (kOutputOrder[i] != name) continue;
            items[i].emplace(value);
            return;
        }
    };
    const bool recording = table.outcomes() != nullptr;

    for (const FixedItem& row : kFixedItems) {
        const OptionEntry* entry = table.find(row.option);
        if (entry == nullptr) continue;
        setItem(row.item, entry->value);
        if (recording) {
            OptionPairs pairs;
            pairs.add(std::string(row.item), entry->value);
            table.settle(*entry, OptionOutcome::Converted, OptionConverter::formatPairs(pairs));
        }
        table.remove(row.option);
    }

    for (const QxHandlerRow& row : qxCompilerHandlers()) {
        const OptionEntry* entry = table.find(row.option);
        if (entry == nullptr) continue;
        OptionPairs pairs;
        // A rejected option stays in the table and goes to OTHER.
        if (!row.handler(entry->name, entry->value, pairs)) continue;
        for (std::size_t i = 0; i < pairs.size(); ++i) setItem(pairs.names[i], pairs.values[i]);
        if (recording) table.settle(*entry, OptionOutcome::Converted, OptionConverter::formatPairs(pairs));
        table.remove(row.option);
    }

    const std::string others = takeOthers(table);

    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!items[i]) continue;
        if (!korOptions.empty()) korOptions.push_back(' ');
        korOptions.append(OptionConverter::formatItem(kOutputOrder[i], *items[i]));
    }
    if (!others.empty()) {
        if (!korOptions.empty()) korOptions.push_back(' ');
        korOptions.append("[S|OTHER|");
        korOptions.append(OptionConverter::escapeValue("\"" + others + "\""));
        korOptions.push_back(']');
    }
    korOptions = OptionText::replaceAll(korOptions, "$(FILE)", "$(FILELEAF)");
}

}  // namespace z2k
