#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ZatTestProject.h"
#include "platform/CodePage.h"
#include "support/TestSupport.h"
#include "zat/ZatProjectReader.h"

namespace z2k::test {
namespace {

class ZatProjectReaderTest : public ::testing::Test {
  protected:
    void SetUp() override { setActiveCodePage(CodePage::SingleByte); }

    ZatReadResult read(TextDisplay* progress = nullptr) {
        folder.write("p/demo.zat", zat.text());
        return readZatProject(R"(D:\p\demo.zat)", {progress, &alerts, {}});
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
    std::string expected;
    for (const char* name :
         {"DATABASE_VERSION", "PROJECT_DETAILS", "INFORMATION", "PROJECT_TOOLS", "EDITOR", "SCRAP",
          "EXTERNAL_EVENTS", "GENERAL_TOOLS", "PROJECT_BUILDER_DETAILS", "FILE_GROUPS", "EXTENSIONS",
          "PROJECT_FILES", "CURRENT_CONFIGURATION", "BUILD_PHASES", "BUILD_ORDER", "s [CONFIGURATIONS",
          "DEPENDENCIES_Debug_Compiler", "DEPENDENCIES_Release_Compiler", "OPTIONS_Debug_Compiler",
          "OPTIONS_Debug_Linker", "OPTIONS_Release_Compiler", "OPTIONS_Release_Linker",
          "OUTPUT_FILES_Debug_Compiler", "OUTPUT_FILES_Release_Compiler", "BUILD_FILE_ORDER_C source file",
          "SYSTEM_PHASES", "CUSTOM_PHASES", "ENVIRONMENT_Stamp"})
        expected += std::string(name[0] == 's' ? "replace:Reading recordset" : "replace:Reading recordset [") +
                    name + "]\n";
    std::string shown;
    for (const std::string& event : messages()) shown += event + "\n";
    EXPECT_EQ(shown, expected);

    const ZatReadResult result = read();
    ASSERT_TRUE(result.project);
    const ZatProject& p = *result.project;
    EXPECT_EQ(p.projectDetails, (ZatProjectDetails{R"(D:\p\demo.zat)", R"(D:\p)", "Vantrel", "Quarix RISC engine", 1}));
    EXPECT_EQ(p.editor, (ZatEditor{1, "Ed", "ed.exe", "-a", "-b"}));
    EXPECT_EQ(p.projectBuilderDirectory + p.currentConfiguration + p.information, "C:\\ZATDebugdemo project");
    EXPECT_EQ(p.configurationTables.find("Debug")->options.find("Compiler")->at(1), (ZatOptionRow{2, "-def=\"X\"", 1}));
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
    const ReadCase cases[] = {
        {"DATABASE_VERSION", {}, false, false, ""},
        {"INFORMATION", {R"("x" )", R"("y" )"}, false, false, "Quarix RISC engine"},
        {"PROJECT_DETAILS", {R"("a" "b" "c" "Nerak" 0 )", R"("a" "b" "c" "d" 0 )"}, false, false, "Nerak"},
        {"CURRENT_CONFIGURATION", {}, false, false, "Quarix RISC engine"},
        {"PROJECT_BUILDER_DETAILS", {}, true, false, "Quarix RISC engine"},
        {"CONFIGURATIONS", {}, true, false, "Quarix RISC engine"},
        {"DEPENDENCIES_Release_Compiler", {}, true, false, "Quarix RISC engine"},
        {"OUTPUT_FILES_Debug_Compiler", {}, true, false, "Quarix RISC engine"},
        {"ENVIRONMENT_Stamp", {}, true, false, "Quarix RISC engine"},
        {"BUILD_FILE_ORDER_C source file", {}, true, true, "Quarix RISC engine"},
        {"OPTIONS_Debug_Linker", {}, true, true, "Quarix RISC engine"},
        // A phase flag other than 0 counts as system: no dependencies or output files read.
        {"BUILD_PHASES", {R"("Compiler" 0 0 0 "" 1 0 0 )", R"("Linker" 2 0 0 "" 1 0 0 )"}, false, true, ""},
    };
    for (const ReadCase& c : cases) {
        zat = ZatTestProject();
        c.remove ? zat.remove(c.section) : zat.set(c.section, c.records);
        const ZatReadResult result = read();
        EXPECT_EQ(result.project.has_value(), c.read) << c.section;
        if (c.read) continue;
        EXPECT_EQ(result.cpuFamily, c.family) << c.section;
        EXPECT_EQ(result.failure.path, R"(D:\p\demo.zat)") << c.section;
    }
    // Only an options table that cannot be read is shown, once each time, and the read goes on.
    EXPECT_EQ(alerts.alerts.size(), 1u);
    EXPECT_EQ(alerts.alerts.at(0).text, "ERROR READING OPTIONS TABLE");
}

TEST_F(ZatProjectReaderTest, UnreadableFilesFailWithTheirPathAndNoMessage) {
    RecordingTextDisplay display;
    EXPECT_EQ(readZatProject("", {&display, nullptr, {}}).failure.reason, "no ZAT project file was named");
    const ZatReadResult missing = readZatProject(R"(D:\p\missing.zat)", {&display, nullptr, {}});
    EXPECT_FALSE(missing.project);
    EXPECT_EQ(missing.failure.path, R"(D:\p\missing.zat)");
    std::string text = zat.text();
    folder.write("p/demo.zat", text.erase(text.find("[END]")));  // no end marker
    EXPECT_FALSE(readZatProject(R"(D:\p\demo.zat)", {&display, nullptr, {}}).project);
    EXPECT_TRUE(display.events.empty());
}

TEST_F(ZatProjectReaderTest, RepeatedNamesAreReadOnce) {
    zat.set("FILE_GROUPS", {R"("C source file" "TEXT" )", R"("Object file" "BIN" )", R"("C source file" "TEXT" )"});
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
