#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "platform/CodePage.h"
#include "support/TestSupport.h"
#include "zat/ZatProjectReader.h"

namespace z2k::test {
namespace {


// A small ZAT project, section by section: the configurations Debug and Release, the build phases
// Compiler (bSystem 0) and Linker (bSystem 1), two file groups (only "C source file" has a
// BUILD_FILE_ORDER_ recordset) and one custom phase "Stamp" with its environment.
struct ZatTestProject {
    std::vector<std::pair<std::string, std::vector<std::string>>> sections = {
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
    void set(const std::string& name, std::vector<std::string> records) {
        auto found =
            std::find_if(sections.begin(), sections.end(), [&](const auto& s) { return s.first == name; });
        if (found == sections.end()) found = sections.insert(sections.end(), {name, {}});
        found->second = std::move(records);
    }
    void remove(const std::string& name) {
        std::erase_if(sections, [&](const auto& s) { return s.first == name; });
    }
    std::string text() const {
        std::string text = "[ZATDBVersion]\r\n1.0\r\n";
        for (const auto& [name, records] : sections) {
            text += "[" + name + "]\r\n";
            for (const std::string& record : records) text += record + "\r\n";
        }
        return text + "[END]\r\n";
    }
};

class ZatProjectReaderTest : public ::testing::Test {
  protected:
    ZatReadResult read(TextDisplay* progress = nullptr) {
        folder.write("p/demo.zat", zat.text());
        return readZatProject(folder.onHost(R"(D:\p\demo.zat)"), readOptions(progress, &alerts, folder.settings()));
    }
    std::vector<std::string> messages() {
        RecordingTextDisplay display;
        read(&display);
        return display.events;
    }

    TempFolder folder{'D'};
    ZatTestProject zat;
    RecordingAlerts alerts;
};

TEST_F(ZatProjectReaderTest, ReadsTheRecordsetsInTheirFixedOrder) {
    // The test project's sections stand in the order in which they are to be read.
    std::string expected;
    for (const auto& [name, records] : zat.sections)
        expected +=
            (name == "CONFIGURATIONS" ? "replace:Reading recordsets [" : "replace:Reading recordset [") +
            name + "]\n";
    std::string shown;
    for (const std::string& event : messages()) shown += event + "\n";
    EXPECT_EQ(shown, expected);

    const ZatReadResult result = read();
    ASSERT_TRUE(result.project);
    const ZatProject& p = *result.project;
    EXPECT_EQ(p.projectDetails,
              (ZatProjectDetails{R"(D:\p\demo.zat)", R"(D:\p)", "Vantrel", "Quarix RISC engine", 1}));
    EXPECT_EQ(p.editor, (ZatEditor{1, "Ed", "ed.exe", "-a", "-b"}));
    EXPECT_EQ(p.projectBuilderDirectory + p.currentConfiguration + p.information, "C:\\ZATDebugdemo project");
    EXPECT_EQ(p.configurationTables.find("Debug")->options.find("Compiler")->at(1),
              (ZatOptionRow{2, "-def=\"X\"", 1}));
    EXPECT_EQ(p.configurationTables.find("Release")->outputFiles.find("Compiler")->at(1),
              (ZatOutputFileRow{2, "$(FILE).obj", 0}));
    EXPECT_EQ(p.configurationTables.find("Debug")->dependencies.find("Linker"), nullptr) << "a system phase";
    EXPECT_EQ(p.buildFileOrder.find("Object file"), nullptr) << "no recordset of its own";
    EXPECT_EQ(p.environment.find("Stamp")->at(0), (ZatVariableRow{"FORMAT", "YYMMDD"}));
    EXPECT_TRUE(alerts.alerts.empty());
}

// A change to the base project, and whether the project is still read (and which family is
// learned either way).
struct ReadCase {
    const char* section;
    std::vector<std::string> records;
    bool remove;
    bool read;
    const char* family;
};

TEST_F(ZatProjectReaderTest, HostileAndMissingRecordsets) {
    const char* const kQ = "Quarix RISC engine";
    // clang-format off
    const ReadCase cases[] = {
        {"DATABASE_VERSION", {}, false, false, ""},
        {"INFORMATION", {R"("x" )", R"("y" )"}, false, false, "Quarix RISC engine"},
        {"PROJECT_DETAILS", {R"("a" "b" "c" "Nerak" 0 )", R"("a" "b" "c" "d" 0 )"}, false, false, "Nerak"},
        {"CURRENT_CONFIGURATION", {}, false, false, kQ},   {"PROJECT_BUILDER_DETAILS", {}, true, false, kQ},
        {"CONFIGURATIONS", {}, true, false, kQ},           {"DEPENDENCIES_Release_Compiler", {}, true, false, kQ},
        {"OUTPUT_FILES_Debug_Compiler", {}, true, false, kQ}, {"ENVIRONMENT_Stamp", {}, true, false, kQ},
        {"BUILD_FILE_ORDER_C source file", {}, true, true, kQ}, {"OPTIONS_Debug_Linker", {}, true, true, kQ},
        // A phase flag other than 0 counts as system: no dependencies or output files read.
        {"BUILD_PHASES", {R"("Compiler" 0 0 0 "" 1 0 0 )", R"("Linker" 2 0 0 "" 1 0 0 )"}, false, true, ""},
    };
    // clang-format on
    for (const ReadCase& c : cases) {
        zat = ZatTestProject();
        c.remove ? zat.remove(c.section) : zat.set(c.section, c.records);
        const ZatReadResult result = read();
        EXPECT_EQ(result.project.has_value(), c.read) << c.section;
        if (c.read) continue;
        EXPECT_EQ(result.cpuFamily, c.family) << c.section;
        EXPECT_EQ(result.failure.path, folder.onHost(R"(D:\p\demo.zat)")) << c.section;
    }
    // Only an options table that cannot be read is shown, once each time, and the read goes on.
    EXPECT_EQ(alerts.alerts.size(), 1u);
    EXPECT_EQ(alerts.alerts.at(0).text, "ERROR READING OPTIONS TABLE");
}

TEST_F(ZatProjectReaderTest, UnreadableFilesFailWithTheirPathAndNoMessage) {
    RecordingTextDisplay display;
    EXPECT_EQ(readZatProject("", readOptions(&display, nullptr, folder.settings())).failure.reason,
              "no ZAT project file was named");
    const ZatReadResult missing =
        readZatProject(folder.onHost(R"(D:\p\missing.zat)"), readOptions(&display, nullptr, folder.settings()));
    EXPECT_FALSE(missing.project);
    EXPECT_EQ(missing.failure.path, folder.onHost(R"(D:\p\missing.zat)"));
    std::string text = zat.text();
    folder.write("p/demo.zat", text.erase(text.find("[END]")));  // no end marker
    EXPECT_FALSE(
        readZatProject(folder.onHost(R"(D:\p\demo.zat)"), readOptions(&display, nullptr, folder.settings())).project);
    EXPECT_TRUE(display.events.empty());
}

TEST_F(ZatProjectReaderTest, RepeatedNamesAreReadOnce) {
    zat.set("FILE_GROUPS",
            {R"("C source file" "TEXT" )", R"("Object file" "BIN" )", R"("C source file" "TEXT" )"});
    zat.set("CONFIGURATIONS", {R"("Debug" "a" )", R"("Debug" "b" )"});
    int fileOrderReads = 0, optionReads = 0;
    for (const std::string& event : messages()) {
        fileOrderReads += event.find("BUILD_FILE_ORDER_") != std::string::npos;
        optionReads += event == "replace:Reading recordset [OPTIONS_Debug_Compiler]";
    }
    EXPECT_EQ(fileOrderReads, 1);
    EXPECT_EQ(optionReads, 2) << "each configuration row reads its tables";
    EXPECT_EQ(read().project->configurationTables.size(), 1u);
}

}  // namespace
}  // namespace z2k::test
