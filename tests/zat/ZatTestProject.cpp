#include "ZatTestProject.h"

#include <algorithm>

namespace z2k::test {

ZatTestProject::ZatTestProject() {
    sections_ = {
        {"DATABASE_VERSION", {R"("1.0" )"}},
        {"PROJECT_DETAILS", {R"("D:\p\demo.zat" "D:\p" "Vantrel" "Quarix RISC engine" 1 )"}},
        {"INFORMATION", {R"("demo project" )"}},
        {"PROJECT_TOOLS", {R"("Vantrel QX C Compiler" 1 0 "5.1" "Compiler" "C" "" "" 0 "qxc.exe" 0 )"}},
        {"EDITOR", {R"(1 "Ed" "ed.exe" "-a" "-b" )"}},
        {"SCRAP", {}},
        {"EXTERNAL_EVENTS", {}},
        {"GENERAL_TOOLS", {R"~(0 1 1 0 "$(FILE)" "$(FILE) $(LINE)" "ed.exe" "Ed" )~"}},
        {"PROJECT_BUILDER_DETAILS", {R"("C:\ZAT" )"}},
        {"FILE_GROUPS", {R"("C source file" "TEXT" )", R"("Object file" "BIN" )"}},
        {"EXTENSIONS", {R"("C source file" "c" 1 )", R"("Object file" "obj" 1 )"}},
        {"PROJECT_FILES", {R"("D:\p\main.c" "User" 1 )", R"("D:\p\util.c" "User" 2 )"}},
        {"CURRENT_CONFIGURATION", {R"("Debug" )"}},
        {"BUILD_PHASES", {R"("Compiler" 0 0 0 "" 1 0 0 )", R"("Linker" 1 0 0 "" 1 0 0 )"}},
        {"BUILD_ORDER", {R"("Compiler" 1 )", R"("Linker" 1 )"}},
        {"CONFIGURATIONS", {R"("Debug" "D:\p\Debug" )", R"("Release" "D:\p\Release" )"}},
        {"DEPENDENCIES_Debug_Compiler", {R"(1 "D:\p\main.h" )"}},
        {"DEPENDENCIES_Release_Compiler", {}},
        {"OPTIONS_Debug_Compiler", {"0 \"-deb\t-cp=qx2\" 0 ", R"(2 "-def=^"X^"" 1 )"}},
        {"OPTIONS_Debug_Linker", {R"(0 "-deb" 0 )"}},
        {"OPTIONS_Release_Compiler", {R"(0 "-op=1" 0 )"}},
        {"OPTIONS_Release_Linker", {}},
        {"OUTPUT_FILES_Debug_Compiler", {R"~(1 "$(FILE).obj" 1 )~"}},
        {"OUTPUT_FILES_Release_Compiler", {R"~(1 "$(FILE).obj" 1 )~", R"~(2 "$(FILE).obj" 0 )~"}},
        {"BUILD_FILE_ORDER_C source file", {R"("Compiler" 1 )", R"("Stamp" 0 )"}},
        {"SYSTEM_PHASES", {R"("Compiler" "C" 1 0 1 )"}},
        {"CUSTOM_PHASES", {R"("Stamp" "stamp.exe" "D:\p" 0 "C source file" 1 )"}},
        {"ENVIRONMENT_Stamp", {R"("FORMAT" "YYMMDD" )"}},
    };
}

void ZatTestProject::set(const std::string& section, std::vector<std::string> records) {
    for (auto& entry : sections_) {
        if (entry.first == section) {
            entry.second = std::move(records);
            return;
        }
    }
    sections_.emplace_back(section, std::move(records));
}

void ZatTestProject::remove(const std::string& section) {
    std::erase_if(sections_, [&](const auto& entry) { return entry.first == section; });
}

std::string ZatTestProject::text() const {
    std::string text = "[ZATDBVersion]\r\n1.0\r\n";
    for (const auto& [name, records] : sections_) {
        text += "[" + name + "]\r\n";
        for (const std::string& record : records) text += record + "\r\n";
    }
    text += "[END]\r\n";
    return text;
}

}  // namespace z2k::test
