#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kor/KorProject.h"
#include "platform/CodePage.h"
#include "support/TestSupport.h"

namespace z2k::test {
namespace {

// Section names of a saved file, in file order.
std::vector<std::string> sections(const std::string& text) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(start, end - start);
        if (line.size() > 2 && line.front() == '[' && line.back() == ']')
            names.push_back(line.substr(1, line.size() - 2));
        start = end + 2;
    }
    return names;
}

// The record lines of one section.
std::vector<std::string> records(const std::string& text, const std::string& section) {
    std::vector<std::string> lines;
    std::size_t pos = text.find("\r\n[" + section + "]\r\n");
    if (pos == std::string::npos) return lines;
    pos += section.size() + 6;
    while (pos < text.size() && text[pos] != '[') {
        std::size_t end = text.find("\r\n", pos);
        lines.push_back(text.substr(pos, end - pos));
        pos = end + 2;
    }
    return lines;
}

const std::vector<std::string> kFixedWritingOrder = {"ZATDBVersion",
                                                     "DATABASE_VERSION",
                                                     "PROJECT_DETAILS",
                                                     "TOOL_CHAIN",
                                                     "TOOLCHAIN_PHASE",
                                                     "UTILITY_PHASE",
                                                     "ASSOCIATED_APPLICATIONS",
                                                     "TOOL_ENVIRONMENT",
                                                     "EXCLUDED_FILES",
                                                     "INFORMATION",
                                                     "PROJECT_TOOLS",
                                                     "SCRAP",
                                                     "EXTERNAL_EVENTS",
                                                     "GENERAL_TOOLS",
                                                     "FILE_GROUPS",
                                                     "EXTENSIONS",
                                                     "PROJECT_FILES",
                                                     "CONFIGURATIONS",
                                                     "CURRENT_CONFIGURATION",
                                                     "BUILD_PHASES",
                                                     "BUILD_ORDER",
                                                     "CUSTOM_PHASES",
                                                     "MAPPINGS",
                                                     "SYNTAX_COLOURING_ATTRIBUTES",
                                                     "SYNTAX_COLOURING_CATEGORIES",
                                                     "SYNTAX_COLOURING_FILE_GROUP"};

// A project with rows in every list and composed entries, one of each map with an empty list.
void fill(KorProject& p, const std::string& tag) {
    p.setDatabaseVersion("1.0");
    p.setProjectDetails({tag, R"(D:\p)", R"(D:\p\)" + tag + ".krp", "Vantrel Quarix Standard",
                         "Quarix RISC engine", "Converted ZAT Project"});
    p.setToolChain({"Vantrel Quarix RISC engine Standard Toolchain", "5.1.0"});
    p.setInformation("info " + tag);
    p.setGeneralTools({0, 1, 1, 0, "$(FILE)", "$(FILE) $(LINE)", "ed.exe", "Ed"});
    p.setCurrentConfiguration("Debug");
    p.setToolchainPhases({{"Vantrel QX C/C++ Compiler"}, {"Vantrel QX IM OptLinker"}});
    p.setExcludedFiles({{"x.c"}});
    p.setExternalEvents({{"dbg.exe", "Built", "1", "2", "3", "4", "5"}});
    p.setFileGroups({{"C source file", "TEXT", "EDITOR", ""}, {"Script", "TEXT", "EDITOR", ""}});
    p.setExtensions({{"C source file", "C"}, {"Script", "SCR"}});
    p.setProjectFiles({{R"(D:\p\)" + tag + ".c", "User", 0}});
    p.setConfigurations({{"Debug", R"(D:\p\Debug)"}, {"Release", R"(D:\p\Release)"}});
    p.setBuildPhases({{"Vantrel QX C/C++ Compiler", 0}, {"Vantrel QX IM OptLinker", 1}});
    p.setBuildOrder({{"Vantrel QX C/C++ Compiler", 1}, {"Vantrel QX IM OptLinker", 1}});
    p.setCustomPhases({{"Stamp", "stamp.exe", R"(D:\p)", 0, "Script", 0}});
    p.setMappings({{"Object file", "Vantrel QX IM OptLinker", "Vantrel QX C/C++ Compiler"}});
    p.setSyntaxColouringAttributes({{"C source file", "TabSize", "4"}});
    p.setSyntaxColouringCategories({{"C source file", "Keywords", "BLUE", "SYSTEM", "if else"}});
    p.setSyntaxColouringFileGroups({{"C source file", "Vantrel QX C/C++ Compiler", "5.1.0", "TEXT"}});
    p.setBuildFileOrder("Script", {{"Stamp", 1}});
    p.setBuildFileOrder("Object file", {});
    p.setEnvironment("Stamp", {{"FORMAT", "YYMMDD"}});
    KorProject::PhaseMap<KorDependencyRow> dependencies;
    dependencies.set("Vantrel QX C Compiler", {{R"(D:\p\)" + tag + ".c", R"(D:\p\a.h)", "UnknownCustom"}});
    p.setDependencies("Debug", dependencies);
    p.setDependencies("Release", {});
    KorProject::PhaseMap<KorOutputFileRow> outputs;
    outputs.set("Stamp", {{R"(D:\p\v.scr)", "$(FILELEAF).h", "UnknownCustom", 0}});
    p.setOutputFiles("Debug", outputs);
    KorProject::PhaseMap<KorOptionRow> options;
    options.set("Vantrel QX C/C++ Compiler", {{"C source file", "[V|VERSION|1] [B|DEBUG|1]", "", 0}});
    options.set("", {});
    p.setOptions("Debug", options);
}

class KorProjectWriterTest : public ::testing::Test {
  protected:
    void SetUp() override { setActiveCodePage(CodePage::SingleByte); }
    int write(KorProject& p, const std::string& name) {
        p.setPath(R"(D:\)" + name);
        p.setMessageSink(&display, 1);
        return p.write();
    }

    TempFolder folder{'D'};
    KorProject project;
    RecordingTextDisplay display;
};

TEST_F(KorProjectWriterTest, RecordsetOrderOfTheSavedFile) {
    fill(project, "a");
    ASSERT_EQ(write(project, "a.krp"), 0);
    const std::string text = folder.read("a.krp");
    ASSERT_EQ(text.rfind("[ZATDBVersion]\r\n2.0\r\n", 0), 0u);
    std::vector<std::string> expected = kFixedWritingOrder;
    // Composed recordsets with rows, in map order, then the bare ones in creation order.
    for (const char* name :
         {"BUILD_FILE_ORDER_Script", "ENVIRONMENT_Stamp", "DEPENDENCIES_Debug_Vantrel QX C Compiler",
          "OUTPUT_FILES_Debug_Stamp", "OPTIONS_Debug_Vantrel QX C/C++ Compiler",
          "BUILD_FILE_ORDER_Object file", "OPTIONS_Debug_", "END"})
        expected.push_back(name);
    EXPECT_EQ(sections(text), expected);
    EXPECT_TRUE(records(text, "OPTIONS_Debug_").empty());
    EXPECT_TRUE(records(text, "SCRAP").empty());
    EXPECT_EQ(text.substr(text.size() - 7), "[END]\r\n");
}

TEST_F(KorProjectWriterTest, RecordLinesCarryEveryFieldInLayoutOrder) {
    fill(project, "a");
    ASSERT_EQ(write(project, "a.krp"), 0);
    const std::string text = folder.read("a.krp");
    struct Case {
        const char* section;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"DATABASE_VERSION", {R"("1.0" )"}},
        {"PROJECT_DETAILS",
         {R"("a" "D:\p" "D:\p\a.krp" "Vantrel Quarix Standard" "Quarix RISC engine" "Converted ZAT Project" )"}},
        {"TOOL_CHAIN", {R"("Vantrel Quarix RISC engine Standard Toolchain" "5.1.0" )"}},
        {"INFORMATION", {R"("info a" )"}},
        {"GENERAL_TOOLS", {R"~(0 1 1 0 "$(FILE)" "$(FILE) $(LINE)" "ed.exe" "Ed" )~"}},
        {"PROJECT_FILES", {R"("D:\p\a.c" "User" 0 )"}},
        {"CURRENT_CONFIGURATION", {R"("Debug" )"}},
        {"BUILD_PHASES", {R"("Vantrel QX C/C++ Compiler" 0 )", R"("Vantrel QX IM OptLinker" 1 )"}},
        {"CUSTOM_PHASES", {R"("Stamp" "stamp.exe" "D:\p" 0 "Script" 0 )"}},
        {"EXTERNAL_EVENTS", {R"("dbg.exe" "Built" "1" "2" "3" "4" "5" )"}},
        {"SYNTAX_COLOURING_CATEGORIES", {R"("C source file" "Keywords" "BLUE" "SYSTEM" "if else" )"}},
        {"OUTPUT_FILES_Debug_Stamp", {R"~("D:\p\v.scr" "$(FILELEAF).h" "UnknownCustom" 0 )~"}},
        {"OPTIONS_Debug_Vantrel QX C/C++ Compiler", {R"("C source file" "[V|VERSION|1] [B|DEBUG|1]" "" 0 )"}},
    };
    for (const Case& c : cases) EXPECT_EQ(records(text, c.section), c.lines) << c.section;
}

TEST_F(KorProjectWriterTest, ProgressMessagesInWritingOrder) {
    fill(project, "a");
    ASSERT_EQ(write(project, "a.krp"), 0);
    std::vector<std::string> expected = {"replace:Creating KOR tables..."};
    for (const char* name : {"DATABASE_VERSION",
                             "PROJEC_DETAILS",
                             "TOOL_CHAIN",
                             "TOOLCHAIN_PHASE",
                             "UTILITY_PHASE",
                             "ASSOCIATED_APPLICATIONS",
                             "TOOL_ENVIRONMENT",
                             "EXCLUDED_FILES",
                             "INFOFMATION",
                             "PROJECT_TOOLS",
                             "SCRAP",
                             "EXTERNAL_EVENTS",
                             "GENERAL_TOOLS",
                             "FILE_GROUPS",
                             "EXTENSIONS",
                             "PROJECT_FILES",
                             "CONFIGURATIONS",
                             "CURRENT_CONFIGURATION",
                             "BUILD_PHASES",
                             "BUILD_ORDER",
                             "CUSTOM_PHASES",
                             "MAPPINGS",
                             "SYNTAX_COLOURING_ATTRIBUTES",
                             "SYNTAX_COLOURING_CATAGORIES",
                             "SYNTAX_COLOURING_FILE_GROUP",
                             "BUILD_FILE_ORDER_Script",
                             "BUILD_FILE_ORDER_Object file",
                             "ENVIRONMENT_Stamp",
                             "DEPENDENCIES_Debug_Vantrel QX C Compiler",
                             "OUTPUT_FILES_Debug_Stamp",
                             "OPTIONS_Debug_Vantrel QX C/C++ Compiler",
                             "OPTIONS_Debug_"})
        expected.push_back(std::string("replace:Writing recordset [") + name + "]");
    EXPECT_EQ(display.events, expected);
}

TEST_F(KorProjectWriterTest, EmptyProjectHasTheTwentyFiveRecordsetsOnly) {
    ASSERT_EQ(write(project, "empty.krp"), 0);
    const std::string text = folder.read("empty.krp");
    std::vector<std::string> expected = kFixedWritingOrder;
    expected.push_back("END");
    EXPECT_EQ(sections(text), expected);
    // The single rows are written even when empty.
    EXPECT_EQ(records(text, "PROJECT_DETAILS"), (std::vector<std::string>{R"("" "" "" "" "" "" )"}));
    EXPECT_EQ(records(text, "GENERAL_TOOLS"), (std::vector<std::string>{R"(0 0 0 0 "" "" "" "" )"}));
    EXPECT_TRUE(records(text, "BUILD_ORDER").empty());
}

TEST_F(KorProjectWriterTest, SameProjectTwiceGivesTheSameBytesAndWriteClearsTheModel) {
    fill(project, "a");
    ASSERT_EQ(write(project, "one.krp"), 0);
    EXPECT_TRUE(project.projectFiles().empty());
    EXPECT_TRUE(project.options().empty());
    EXPECT_TRUE(project.information().empty());
    EXPECT_EQ(project.path(), R"(D:\one.krp)");
    fill(project, "a");
    ASSERT_EQ(write(project, "two.krp"), 0);
    EXPECT_EQ(folder.read("one.krp"), folder.read("two.krp"));
}

TEST_F(KorProjectWriterTest, SecondProjectHoldsNothingOfTheFirst) {
    fill(project, "first");
    ASSERT_EQ(write(project, "first.krp"), 0);
    project.setProjectDetails({"second", "", "", "", "Nerak", ""});
    project.setOptions("Flash", {});
    ASSERT_EQ(write(project, "second.krp"), 0);

    KorProject fresh;
    fresh.setProjectDetails({"second", "", "", "", "Nerak", ""});
    fresh.setOptions("Flash", {});
    ASSERT_EQ(write(fresh, "fresh.krp"), 0);
    const std::string second = folder.read("second.krp");
    EXPECT_EQ(second, folder.read("fresh.krp"));
    EXPECT_EQ(second.find("first"), std::string::npos);
}

TEST_F(KorProjectWriterTest, SettersReplaceListsWhole) {
    project.setBuildOrder({{"a", 1}, {"b", 0}});
    project.setBuildOrder({{"c", 1}});
    EXPECT_EQ(project.buildOrder(), (std::vector<KorBuildOrderRow>{{"c", 1}}));
    project.setBuildFileOrder("g1", {{"a", 1}});
    project.setBuildFileOrder("g2", {});
    project.setBuildFileOrder("g1", {});  // keeps its place
    ASSERT_EQ(project.buildFileOrder().size(), 2u);
    EXPECT_EQ(project.buildFileOrder().begin()->first, "g1");
    EXPECT_TRUE(project.buildFileOrder().begin()->second.empty());
    project.setBuildFileOrder(OrderedMap<std::vector<KorBuildOrderRow>>{});
    EXPECT_TRUE(project.buildFileOrder().empty());
}

TEST_F(KorProjectWriterTest, FailedWritesReturnOne) {
    fill(project, "a");
    project.setPath("");
    EXPECT_EQ(project.write(), 1);
    EXPECT_TRUE(display.events.empty());

    EXPECT_EQ(write(project, R"(missing\folder\a.krp)"), 1);  // cannot be created
    EXPECT_FALSE(project.projectFiles().empty());             // not cleared

    // A composed name longer than 80 characters cannot be created: the write is abandoned and
    // the earlier file stays as it was.
    project.setEnvironment(std::string(70, 'x'), {{"A", "B"}});
    folder.write("long.krp", "earlier project");
    EXPECT_EQ(write(project, "long.krp"), 1);
    EXPECT_EQ(folder.read("long.krp"), "earlier project");
    EXPECT_FALSE(project.projectFiles().empty());

    // Two map entries that compose the same name fail on the second.
    KorProject clash;
    KorProject::PhaseMap<KorOptionRow> a;
    a.set("C", {});
    KorProject::PhaseMap<KorOptionRow> b;
    b.set("B_C", {});
    KorProject::ConfigurationMap<KorOptionRow> both;
    both.set("A_B", a);
    both.set("A", b);
    clash.setOptions(both);
    EXPECT_EQ(write(clash, "clash.krp"), 1);
}

}  // namespace
}  // namespace z2k::test
