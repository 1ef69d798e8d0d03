// Translations of ZAT projects made in code: the rules the example projects do not reach.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/CodePage.h"
#include "support/TestSupport.h"
#include "translation/OptionsTranslation.h"
#include "translation/ProjectTranslator.h"

namespace z2k {
namespace {

constexpr const char* kQuarix = "Quarix RISC engine";
constexpr const char* kQxCompiler = "Vantrel QX C Compiler";
constexpr const char* kQxOptLinker = "Vantrel QX IM OptLinker";
constexpr const char* kNerakOptimizer = "Vantrel Nerak IM Optimizer";
constexpr const char* kLinkageEditor = "Vantrel V Series Linkage Editor";

class ProjectTranslatorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        zat = ZatProject{};
        zat.projectDetails = {"D:\\proj\\motor.zat", "D:\\proj", "Vantrel", kQuarix, 0};
        zat.configurations = {{"Debug", "D:\\proj\\Debug"}};
        zat.configurationTables.set("Debug", {});
    }
    void phase(const std::string& name, std::int32_t enabled, std::vector<ZatOptionRow> options = {}) {
        zat.buildPhases.push_back({name, 0, 0, 0, "", 0, 0, 0});
        zat.buildOrder.push_back({name, enabled});
        zat.configurationTables.find("Debug")->options.set(name, std::move(options));
    }
    Translation translate() { return translateProject(zat, "D:\\new\\motor.krp", {&alerts, true, page}); }

    ZatProject zat;
    CodePage page = CodePage::SingleByte;
    test::RecordingAlerts alerts;
};

TEST_F(ProjectTranslatorTest, ToolChainIsShortenedOnlyForTheExactFamilyAndVendor) {
    const std::vector<std::vector<std::string>> cases = {
        {kQuarix, "Vantrel", "Vantrel Quarix Standard"}, {kQuarix, "vantrel", "vantrel"},
        {"quarix risc engine", "Vantrel", "Vantrel"},     {"Nerak", "Vantrel", "Vantrel Nerak Standard"},
        {"NERAK", "Vantrel", "Vantrel"},                  {"NONE", "Vantrel", "Vantrel"},
    };
    for (const auto& c : cases) {
        zat.projectDetails.strCPUFamily = c[0];
        zat.projectDetails.strToolChain = c[1];
        const Translation translation = translate();
        ASSERT_TRUE(translation.project) << c[0];
        EXPECT_EQ(translation.project->projectDetails.strToolChain, c[2]) << c[0];
        EXPECT_EQ(translation.project->projectDetails.strFile, "D:\\new\\motor.krp");
    }
}

TEST_F(ProjectTranslatorTest, FilesInTheProjectTreeMoveBesideTheNewProject) {
    zat.projectDetails.strDirectory = "d:\\old";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"D:\\Old\\src\\main.c", "D:\\new\\src\\main.c"}, {"D:\\Older\\x.c", "D:\\Older\\x.c"},
        {"D:\\OLD\\x.c", "D:\\new\\x.c"}, {"E:\\old\\x.c", "E:\\old\\x.c"}, {"x.c", "x.c"},
    };
    for (std::size_t i = 0; i < cases.size(); ++i)
        zat.projectFiles.push_back({cases[i].first, "", static_cast<std::int32_t>(i + 1)});
    zat.projectFiles.push_back({"D:\\old\\later.c", "", 1});  // the first file of a number counts
    phase("Stamp", 1, {{1, "$(FILE).x", 0}, {5, "", 0}, {9, "", 0}});
    zat.customPhases.push_back({"stamp", "", "", 0, "", 0});  // custom phases ignore case
    const Translation translation = translate();
    ASSERT_TRUE(translation.project);
    for (std::size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(translation.project->projectFiles[i].strName, cases[i].second) << cases[i].first;
    const auto& rows = *translation.project->options.find("Debug")->find("Stamp");
    EXPECT_EQ(rows.at(0), (KorOptionRow{"D:\\new\\src\\main.c", "$(FILELEAF).x", "", 0}));
    EXPECT_EQ(rows.at(1).strFile, "x.c");
    EXPECT_EQ(rows.at(2).strFile, "") << "no file of that number";

    // In CP932 a 0x5C after a lead byte continues the character and is no backslash.
    page = CodePage::Cp932;
    zat.projectDetails.strDirectory = "D:\\a\x95";
    zat.projectFiles = {{"D:\\a\x95\x5c\\c.c", "", 1}};
    EXPECT_EQ(translate().project->projectFiles[0].strName, "D:\\a\x95\x5c\\c.c");
}

TEST_F(ProjectTranslatorTest, AnExtensionOfTwoGroupsFailsUnlessPreprocessed) {
    zat.extensions = {{"Preprocessed C Source file", "C", 1}, {"My group", "q", 1}, {"my group", "q", 1}};
    EXPECT_FALSE(translate().project);
    ASSERT_EQ(alerts.alerts.size(), 1u);
    EXPECT_EQ(alerts.alerts[0].title, " ZAT To KOR Project Converter  (v1.0)");
    EXPECT_EQ(alerts.alerts[0].text,
              "Error: The file extension \"q\" is defined twice for:\n\n\tMy group\n\tmy group\n\n"
              "Please remove all references to this extension in the ZAT project and\t\nconvert the project "
              "again.");
    zat.extensions.pop_back();
    zat.fileGroups = {{"My group", "TEXT"}, {"C source file", "TEXT"}};
    const Translation translation = translate();
    ASSERT_TRUE(translation.project);
    EXPECT_EQ(translation.project->extensions.back(), (KorExtension{"My group", "q"}));
    EXPECT_EQ(translation.project->fileGroups.back(), (KorFileGroup{"My group", "TEXT", "EDITOR", ""}));
}

TEST_F(ProjectTranslatorTest, LinkToolsBecomeOneLinkerChosenByTheBuildOrder) {
    struct Case {
        int editor, linker;  // -1 absent, else the enabled flag
        const char* tool;
        bool useDefault;
    };
    const Case cases[] = {
        {-1, -1, kQxOptLinker, true},  {-1, 0, kQxOptLinker, false}, {1, -1, kLinkageEditor, false},
        {0, 1, kQxOptLinker, false},   {0, 0, kQxOptLinker, true},   {1, 1, kQxOptLinker, false},
        {2, 0, kLinkageEditor, false},
    };
    for (const Case& c : cases) {
        SetUp();
        zat.buildOrder.clear();
        if (c.editor >= 0) zat.buildOrder.push_back({kLinkageEditor, c.editor});
        if (c.linker >= 0) zat.buildOrder.push_back({kQxOptLinker, c.linker});
        zat.buildOrder.push_back({kNerakOptimizer, 1});  // the other family's linker does not count
        KorProject kor;
        const LinkerChoice choice = chooseLinker(TranslationContext(zat, kor, page, nullptr, nullptr));
        EXPECT_EQ(choice.tool, c.tool) << c.editor << " " << c.linker;
        EXPECT_EQ(choice.useDefault, c.useDefault) << c.editor << " " << c.linker;
    }

    SetUp();
    phase(kQxCompiler, 0, {{0, "-deb", 0}});
    phase(kLinkageEditor, 0, {{0, "-zzeditor", 0}});
    phase(kQxOptLinker, 1, {{0, "-zzfirst", 0}, {0, "-zzlast", 0}});
    const Translation translation = translate();
    ASSERT_TRUE(translation.project);
    std::vector<std::string> order;
    for (const KorBuildOrderRow& row : translation.project->buildOrder)
        order.push_back(row.strName + "=" + std::to_string(row.bEnabled));
    EXPECT_EQ(order, (std::vector<std::string>{"Vantrel QX C/C++ Compiler=0", "Vantrel QX IM OptLinker=1"}));
    // Only the chosen tool's last row reaches the project and the report.
    const auto& linker = *translation.project->options.find("Debug")->find("Vantrel QX IM OptLinker");
    EXPECT_NE(linker.at(0).strOption.find("zzlast"), std::string::npos) << linker.at(0).strOption;
    EXPECT_EQ(linker.at(0).strOption.find("zzfirst"), std::string::npos) << linker.at(0).strOption;
    std::string reported;
    for (const ReportEntry& entry : translation.report.entries)
        reported += entry.tool + ":" + entry.option + ";";
    EXPECT_EQ(reported, std::string(kQxOptLinker) + ":-zzlast;");
}

TEST_F(ProjectTranslatorTest, UnknownToolsFailOnlyInTheBuildOrder) {
    phase("Foreign Tool", 1, {{0, "-x", 0}});
    EXPECT_FALSE(translate().project);
    ASSERT_EQ(alerts.alerts.size(), 1u);
    EXPECT_EQ(alerts.alerts[0].text, "ERROR: Invalid option strings were detected in the project ");
    zat.buildOrder.clear();
    EXPECT_TRUE(translate().project);
}

}  // namespace
}  // namespace z2k
