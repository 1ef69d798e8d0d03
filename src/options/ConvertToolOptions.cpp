#include "options/ConvertToolOptions.h"

#include "options/OptionsTable.h"
#include "options/ToolTable.h"

namespace z2k {

namespace {

// cpuDefaults is nullptr when the caller does not want them.
OptionConversion convert(std::string_view cpuFamily, std::string_view zatToolName,
                         std::string_view zatOptions, std::string_view replaceFrom,
                         std::string_view replaceWith, std::string& korOptions, std::string* cpuDefaults,
                         CodePage page, OptionOutcomes* outcomes) {
    if (!isKnownFamily(cpuFamily)) return OptionConversion::UnknownFamily;
    const ToolConverter* converter = sharedConverter(zatToolName);
    if (converter == nullptr) return OptionConversion::UnknownTool;

    const std::string options = converter->rewriteOptionString(zatOptions, page);
    if (outcomes != nullptr) outcomes->clear();
    OptionsTable table(page);
    table.read(options, replaceFrom, replaceWith, outcomes);

    // A conversion that produces nothing leaves what the caller handed in. Room for the usual
    // growth is made at once, so appending items seldom moves the text.
    constexpr std::string_view kVersionItem = "[V|VERSION|1] ";
    std::string converted;
    converted.reserve(kVersionItem.size() + korOptions.size() + 2 * options.size() + 64);
    converted.assign(korOptions);
    converter->convert(table, converted);

    if (cpuDefaults != nullptr && converter->hasCpuDefaults())
        *cpuDefaults = converter->extractCpuDefaults(converted, page);
    converted.insert(0, kVersionItem);
    korOptions.swap(converted);
    return OptionConversion::Converted;
}

}  // namespace

OptionConversion convertToolOptions(std::string_view cpuFamily, std::string_view zatToolName,
                                    std::string_view zatOptions, std::string_view replaceFrom,
                                    std::string_view replaceWith, std::string& korOptions,
                                    std::string& cpuDefaults, CodePage page, OptionOutcomes* outcomes) {
    return convert(cpuFamily, zatToolName, zatOptions, replaceFrom, replaceWith, korOptions, &cpuDefaults,
                   page, outcomes);
}

OptionConversion convertToolOptionsWithoutCpuDefaults(std::string_view cpuFamily,
                                                      std::string_view zatToolName,
                                                      std::string_view zatOptions,
                                                      std::string_view replaceFrom,
                                                      std::string_view replaceWith, std::string& korOptions,
                                                      CodePage page, OptionOutcomes* outcomes) {
    return convert(cpuFamily, zatToolName, zatOptions, replaceFrom, replaceWith, korOptions, nullptr, page,
                   outcomes);
}

}  // namespace z2k
