#pragma once
// Maps the nine ZAT tool names to their option converters and checks CPU family keys.
#include <memory>
#include <string_view>

#include "options/ToolConverter.h"

namespace z2k {

class ConverterFactory {
  public:
    // True for the three family keys "Quarix RISC engine", "Nerak", "NONE" (exact comparison).
    static bool IsKnownFamily(std::string_view cpuFamily);
    // True for the nine ZAT tool names (exact comparison).
    static bool IsKnownTool(std::string_view zatToolName);
    // A new converter for the tool, or nullptr when the name is not one of the nine.
    static std::unique_ptr<ToolConverter> Create(std::string_view zatToolName);
    // The converter of the tool that this thread reuses for every conversion (made on first use;
    // converters keep nothing from one conversion to the next), or nullptr for an unknown name.
    static ToolConverter* Shared(std::string_view zatToolName);
};

}  // namespace z2k
