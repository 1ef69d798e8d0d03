#pragma once
// The common face of every tool's option converter, as convertToolOptions and the tool table use
// it. OptionConverter (the registry-driven converters) and QxCompilerConverter (table-driven)
// derive from it.
#include <string>
#include <string_view>
#include <vector>

#include "options/OptionsTable.h"

namespace z2k {

class ToolConverter {
  public:
    virtual ~ToolConverter() = default;
    ToolConverter() = default;
    ToolConverter(const ToolConverter&) = delete;
    ToolConverter& operator=(const ToolConverter&) = delete;

    // Converts the options table into the KOR items of the tool (without the version item).
    // korOptions holds on entry what the caller handed in; a conversion that produces nothing
    // leaves it as it was. The table may be consumed.
    virtual void convert(OptionsTable& table, std::string& korOptions) const = 0;

    // Rewrites the whole ZAT option string before it is split into options. The default keeps
    // it; the librarian and the S-type converter override it with their rewrites.
    virtual std::string rewriteOptionString(std::string_view zatOptions, CodePage page) const;

    // CPU defaults (compilers and assemblers only): the tool's CPU item names in list order and
    // its fixed default string. hasCpuDefaults() is false for the other tools, whose
    // korCpuDefaults output is then not written.
    bool hasCpuDefaults() const { return hasCpuDefaults_; }
    const std::vector<std::string>& cpuItemNames() const { return cpuItemNames_; }
    const std::string& fixedDefaults() const { return fixedDefaults_; }

    // "[V|VERSION|1] " + the CPU items found in converted (each from its "[" to the next "]",
    // first occurrence directly after a "[", in cpuItemNames() order, joined by one blank) +
    // " " + fixedDefaults(). With no CPU item: "[V|VERSION|1]", two blanks, the fixed string.
    std::string extractCpuDefaults(std::string_view converted, CodePage page) const;

  protected:
    // Called by constructors of tools that have CPU defaults.
    void setCpuDefaults(std::vector<std::string> itemNames, std::string fixedDefaults);

  private:
    bool hasCpuDefaults_ = false;
    std::vector<std::string> cpuItemNames_;
    std::string fixedDefaults_;
};

}  // namespace z2k
