#include "options/QxCompilerHandlers.h"

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
#include "platform/CodePage.h"

namespace z2k {

namespace {

// One keyword value mapped to one item value; anything else rejects.
bool mapKeyword(std::string_view item, std::string_view value,
                std::initializer_list<std::pair<std::string_view, std::string_view>> keywords,
                OptionPairs& pairs) {
    for (const auto& [key, keyword] : keywords) {
        if (value == key) {
            pairs.add(item, keyword);
            return true;
        }
    }
    return false;
}

bool defaults(std::string_view, std::string_view, CodePage, OptionPairs& pairs) {
    pairs.add("B|DEBUG", "1");
    pairs.add("S|OUTPUTPATH", "\"$(CONFIGDIR)\\$(FILE).obj\"");
    pairs.add("B|LIST", "0");
    pairs.add("B|CHGINCPATH", "1");
    pairs.add("B|ERRORPATH", "1");
    return true;
}

bool include(std::string_view, std::string_view value, CodePage page, OptionPairs& pairs) {
    OptionConverter::appendEscapedList(pairs.openValue("S|INCLUDE"), value, page);
    return true;
}

bool preInclude(std::string_view, std::string_view value, CodePage page, OptionPairs& pairs) {
    OptionConverter::appendEscapedList(pairs.openValue("S|PREINCLUDE"), value, page);
    return true;
}

bool commentNest(std::string_view, std::string_view value, CodePage, OptionPairs& pairs) {
    return mapKeyword("B|COMMENTNEST", value, {{"n", "1"}, {"non", "0"}}, pairs);
}

bool onCode(std::string_view, std::string_view value, CodePage, OptionPairs& pairs) {
    return mapKeyword("S|OUTPUT", value, {{"m", "MACHINECODE"}, {"a", "ASMCODE"}}, pairs);
}

bool objectPath(std::string_view, std::string_view value, CodePage page, OptionPairs& pairs) {
    // An empty value rebuilds to "$(FILE)" alone.
    pairs.add("S|OUTPUTPATH", OptionConverter::rebuildSameDirectory(value, page));
    return true;
}

bool preprocess(std::string_view, std::string_view value, CodePage page, OptionPairs& pairs) {
    pairs.add("S|OUTPUT", "PREPROCESSOR");
    pairs.add("S|OUTPUTPATH", OptionConverter::rebuildSameDirectory(value, page));
    return true;
}

bool onString(std::string_view, std::string_view value, CodePage, OptionPairs& pairs) {
    return mapKeyword("S|STRING", value, {{"c", "CONST"}, {"d", "DATA"}}, pairs);
}

bool list(std::string_view, std::string_view value, CodePage page, OptionPairs& pairs) {
    // An empty value rebuilds to "$(CONFIGDIR)\$(FILE)" in double quotes.
    pairs.add("B|LIST", "1");
    pairs.add("S|LISTPATH", OptionConverter::rebuildConfigDirectory(value, page));
    return true;
}

bool noList(std::string_view, std::string_view, CodePage, OptionPairs& pairs) {
    pairs.add("B|LIST", "0");
    return true;
}

bool show(std::string_view, std::string_view value, CodePage page, OptionPairs& pairs) {
    static const CompilerLists::KeywordMap keywords = {
        {"so", "SOURCE"},     {"noso", "NOSOURCE"},     {"ob", "OBJECT"}, {"noob", "NOOBJECT"},
        {"st", "STATISTICS"}, {"nost", "NOSTATISTICS"}, {"i", "INCLUDE"}, {"noi", "NOINCLUDE"},
        {"e", "EXPANSION"},   {"noe", "NOEXPANSION"},
    };
    pairs.add("S|SHOW", CompilerLists::showList(value, keywords, page));
    return true;
}

bool section(std::string_view, std::string_view value, CodePage page, OptionPairs& pairs) {
    std::string sections;
    if (!CompilerLists::sectionList(value, sections, page)) return false;
    pairs.add("S|SECTION", sections);
    return true;
}

bool speed(std::string_view name, std::string_view, CodePage, OptionPairs& pairs) {
    pairs.add("B|SPEED", OptionConverter::isNegative(name) ? "0" : "1");
    return true;
}

bool onInline(std::string_view, std::string_view value, CodePage, OptionPairs& pairs) {
    pairs.add("B|INLINE", "1");
    pairs.add("I|INLINE", value.empty() ? std::string_view("0") : value);
    return true;
}

bool noInline(std::string_view, std::string_view, CodePage, OptionPairs& pairs) {
    pairs.add("B|INLINE", "0");
    return true;
}

bool abs16(std::string_view, std::string_view value, CodePage, OptionPairs& pairs) {
    return mapKeyword("S|ABS16", value, {{"ru", "RUN"}, {"al", "ALL"}}, pairs);
}

bool cpu(std::string_view, std::string_view value, CodePage page, OptionPairs& pairs) {
    pairs.add("S|CPU", toUpperText(value, page));
    return true;
}

bool division(std::string_view, std::string_view value, CodePage, OptionPairs& pairs) {
    return mapKeyword("S|DIVISION", value, {{"cp", "CPU"}, {"p", "PERIPHERAL"}, {"n", "NOMASK"}}, pairs);
}

bool endian(std::string_view, std::string_view value, CodePage, OptionPairs& pairs) {
    return mapKeyword("S|ENDIAN", value, {{"b", "BIG"}, {"l", "LITTLE"}}, pairs);
}

bool onDouble(std::string_view, std::string_view, CodePage, OptionPairs& pairs) {
    pairs.add("S|DOUBLE", "FLOAT");
    return true;
}

bool fpu(std::string_view, std::string_view value, CodePage, OptionPairs& pairs) {
    return mapKeyword("S|FPU", value, {{"s", "SINGLE"}, {"d", "DOUBLE"}}, pairs);
}

bool denormalize(std::string_view, std::string_view value, CodePage, OptionPairs& pairs) {
    return mapKeyword("B|DENORMALIZE", value, {{"off", "0"}, {"on", "1"}}, pairs);
}

bool round(std::string_view, std::string_view value, CodePage, OptionPairs& pairs) {
    return mapKeyword("S|ROUND", value, {{"z", "ZERO"}, {"n", "NEAREST"}}, pairs);
}

bool define(std::string_view, std::string_view value, CodePage page, OptionPairs& pairs) {
    pairs.add("S|DEFINE", CompilerLists::macroList(value, page));
    return true;
}

constexpr QxHandlerRow kHandlers[] = {
    {"-default", &defaults}, {"-i", &include},     {"-prei", &preInclude}, {"-com", &commentNest},
    {"-c", &onCode},         {"-ob", &objectPath}, {"-prep", &preprocess}, {"-st", &onString},
    {"-l", &list},           {"-nol", &noList},    {"-sh", &show},         {"-se", &section},
    {"-sp", &speed},         {"-nosp", &speed},    {"-inl", &onInline},    {"-noinl", &noInline},
    {"-ab", &abs16},         {"-cp", &cpu},        {"-di", &division},     {"-en", &endian},
    {"-do", &onDouble},      {"-fp", &fpu},        {"-den", &denormalize}, {"-r", &round},
    {"-def", &define},
};
static_assert(std::size(kHandlers) == 25);

}  // namespace

std::span<const QxHandlerRow> qxCompilerHandlers() {
    return kHandlers;
}

}  // namespace z2k
