#include "options/QxCompilerConverter.h"

#include <array>
#include <initializer_list>
#include <iterator>
#include <string_view>
#include <optional>
#include <utility>
#include <vector>

#include "options/CompilerLists.h"
#include "options/OptionConverter.h"
#include "options/OptionHandler.h"
#include "options/OptionText.h"
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

// A handler gets the option's name and value and appends pairs, or returns false to reject.
using QxHandler = bool (*)(std::string_view name, std::string_view value, OptionPairs& pairs);

struct HandlerRow {
    std::string_view option;
    QxHandler handler;
};

// One keyword value mapped to one item value; anything else rejects.
bool mapKeyword(std::string_view item, std::string_view value,
                std::initializer_list<std::pair<std::string_view, std::string_view>> keywords,
                OptionPairs& pairs) {
    for (const auto& [key, keyword] : keywords) {
        if (value == key) {
            pairs.add(std::string(item), std::string(keyword));
            return true;
        }
    }
    return false;
}

bool defaults(std::string_view, std::string_view, OptionPairs& pairs) {
    pairs.add("B|DEBUG", "1");
    pairs.add("S|OUTPUTPATH", "\"$(CONFIGDIR)\\$(FILE).obj\"");
    pairs.add("B|LIST", "0");
    pairs.add("B|CHGINCPATH", "1");
    pairs.add("B|ERRORPATH", "1");
    return true;
}

bool include(std::string_view, std::string_view value, OptionPairs& pairs) {
    pairs.add("S|INCLUDE", OptionConverter::escapeList(value));
    return true;
}

bool preInclude(std::string_view, std::string_view value, OptionPairs& pairs) {
    pairs.add("S|PREINCLUDE", OptionConverter::escapeList(value));
    return true;
}

bool commentNest(std::string_view, std::string_view value, OptionPairs& pairs) {
    return mapKeyword("B|COMMENTNEST", value, {{"n", "1"}, {"non", "0"}}, pairs);
}

bool onCode(std::string_view, std::string_view value, OptionPairs& pairs) {
    return mapKeyword("S|OUTPUT", value, {{"m", "MACHINECODE"}, {"a", "ASMCODE"}}, pairs);
}

bool objectPath(std::string_view, std::string_view value, OptionPairs& pairs) {
    // An empty value rebuilds to "$(FILE)" alone.
    pairs.add("S|OUTPUTPATH", OptionConverter::rebuildSameDirectory(value));
    return true;
}

bool preprocess(std::string_view, std::string_view value, OptionPairs& pairs) {
    pairs.add("S|OUTPUT", "PREPROCESSOR");
    pairs.add("S|OUTPUTPATH", OptionConverter::rebuildSameDirectory(value));
    return true;
}

bool onString(std::string_view, std::string_view value, OptionPairs& pairs) {
    return mapKeyword("S|STRING", value, {{"c", "CONST"}, {"d", "DATA"}}, pairs);
}

bool list(std::string_view, std::string_view value, OptionPairs& pairs) {
    // An empty value rebuilds to "$(CONFIGDIR)\$(FILE)" in double quotes.
    pairs.add("B|LIST", "1");
    pairs.add("S|LISTPATH", OptionConverter::rebuildConfigDirectory(value));
    return true;
}

bool noList(std::string_view, std::string_view, OptionPairs& pairs) {
    pairs.add("B|LIST", "0");
    return true;
}

bool show(std::string_view, std::string_view value, OptionPairs& pairs) {
    static const CompilerLists::KeywordMap keywords = {
        {"so", "SOURCE"},     {"noso", "NOSOURCE"},     {"ob", "OBJECT"}, {"noob", "NOOBJECT"},
        {"st", "STATISTICS"}, {"nost", "NOSTATISTICS"}, {"i", "INCLUDE"}, {"noi", "NOINCLUDE"},
        {"e", "EXPANSION"},   {"noe", "NOEXPANSION"},
    };
    pairs.add("S|SHOW", CompilerLists::showList(value, keywords));
    return true;
}

bool section(std::string_view, std::string_view value, OptionPairs& pairs) {
    std::string sections;
    if (!CompilerLists::sectionList(value, sections)) return false;
    pairs.add("S|SECTION", sections);
    return true;
}

bool speed(std::string_view name, std::string_view, OptionPairs& pairs) {
    pairs.add("B|SPEED", OptionConverter::isNegative(name) ? "0" : "1");
    return true;
}

bool onInline(std::string_view, std::string_view value, OptionPairs& pairs) {
    pairs.add("B|INLINE", "1");
    pairs.add("I|INLINE", value.empty() ? std::string("0") : std::string(value));
    return true;
}

bool noInline(std::string_view, std::string_view, OptionPairs& pairs) {
    pairs.add("B|INLINE", "0");
    return true;
}

bool abs16(std::string_view, std::string_view value, OptionPairs& pairs) {
    return mapKeyword("S|ABS16", value, {{"ru", "RUN"}, {"al", "ALL"}}, pairs);
}

bool cpu(std::string_view, std::string_view value, OptionPairs& pairs) {
    pairs.add("S|CPU", toUpperText(value));
    return true;
}

bool division(std::string_view, std::string_view value, OptionPairs& pairs) {
    return mapKeyword("S|DIVISION", value, {{"cp", "CPU"}, {"p", "PERIPHERAL"}, {"n", "NOMASK"}}, pairs);
}

bool endian(std::string_view, std::string_view value, OptionPairs& pairs) {
    return mapKeyword("S|ENDIAN", value, {{"b", "BIG"}, {"l", "LITTLE"}}, pairs);
}

bool onDouble(std::string_view, std::string_view, OptionPairs& pairs) {
    pairs.add("S|DOUBLE", "FLOAT");
    return true;
}

bool fpu(std::string_view, std::string_view value, OptionPairs& pairs) {
    return mapKeyword("S|FPU", value, {{"s", "SINGLE"}, {"d", "DOUBLE"}}, pairs);
}

bool denormalize(std::string_view, std::string_view value, OptionPairs& pairs) {
    return mapKeyword("B|DENORMALIZE", value, {{"off", "0"}, {"on", "1"}}, pairs);
}

bool round(std::string_view, std::string_view value, OptionPairs& pairs) {
    return mapKeyword("S|ROUND", value, {{"z", "ZERO"}, {"n", "NEAREST"}}, pairs);
}

bool define(std::string_view, std::string_view value, OptionPairs& pairs) {
    pairs.add("S|DEFINE", CompilerLists::macroList(value));
    return true;
}

// The handler table in its order; the two names of one row ("-l", "-nol") run in row order,
// whatever their order in the input, so "-nol" wins over "-l".
constexpr HandlerRow kHandlers[] = {
    {"-default", &defaults}, {"-i", &include},     {"-prei", &preInclude}, {"-com", &commentNest},
    {"-c", &onCode},           {"-ob", &objectPath}, {"-prep", &preprocess}, {"-st", &onString},
    {"-l", &list},           {"-nol", &noList},    {"-sh", &show},         {"-se", &section},
    {"-sp", &speed},         {"-nosp", &speed},    {"-inl", &onInline},      {"-noinl", &noInline},
    {"-ab", &abs16},         {"-cp", &cpu},        {"-di", &division},     {"-en", &endian},
    {"-do", &onDouble},        {"-fp", &fpu},        {"-den", &denormalize}, {"-r", &round},
    {"-def", &define},
};
static_assert(std::size(kHandlers) == 25);

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

    for (const HandlerRow& row : kHandlers) {
        const OptionEntry* entry = table.find(row.option);
        if (entry == nullptr) continue;
        OptionPairs pairs;
        // A rejected option stays in the table and goes to OTHER.
        if (!row.handler(entry->name, entry->value, pairs)) continue;
        for (std::size_t i = 0; i < pairs.size(); ++i) setItem(pairs.names[i], pairs.values[i]);
        if (recording) table.settle(*entry, OptionOutcome::Converted, OptionConverter::formatPairs(pairs));
        table.remove(row.option);
    }

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
