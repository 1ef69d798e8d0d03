// convertToolOptions on any family, tool and option bytes: it returns without crashing, a
// successful result begins with the version item, and a refused call touches nothing.
//
// Input: byte 0 picks the code page; byte 1 picks the mode. With bit 7 of the mode clear, the
// mode picks a family and a tool from the known names (plus one unknown name each) and the rest
// of the input is the option string. With bit 7 set, the rest is split at its first two NUL
// bytes into family, tool and option string.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "options/ConvertToolOptions.h"
#include "platform/CodePage.h"

namespace {

constexpr std::array<std::string_view, 4> kFamilies = {"Quarix RISC engine", "Nerak", "NONE", "Nerak "};
constexpr std::array<std::string_view, 10> kTools = {
    "Vantrel QX C Compiler",
    "Vantrel QX Assembler",
    "Vantrel QX IM OptLinker",
    "Vantrel Nerak C Compiler",
    "Vantrel Nerak Assembler",
    "Vantrel Nerak IM Optimizer",
    "Vantrel V Series Linkage Editor",
    "Vantrel V Series Librarian",
    "Vantrel V Series Stype Converter",
    "Vantrel QX",
};

bool StartsWithVersion(const std::string& text) {
    return text.rfind("[V|VERSION|1] ", 0) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    constexpr std::array<z2k::CodePage, 3> pages = {z2k::CodePage::SingleByte, z2k::CodePage::Cp932,
                                                    z2k::CodePage::Utf8};
    const z2k::CodePage page = pages[data[0] % pages.size()];
    const std::uint8_t mode = data[1];
    const std::string_view rest(reinterpret_cast<const char*>(data + 2), size - 2);

    std::string_view family;
    std::string_view tool;
    std::string_view options;
    if ((mode & 0x80) == 0) {
        family = kFamilies[mode % kFamilies.size()];
        tool = kTools[(mode / kFamilies.size()) % kTools.size()];
        options = rest;
    } else {
        const std::size_t first = rest.find('\0');
        const std::size_t second = first == std::string_view::npos ? first : rest.find('\0', first + 1);
        family = rest.substr(0, first);
        if (first != std::string_view::npos) tool = rest.substr(first + 1, second - (first + 1));
        if (second != std::string_view::npos) options = rest.substr(second + 1);
    }

    const std::string handedIn = "";
    const std::string cpuBefore = "cpu untouched";
    std::string kor = handedIn;
    std::string cpu = cpuBefore;
    z2k::OptionOutcomes outcomes;
    const z2k::OptionConversion result =
        z2k::convertToolOptions(family, tool, options, "c:\\Foo", "$(PROJDIR)", kor, cpu, page, &outcomes);
    if (result == z2k::OptionConversion::Converted) {
        if (!StartsWithVersion(kor)) std::abort();
        if (cpu != cpuBefore && !StartsWithVersion(cpu)) std::abort();
        // In single-byte text every "$(FILE)" is a whole-character match and must be gone.
        if (page == z2k::CodePage::SingleByte && kor.find("$(FILE)") != std::string::npos) std::abort();
    } else if (result == z2k::OptionConversion::UnknownFamily ||
               result == z2k::OptionConversion::UnknownTool) {
        if (kor != handedIn || cpu != cpuBefore || !outcomes.empty()) std::abort();
    } else {
        std::abort();
    }
    return 0;
}
