#include "options/ConverterFactory.h"

#include <array>
#include <string_view>

#include "options/LibrarianConverter.h"
#include "options/LinkageEditorConverter.h"
#include "options/NerakAssemblerConverter.h"
#include "options/NerakCompilerConverter.h"
#include "options/NerakOptimizerConverter.h"
#include "options/OptionConverter.h"
#include "options/QxAssemblerConverter.h"
#include "options/QxCompilerConverter.h"
#include "options/QxOptLinkerConverter.h"
#include "options/StypeConverter.h"

namespace z2k {

namespace {

template <typename Converter>
std::unique_ptr<ToolConverter> Make() {
    return std::make_unique<Converter>();
}

struct ToolEntry {
    std::string_view name;
    std::unique_ptr<ToolConverter> (*create)();
};

// The nine ZAT tools, in the order of the tool list; one line per tool.
const std::array<ToolEntry, 9> kTools = {{
    {"Vantrel QX C Compiler", &Make<QxCompilerConverter>},
    {"Vantrel QX Assembler", &Make<QxAssemblerConverter>},
    {"Vantrel QX IM OptLinker", &Make<QxOptLinkerConverter>},
    {"Vantrel Nerak C Compiler", &Make<NerakCompilerConverter>},
    {"Vantrel Nerak Assembler", &Make<NerakAssemblerConverter>},
    {"Vantrel Nerak IM Optimizer", &Make<NerakOptimizerConverter>},
    {"Vantrel V Series Linkage Editor", &Make<LinkageEditorConverter>},
    {"Vantrel V Series Librarian", &Make<LibrarianConverter>},
    {"Vantrel V Series Stype Converter", &Make<StypeConverter>},
}};

const std::array<std::string_view, 3> kFamilies = {"Quarix RISC engine", "Nerak", "NONE"};

}  // namespace

bool ConverterFactory::IsKnownFamily(std::string_view cpuFamily) {
    for (std::string_view family : kFamilies)
        if (family == cpuFamily) return true;
    return false;
}

bool ConverterFactory::IsKnownTool(std::string_view zatToolName) {
    for (const ToolEntry& tool : kTools)
        if (tool.name == zatToolName) return true;
    return false;
}

std::unique_ptr<ToolConverter> ConverterFactory::Create(std::string_view zatToolName) {
    for (const ToolEntry& tool : kTools)
        if (tool.name == zatToolName) return tool.create();
    return nullptr;
}

ToolConverter* ConverterFactory::Shared(std::string_view zatToolName) {
    thread_local std::array<std::unique_ptr<ToolConverter>, kTools.size()> converters;
    for (std::size_t i = 0; i < kTools.size(); ++i) {
        if (kTools[i].name != zatToolName) continue;
        if (!converters[i]) converters[i] = kTools[i].create();
        return converters[i].get();
    }
    return nullptr;
}

}  // namespace z2k
