#include "options/ToolConverter.h"

#include <utility>

#include "options/OptionText.h"
#include "platform/CodePage.h"

namespace z2k {

std::string ToolConverter::rewriteOptionString(std::string_view zatOptions, CodePage) const {
    return std::string(zatOptions);
}

void ToolConverter::setCpuDefaults(std::vector<std::string> itemNames, std::string fixedDefaults) {
    hasCpuDefaults_ = true;
    cpuItemNames_ = std::move(itemNames);
    fixedDefaults_ = std::move(fixedDefaults);
}

std::string ToolConverter::extractCpuDefaults(std::string_view converted, CodePage page) const {
    OptionText scan(converted, page);
    std::string collected;
    for (const std::string& name : cpuItemNames_) {
        const std::string needle = "[" + name;
        const std::size_t begin = scan.find(needle);
        if (begin == std::string::npos) continue;
        // The item runs to the next ']' after its name, included (to the end when there is none).
        const std::size_t close = findChar(converted, ']', begin + needle.size(), page);
        const std::size_t end = close == std::string::npos ? converted.size() : close + 1;
        collected.append(converted.substr(begin, end - begin));
        collected.push_back(' ');
    }
    std::string result = "[V|VERSION|1] ";
    result.append(OptionText::trimRight(collected, page));
    result.push_back(' ');
    result.append(fixedDefaults_);
    return result;
}

}  // namespace z2k
