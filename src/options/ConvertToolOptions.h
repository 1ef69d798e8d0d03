#pragma once
// The entry of the option conversion: one ZAT tool's option string to a KOR option string.
#include <string>
#include <string_view>

#include "options/OptionOutcomes.h"
#include "platform/CodePage.h"

namespace z2k {

enum class OptionConversion {
    Converted,
    UnknownFamily,  // not "Quarix RISC engine", "Nerak" or "NONE" (exact)
    UnknownTool,    // not one of the nine ZAT tool names (exact)
};

// Converts zatOptions (text in the code page `page`) of the ZAT tool zatToolName. Every occurrence of
// replaceFrom in a value (ASCII letters compared without case) becomes replaceWith. When converted:
//   korOptions := "[V|VERSION|1] " + the converted items, where a conversion that produces
//                 nothing keeps what korOptions held (normally empty);
//   cpuDefaults := the CPU defaults, for the two compilers and the two assemblers only (for
//                 the other tools it is not touched);
//   outcomes (when given) := one record per option met, in input order.
// For an unknown family or tool nothing is touched. The marker string "-default" asks for the tool's
// defaults.
OptionConversion convertToolOptions(std::string_view cpuFamily, std::string_view zatToolName,
                                    std::string_view zatOptions, std::string_view replaceFrom,
                                    std::string_view replaceWith, std::string& korOptions,
                                    std::string& cpuDefaults, CodePage page,
                                    OptionOutcomes* outcomes = nullptr);

// The same conversion for a caller that does not need the CPU defaults (they are not extracted).
OptionConversion convertToolOptionsWithoutCpuDefaults(std::string_view cpuFamily,
                                                      std::string_view zatToolName,
                                                      std::string_view zatOptions,
                                                      std::string_view replaceFrom,
                                                      std::string_view replaceWith, std::string& korOptions,
                                                      CodePage page, OptionOutcomes* outcomes = nullptr);

}  // namespace z2k
