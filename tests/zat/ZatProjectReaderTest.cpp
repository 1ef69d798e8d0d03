#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ZatTestProject.h"
#include "platform/CodePage.h"
#include "support/TestSupport.h"
#include "zat/ZatProject.h"

namespace z2k::test {
namespace {

const char* const kPath = R"(D:\p\demo.zat)";

class ZatProjectReaderTest : public ::testing::Test {
  protected:
    void SetUp() override { setActiveCodePage(CodePage::SingleByte); }

    int readText(const std::string& text) {
        folder.write("p/demo.zat", text);
        project.setPath(kPath);
        project.setMessageSink(&display, 1);
        project.setAlerts(&alerts);
        return project.read();
    }
    int read() { return readText(zat.text()); }

    // The "replace:" events of the display, without the prefix.
    std::vector<std::string> messages() const {
        std::vector<std::string> shown;
        for (const std::string& event : display.events)
            if (event.rfind("replace:", 0) == 0) shown.push_back(event.substr(8));
        return shown;
    }

    TempFolder folder{'D'};
    ZatTestProject zat;
    ZatProject project;
    RecordingTextDisplay display;
    RecordingAlerts alerts;
};

TEST_F(ZatProjectReaderTest, ReadsRecordsetsInFixedOrderWithTheirMessages) {
    ASSERT_EQ(read(), 0);
    const std::vector<std::string> expected = {
        "Reading recordset [DATABASE_VERSION]",
        "Reading recordset [PROJECT_DETAILS]",
        "Reading recordset [INFORMATION]",
        "Reading recordset [PROJECT_TOOLS]",
        "Reading recordset [EDITOR]",
        "Reading recordset [SCRAP]",
        "Reading recordset [EXTERNAL_EVENTS]",
        "Reading recordset [GENERAL_TOOLS]",
        "Reading recordset [PROJECT_BUILDER_DETAILS]",
        "Reading recordset [FILE_GROUPS]",
        "Reading recordset [EXTENSIONS]",
        "Reading recordset [PROJECT_FILES]",
        "Reading recordset [CURRENT_CONFIGURATION]",
        "Reading recordset [BUILD_PHASES]",
        "Reading recordset [BUILD_ORDER]",
        "Reading recordsets [CONFIGURATIONS]",
        "Reading recordset [DEPENDENCIES_Debug_Compiler]",
        "Reading recordset [DEPENDENCIES_Release_Compiler]",
        "Reading recordset [OPTIONS_Debug_Compiler]",
        "Reading recordset [OPTIONS_Debug_Linker]",
        "Reading recordset [OPTIONS_Release_Compiler]",
        "Reading recordset [OPTIONS_Release_Linker]",
        "Reading recordset [OUTPUT_FILES_Debug_Compiler]",
        "Reading recordset [OUTPUT_FILES_Release_Compiler]",
        "Reading recordset [BUILD_FILE_ORDER_C source file]",
        "Reading recordset [SYSTEM_PHASES]",
        "Reading recordset [CUSTOM_PHASES]",
        "Reading recordset [ENVIRONMENT_Stamp]",
    };
    EXPECT_EQ(messages(), expected);
    EXPECT_EQ(messages().size(), display.events.size());  // nothing but replacements
    EXPECT_TRUE(alerts.alerts.empty());
}

TEST_F(ZatProjectReaderTest, FillsEveryPartOfTheModel) {
    ASSERT_EQ(read(), 0);
    EXPECT_EQ(project.databaseVersion(), "1.0");
    EXPECT_EQ(project.projectDetails(),
              (ZatProjectDetails{R"(D:\p\demo.zat)", R"(D:\p)", "Vantrel", "Quarix RISC engine", 1}));
    EXPECT_EQ(project.information(), "demo project");
    EXPECT_EQ(project.editor(), (ZatEditor{1, "Ed", "ed.exe", "-a", "-b"}));
    EXPECT_EQ(project.generalTools(),
              (ZatGeneralTools{0, 1, 1, 0, "$(FILE)", "$(FILE) $(LINE)", "ed.exe", "Ed"}));
    EXPECT_EQ(project.projectBuilderDirectory(), R"(C:\ZAT)");
    EXPECT_EQ(project.currentConfiguration(), "Debug");
    ASSERT_EQ(project.projectTools().size(), 1u);
    EXPECT_EQ(project.projectTools()[0].strCommand, "qxc.exe");
    EXPECT_EQ(project.projectFiles(),
              (std::vector<ZatProjectFile>{{R"(D:\p\main.c)", "User", 1}, {R"(D:\p\util.c)", "User", 2}}));
    EXPECT_EQ(project.extensions()[1], (ZatExtension{"Object file", "obj", 1}));
    EXPECT_EQ(project.buildPhases()[1].bSystem, 1);
    EXPECT_EQ(project.configurations()[1], (ZatConfiguration{"Release", R"(D:\p\Release)"}));
    EXPECT_EQ(project.systemPhases()[0], (ZatSystemPhase{"Compiler", "C", 1, 0, 1}));
    EXPECT_EQ(project.customPhases()[0],
              (ZatCustomPhase{"Stamp", "stamp.exe", R"(D:\p)", 0, "C source file", 1}));

    // Per configuration: dependencies and output files only for the non-system phase, options
    // for both, keys in BUILD_PHASES order.
    ASSERT_EQ(project.configurationTables().size(), 2u);
    for (const char* configuration : {"Debug", "Release"}) {
        const ZatConfigurationTables* tables = project.tablesFor(configuration);
        ASSERT_NE(tables, nullptr) << configuration;
        EXPECT_EQ(tables->dependencies.size(), 1u);
        EXPECT_EQ(tables->outputFiles.size(), 1u);
        ASSERT_EQ(tables->options.size(), 2u);
        EXPECT_EQ(tables->options.begin()->first, "Compiler");
        EXPECT_EQ(project.dependencies(configuration, "Linker"), nullptr);
    }
    EXPECT_EQ(*project.dependencies("Debug", "Compiler"),
              (std::vector<ZatDependencyRow>{{1, R"(D:\p\main.h)"}}));
    EXPECT_TRUE(project.dependencies("Release", "Compiler")->empty());
    EXPECT_EQ(*project.options("Debug", "Compiler"),
              (std::vector<ZatOptionRow>{{0, "-deb\t-cp=qx2", 0}, {2, "-def=\"X\"", 1}}));
    EXPECT_EQ(*project.options("Debug", "Linker"), (std::vector<ZatOptionRow>{{0, "-deb", 0}}));
    EXPECT_TRUE(project.options("Release", "Linker")->empty());
    EXPECT_EQ(project.outputFiles("Release", "Compiler")->at(1), (ZatOutputFileRow{2, "$(FILE).obj", 0}));
    EXPECT_EQ(project.options("debug", "Compiler"), nullptr);  // keys are exact text

    ASSERT_EQ(project.buildFileOrder().size(), 1u);
    EXPECT_EQ(*project.buildFileOrderFor("C source file"),
              (std::vector<ZatBuildOrderRow>{{"Compiler", 1}, {"Stamp", 0}}));
    EXPECT_EQ(project.buildFileOrderFor("Object file"), nullptr);
    EXPECT_EQ(*project.environmentFor("Stamp"), (std::vector<ZatVariableRow>{{"FORMAT", "YYMMDD"}}));
}

// Each single-record recordset must hold exactly one record.
class SingleRecordTest : public ZatProjectReaderTest,
                         public ::testing::WithParamInterface<std::pair<const char*, const char*>> {};

TEST_P(SingleRecordTest, ZeroOrTwoRecordsFailTheRead) {
    const auto [section, record] = GetParam();
    zat.set(section, {});
    EXPECT_EQ(read(), 1) << section << " without a record";
    zat.set(section, {record, record});
    EXPECT_EQ(read(), 1) << section << " with two records";
    zat.set(section, {record});
    EXPECT_EQ(read(), 0) << section << " with one record";
}

INSTANTIATE_TEST_SUITE_P(
    Tables, SingleRecordTest,
    ::testing::Values(std::pair{"DATABASE_VERSION", R"("1.0" )"},
                      std::pair{"PROJECT_DETAILS", R"("D:\p\demo.zat" "D:\p" "Vantrel" "Nerak" 0 )"},
                      std::pair{"INFORMATION", R"("x" )"}, std::pair{"EDITOR", R"(0 "" "" "" "" )"},
                      std::pair{"GENERAL_TOOLS", R"(0 0 0 0 "" "" "" "" )"},
                      std::pair{"PROJECT_BUILDER_DETAILS", R"("C:\ZAT" )"},
                      std::pair{"CURRENT_CONFIGURATION", R"("Release" )"}));

// Recordsets whose absence stops the read; what was read before stays in the model.
class MissingRecordsetTest : public ZatProjectReaderTest,
                             public ::testing::WithParamInterface<const char*> {};

TEST_P(MissingRecordsetTest, StopsTheReadAndKeepsWhatWasRead) {
    const std::string section = GetParam();
    zat.remove(section);
    EXPECT_EQ(read(), 1);
    EXPECT_EQ(messages().back(), "Reading recordset" + std::string(section == "CONFIGURATIONS" ? "s" : "") +
                                     " [" + section + "]");
    EXPECT_EQ(project.projectDetails().strCPUFamily, "Quarix RISC engine");
    EXPECT_TRUE(alerts.alerts.empty());
}

INSTANTIATE_TEST_SUITE_P(Tables, MissingRecordsetTest,
                         ::testing::Values("PROJECT_TOOLS", "PROJECT_FILES", "CONFIGURATIONS",
                                           "DEPENDENCIES_Release_Compiler", "OUTPUT_FILES_Debug_Compiler",
                                           "SYSTEM_PHASES", "CUSTOM_PHASES", "ENVIRONMENT_Stamp"));

TEST_F(ZatProjectReaderTest, MissingDependenciesLeaveTheLaterTablesUnread) {
    zat.remove("DEPENDENCIES_Debug_Compiler");
    EXPECT_EQ(read(), 1);
    EXPECT_TRUE(project.tablesFor("Debug")->options.empty());
    EXPECT_TRUE(project.customPhases().empty());
}

TEST_F(ZatProjectReaderTest, MissingOptionsTableAlertsOnceAndReadingGoesOn) {
    zat.remove("OPTIONS_Debug_Linker");
    EXPECT_EQ(read(), 0);
    ASSERT_EQ(alerts.alerts.size(), 1u);
    EXPECT_EQ(alerts.alerts[0].text, "ERROR READING OPTIONS TABLE");
    const std::vector<ZatOptionRow>* linker = project.options("Debug", "Linker");
    ASSERT_NE(linker, nullptr);
    EXPECT_TRUE(linker->empty());
    EXPECT_EQ(project.options("Release", "Compiler")->size(), 1u);
    EXPECT_EQ(project.environment().size(), 1u);
}

TEST_F(ZatProjectReaderTest, EveryFailingOptionsTableAlerts) {
    zat.remove("OPTIONS_Debug_Linker");
    zat.remove("OPTIONS_Release_Compiler");
    EXPECT_EQ(read(), 0);
    EXPECT_EQ(alerts.alerts.size(), 2u);
}

TEST_F(ZatProjectReaderTest, BuildFileOrderOnlyWhereItExistsAndOncePerGroupName) {
    zat.set("FILE_GROUPS",
            {R"("C source file" "TEXT" )", R"("Object file" "BIN" )", R"("C source file" "TEXT" )"});
    ASSERT_EQ(read(), 0);
    EXPECT_EQ(project.fileGroups().size(), 3u);
    int reads = 0;
    for (const std::string& message : messages())
        reads += message.find("BUILD_FILE_ORDER_") != std::string::npos;
    EXPECT_EQ(reads, 1);
    EXPECT_EQ(project.buildFileOrder().size(), 1u);
    EXPECT_FALSE(project.buildFileOrder().contains("Object file"));
}

TEST_F(ZatProjectReaderTest, PhaseFlagOtherThanZeroCountsAsSystem) {
    zat.set("BUILD_PHASES", {R"("Compiler" 0 0 0 "" 1 0 0 )", R"("Linker" 2 0 0 "" 1 0 0 )"});
    ASSERT_EQ(read(), 0);
    EXPECT_EQ(project.dependencies("Debug", "Linker"), nullptr);
    EXPECT_NE(project.options("Debug", "Linker"), nullptr);
}

TEST_F(ZatProjectReaderTest, NoPhasesOrNoConfigurationsReadNoPerPhaseTables) {
    zat.set("BUILD_PHASES", {});
    ASSERT_EQ(read(), 0);
    for (const std::string& message : messages())
        EXPECT_EQ(message.find("_Debug"), std::string::npos) << message;
    EXPECT_EQ(project.configurationTables().size(), 2u);
    EXPECT_TRUE(project.tablesFor("Debug")->options.empty());

    zat = ZatTestProject();
    zat.set("CONFIGURATIONS", {});
    display.events.clear();
    ASSERT_EQ(read(), 0);
    EXPECT_TRUE(project.configurationTables().empty());
    EXPECT_EQ(messages()[16], "Reading recordset [BUILD_FILE_ORDER_C source file]");
}

TEST_F(ZatProjectReaderTest, EmptyPathReturnsOneWithoutMessageAndKeepsTheModel) {
    ASSERT_EQ(read(), 0);
    display.events.clear();
    project.setPath("");
    EXPECT_EQ(project.read(), 1);
    EXPECT_TRUE(display.events.empty());
    EXPECT_EQ(project.information(), "demo project");
}

TEST_F(ZatProjectReaderTest, UnreadableDatabaseFailsWithoutMessage) {
    project.setPath(R"(D:\p\missing.zat)");
    project.setMessageSink(&display, 0);
    EXPECT_EQ(project.read(), 1);
    EXPECT_TRUE(display.events.empty());

    std::string text = zat.text();
    text.erase(text.find("[END]"));  // no end marker: the check refuses the file
    EXPECT_EQ(readText(text), 1);
    EXPECT_TRUE(display.events.empty());
}

TEST_F(ZatProjectReaderTest, EachReadStartsFromAnEmptyModel) {
    ASSERT_EQ(read(), 0);
    zat.set("PROJECT_FILES", {R"("D:\p\only.c" "User" 9 )"});
    zat.set("CUSTOM_PHASES", {});
    zat.set("SCRAP", {R"("a" "b" )"});
    ASSERT_EQ(read(), 0);
    EXPECT_EQ(project.projectFiles(), (std::vector<ZatProjectFile>{{R"(D:\p\only.c)", "User", 9}}));
    EXPECT_TRUE(project.environment().empty());
    EXPECT_EQ(project.scrap().size(), 1u);

    // A failed read leaves only what was read before the failure.
    zat.remove("PROJECT_FILES");
    EXPECT_EQ(read(), 1);
    EXPECT_TRUE(project.projectFiles().empty());
    EXPECT_TRUE(project.configurations().empty());
    EXPECT_EQ(project.scrap().size(), 1u);
}

TEST_F(ZatProjectReaderTest, MessagesAreDroppedWithoutSink) {
    folder.write("p/demo.zat", zat.text());
    project.setPath(kPath);
    project.setMessageSink(nullptr, 1);
    EXPECT_EQ(project.read(), 0);
    EXPECT_TRUE(display.events.empty());
}

TEST_F(ZatProjectReaderTest, DuplicateConfigurationNamesShareOneEntry) {
    zat.set("CONFIGURATIONS", {R"("Debug" "D:\p\Debug" )", R"("Debug" "D:\p\Debug2" )"});
    ASSERT_EQ(read(), 0);
    EXPECT_EQ(project.configurations().size(), 2u);
    EXPECT_EQ(project.configurationTables().size(), 1u);
    int reads = 0;
    for (const std::string& message : messages())
        reads += message == "Reading recordset [OPTIONS_Debug_Compiler]";
    EXPECT_EQ(reads, 2);
}

}  // namespace
}  // namespace z2k::test
