#include "options/ConvertToolOptions.h"

#include <memory>

#include "options/ConverterFactory.h"
#include "options/OptionsTable.h"

namespace z2k {

int ConvertToolOptions(std::string_view cpuFamily, std::string_view zatToolName, std::string_view zatOptions,
                       std::string_view replaceFrom, std::string_view replaceWith, std::string& korOptions,
                       std::string& cpuDefaults, OptionOutcomes* outcomes) {
    if (!ConverterFactory::IsKnownFamily(cpuFamily)) return kOptionsUnknownFamily;
    std::unique_ptr<ToolConverter> converter = ConverterFactory::Create(zatToolName);
    if (!converter) return kOptionsUnknownTool;

    const std::string options = converter->RewriteOptionString(zatOptions);
    if (outcomes != nullptr) outcomes->Clear();
    OptionsTable table;
    table.Read(options, replaceFrom, replaceWith, outcomes);

    // A conversion that produces nothing leaves what the caller handed in.
    std::string converted = korOptions;
    converter->Convert(table, converted);

    if (converter->HasCpuDefaults()) cpuDefaults = converter->ExtractCpuDefaults(converted);
    korOptions = "[V|VERSION|1] " + converted;
    return kOptionsConverted;
}

}  // namespace z2k
