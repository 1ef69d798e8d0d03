// The translation of ZAT projects made in code: tool chain, project files, file groups and
// extensions, build order and phases, per-configuration tables and tool options.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "ZatFixture.h"
#include "kor/KorProject.h"
#include "options/ConvertToolOptions.h"
#include "platform/CodePage.h"
#include "support/TestSupport.h"
#include "translation/ProjectTranslator.h"
#include "zat/ZatProject.h"

namespace z2k {
namespace {

using test::RecordingAlerts;
using test::TempFolder;
using test::ZatModel;

constexpr const char* kQuarix = "Quarix RISC engine";
constexpr const char* kNerak = "Nerak";
constexpr const char* kQxCompiler = "Vantrel QX C Compiler";
constexpr const char* kQxAssembler = "Vantrel QX Assembler";
constexpr const char* kQxOptLinker = "Vantrel QX IM OptLinker";
constexpr const char* kNerakCompiler = "Vantrel Nerak C Compiler";
constexpr const char* kNerakOptimizer = "Vantrel Nerak IM Optimizer";
constexpr const char* kNerakLinker = "Vantrel Nerak IM OptLinker";
constexpr const char* kLinkageEditor = "Vantrel V Series Linkage Editor";
constexpr const char* kLibrarian = "Vantrel V Series Librarian";
constexpr const char* kStype = "Vantrel V Series Stype Converter";

class ProjectTranslatorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setActiveCodePage(CodePage::SingleByte);
        std::filesystem::create_directories(folder.path() / "proj");
    }
    void TearDown() override { setActiveCodePage(CodePage::SingleByte); }

    // Writes and reads the model, then translates it with a fresh translator.
    int translate() {
        if (!test::loadZat(model, "D:\\proj\\motor.zat", zat)) {
            ADD_FAILURE() << "the ZAT project could not be written and read";
            return -1;
        }
        translator = std::make_unique<ProjectTranslator>(zat, kor, &alerts);
        translator->setKorProjectPath("D:\\proj\\motor.krp");
        return translator->Translate();
    }

    const std::vector<KorOptionRow>* options(std::string_view configuration, std::string_view phase) const {
        const auto* phases = kor.options.find(configuration);
        return phases == nullptr ? nullptr : phases->find(phase);
    }

    // What convertToolOptions gives for this project's family and directory.
    std::string converted(std::string_view tool, std::string_view zatOptions, bool cpu = false) const {
        std::string korOptions, cpuDefaults;
        EXPECT_EQ(convertToolOptions(model.details.strCPUFamily, tool, zatOptions, model.details.strDirectory,
                                     "$(PROJDIR)", korOptions, cpuDefaults),
                  0);
        return cpu ? cpuDefaults : korOptions;
    }

    TempFolder folder{'D'};
    ZatModel model;
    ZatProject zat;
    KorProject kor;
    RecordingAlerts alerts;
    std::unique_ptr<ProjectTranslator> translator;
};

std::vector<std::string> names(const std::vector<KorBuildOrderRow>& rows) {
    std::vector<std::string> out;
    for (const auto& row : rows) out.push_back(row.strName + "=" + std::to_string(row.bEnabled));
    return out;
}
std::vector<std::string> names(const std::vector<KorBuildPhase>& rows) {
    std::vector<std::string> out;
    for (const auto& row : rows) out.push_back(row.strName + "=" + std::to_string(row.bSystem));
    return out;
}

// --- project details and tool chain ----------------------------------------------------------------

TEST_F(ProjectTranslatorTest, ToolChainDecisionIsExactButPredicatesIgnoreCase) {
    struct Case {
        std::string family, toolChain, expected;
    };
    const Case cases[] = {
        {kQuarix, "Vantrel", "Vantrel Quarix Standard"},
        {kQuarix, "Other chain", "Other chain"},
        {kQuarix, "vantrel", "vantrel"},
        {"quarix risc engine", "Vantrel", "Vantrel"},
        {kNerak, "Vantrel", "Vantrel Nerak Standard"},
        {"NERAK", "Vantrel", "Vantrel"},
        {"NONE", "Vantrel", "Vantrel"},
    };
    for (const Case& c : cases) {
        model.details.strCPUFamily = c.family;
        model.details.strToolChain = c.toolChain;
        ASSERT_EQ(translate(), 0) << c.family;
        EXPECT_EQ(kor.projectDetails.strToolChain, c.expected) << c.family << " / " << c.toolChain;
        EXPECT_EQ(kor.projectDetails.strCpuFamily, c.family);
    }
}

TEST_F(ProjectTranslatorTest, ProjectDetailsFromThePaths) {
    model.details.strProjectName = "C:\\elsewhere\\Engine.v2.zat";
    ASSERT_EQ(translate(), 0);
    const KorProjectDetails& d = kor.projectDetails;
    EXPECT_EQ(d.strName, "Engine.v2");
    EXPECT_EQ(d.strDirectory, "D:\\proj");
    EXPECT_EQ(d.strFile, "D:\\proj\\motor.krp");
    EXPECT_EQ(d.strType, "Converted ZAT Project");
    EXPECT_EQ(kor.toolChain, (KorVariableRow{"Vantrel Quarix RISC engine Standard Toolchain", "5.1.0"}));
}

TEST_F(ProjectTranslatorTest, LowerCaseFamilyIsKnownToTheToolStepsOnly) {
    model.details.strCPUFamily = "quarix RISC engine";
    model.phase(kQxCompiler).phase(kLinkageEditor);
    // The option converters know only the exact family names, so the options step fails...
    EXPECT_EQ(translate(), 1);
    ASSERT_EQ(alerts.alerts.size(), 1u);
    EXPECT_EQ(alerts.alerts[0].text, "ERROR: Invalid option strings were detected in the project ");
    // ...after the build order was made with the names that follow the family ignoring case...
    EXPECT_EQ(names(kor.buildOrder),
              (std::vector<std::string>{"Vantrel QX C/C++ Compiler=1", "Vantrel QX IM OptLinker=1"}));
    EXPECT_EQ(kor.projectDetails.strToolChain, "Vantrel");
    // ...while the tables chosen by exact comparison know nothing of it.
    EXPECT_TRUE(kor.extensions.empty());
    EXPECT_TRUE(kor.fileGroups.empty());
}

// --- copied and emptied tables ---------------------------------------------------------------------

TEST_F(ProjectTranslatorTest, TablesCopiedAndEmptied) {
    model.databaseVersion = "1.7";
    model.information = "made by hand";
    model.tools.push_back({"Grep", 0, 1, "1", "t", "tag", "args", "dir", 0, "grep", 0});
    model.scrap.push_back({"a", "b"});
    model.events.push_back({"exe", "event", "1", "2", "3", "4", "5"});
    model.generalTools = {1, 0, 1, 1, "-f", "-l", "edit.exe", "Ed"};
    model.configurations = {{"Debug", "D:\\proj\\Debug"}, {"Release", "D:\\proj\\Release"}};
    model.currentConfiguration = "Release";
    kor.utilityPhases = {{"x", "y"}};
    kor.associatedApplications = {{"a", "b", "c", "d"}};
    kor.toolEnvironment = {{"a", "b", "c"}};
    kor.excludedFiles = {{"x"}};
    kor.scrap = {{"old", "scrap"}};

    ASSERT_EQ(translate(), 0);
    EXPECT_EQ(kor.databaseVersion, "1.7");
    EXPECT_EQ(kor.information, "made by hand");
    EXPECT_TRUE(kor.projectTools.empty());
    EXPECT_TRUE(kor.scrap.empty());
    EXPECT_EQ(kor.externalEvents,
              (std::vector<KorExternalEvent>{{"exe", "event", "1", "2", "3", "4", "5"}}));
    EXPECT_EQ(kor.generalTools, (KorGeneralTools{1, 0, 1, 1, "-f", "-l", "edit.exe", "Ed"}));
    EXPECT_EQ(kor.configurations, (std::vector<KorConfiguration>{{"Debug", "D:\\proj\\Debug"},
                                                                   {"Release", "D:\\proj\\Release"}}));
    EXPECT_EQ(kor.currentConfiguration, "Release");
    EXPECT_TRUE(kor.utilityPhases.empty());
    EXPECT_TRUE(kor.associatedApplications.empty());
    EXPECT_TRUE(kor.toolEnvironment.empty());
    EXPECT_TRUE(kor.excludedFiles.empty());
}

// --- project files ---------------------------------------------------------------------------------

TEST_F(ProjectTranslatorTest, ProjectTreeTestIgnoresCaseAndNeedsABackslash) {
    model.details.strDirectory = "d:\\old";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"D:\\Old\\src\\main.c", "D:\\proj\\src\\main.c"},
        {"D:\\Older\\x.c", "D:\\Older\\x.c"},
        {"D:\\Old\\x.c", "D:\\proj\\x.c"},
        {"D:\\OLD\\a\\b\\c.h", "D:\\proj\\a\\b\\c.h"},
        {"E:\\old\\x.c", "E:\\old\\x.c"},
        {"x.c", "x.c"},
        {"\\\\host\\old\\x.c", "\\\\host\\old\\x.c"},
    };
    std::int32_t id = 1;
    for (const auto& c : cases) model.files.push_back({c.first, id == 1 ? "System" : "", id++});
    ASSERT_EQ(translate(), 0);
    ASSERT_EQ(kor.projectFiles.size(), cases.size());
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(kor.projectFiles[i], (KorProjectFile{cases[i].second, "User", 0})) << cases[i].first;
        EXPECT_EQ(translator->KorFilePath(static_cast<std::int32_t>(i + 1)), cases[i].second);
    }
    EXPECT_EQ(translator->ProjectFileList()[0].tag, "System");
    EXPECT_EQ(translator->KorFilePath(99), "");
}

TEST_F(ProjectTranslatorTest, ProjectTreeTestStepsByWholeCharacters) {
    // The ZAT directory ends in a lead byte; in CP932 the file's directory continues that
    // character with 0x5C, which is then no backslash.
    model.details.strDirectory = "D:\\a\x95";
    model.files.push_back({"D:\\a\x95\x5c\\c.c", "", 1});
    model.files.push_back({"D:\\a\x95\\d.c", "", 2});

    setActiveCodePage(CodePage::Cp932);
    ASSERT_EQ(translate(), 0);
    EXPECT_EQ(kor.projectFiles[0].strName, "D:\\a\x95\x5c\\c.c");
    EXPECT_EQ(kor.projectFiles[1].strName, "D:\\a\x95\\d.c");

    setActiveCodePage(CodePage::SingleByte);
    ASSERT_EQ(translate(), 0);
    EXPECT_EQ(kor.projectFiles[0].strName, "D:\\proj\\\\c.c");
    EXPECT_EQ(kor.projectFiles[1].strName, "D:\\proj\\d.c");
}

// --- file groups and extensions --------------------------------------------------------------------

TEST_F(ProjectTranslatorTest, FileGroupsAddOnlyGroupsWithOwnExtensions) {
    // A group whose extensions are all defaults (in any case) is not carried over; the
    // preprocessed-source exception lets such a group through the extensions step.
    model.fileGroups = {{"C source file", "TEXT"}, {"Script", "TEXT"},
                        {"Images", "BIN"},         {"Preprocessed C Source file", "TEXT"},
                        {"Empty", "TEXT"},         {"Script", "BIN"}};
    model.extensions = {{"C source file", "C", 0},
                        {"Script", "SCR", 0},
                        {"Images", "bmp", 0},
                        {"Preprocessed C Source file", "c", 0},
                        {"Preprocessed C Source file", "Pp", 0}};
    ASSERT_EQ(translate(), 0);
    const auto& groups = kor.fileGroups;
    ASSERT_EQ(groups.size(), 22u + 2);
    EXPECT_EQ(groups[0], (KorFileGroup{"C source file", "TEXT", "EDITOR", ""}));
    EXPECT_EQ(groups[8], (KorFileGroup{"Object file", "BIN", "NONE", ""}));
    EXPECT_EQ(groups[22], (KorFileGroup{"Script", "TEXT", "EDITOR", ""}));
    EXPECT_EQ(groups[23], (KorFileGroup{"Images", "BIN", "NONE", ""}));
    // The text group gets default colouring under its own name, the binary one none.
    std::size_t script = 0, images = 0;
    for (const auto& row : kor.syntaxColouringFileGroups) {
        script += row.strFileGroup == "Script";
        images += row.strFileGroup == "Images";
    }
    EXPECT_EQ(script, 1u);
    EXPECT_EQ(images, 0u);
}

TEST_F(ProjectTranslatorTest, NerakGroupsListAssemblySourceOnce) {
    model.details.strCPUFamily = kNerak;
    ASSERT_EQ(translate(), 0);
    EXPECT_EQ(kor.fileGroups.size(), 23u);
    EXPECT_EQ(kor.extensions.size(), 24u);
    EXPECT_EQ(kor.extensions[10], (KorExtension{"Assembly source file", "MAR"}));
    EXPECT_EQ(kor.fileGroups.back().strName, "Optimized linkage list file");
}

TEST_F(ProjectTranslatorTest, ExtensionsWithoutZatRowsAreTheDefaults) {
    ASSERT_EQ(translate(), 0);
    ASSERT_EQ(kor.extensions.size(), 22u);
    EXPECT_EQ(kor.extensions[0], (KorExtension{"C source file", "C"}));
    EXPECT_EQ(kor.extensions[21], (KorExtension{"Library section list file", "SCT"}));
}

TEST_F(ProjectTranslatorTest, ExtensionRules) {
    struct Case {
        const char* label;
        std::vector<ZatExtension> extensions;
        bool ok;
        std::vector<KorExtension> added;  // rows after the 22 defaults
        std::string message;
    };
    const std::string tail =
        "\n\nPlease remove all references to this extension in the ZAT project and\t\nconvert "
        "the project again.";
    const Case cases[] = {
        {"new extension",
         {{"Script", "SCR", 0}, {"Script", "scr", 1}, {"Script", "JS", 0}},
         true,
         {{"Script", "SCR"}, {"Script", "JS"}},
         ""},
        {"same group, other case", {{"C source file", "c", 0}}, true, {}, ""},
        {"preprocessed C exception", {{"Preprocessed C Source file", "CPP", 0}}, true, {}, ""},
        {"preprocessed C++ exception", {{"Preprocessed C++ Source file", "c", 0}}, true, {}, ""},
        {"small s is no exception",
         {{"Preprocessed C source file", "cpp", 0}},
         false,
         {},
         "Error: The file extension \"cpp\" is defined twice for:\n\n\tC++ source file\n\tPreprocessed C "
         "source file" +
             tail},
        {"default extension in another group",
         {{"My sources", "CPP", 0}},
         false,
         {},
         "Error: The file extension \"CPP\" is defined twice for:\n\n\tC++ source file\n\tMy sources" + tail},
        {"two ZAT groups",
         {{"Script", "scr", 0}, {"Other", "SCR", 0}},
         false,
         {},
         "Error: The file extension \"SCR\" is defined twice for:\n\n\tScript\n\tOther" + tail},
    };
    for (const Case& c : cases) {
        model.extensions = c.extensions;
        alerts.alerts.clear();
        kor.extensions = {{"kept", "KEPT"}};
        int result = translate();
        if (c.ok) {
            ASSERT_EQ(result, 0) << c.label;
            ASSERT_EQ(kor.extensions.size(), 22u + c.added.size()) << c.label;
            for (std::size_t i = 0; i < c.added.size(); ++i)
                EXPECT_EQ(kor.extensions[22 + i], c.added[i]) << c.label;
            EXPECT_TRUE(alerts.alerts.empty()) << c.label;
        } else {
            EXPECT_EQ(result, 1) << c.label;
            EXPECT_EQ(kor.extensions, (std::vector<KorExtension>{{"kept", "KEPT"}})) << c.label;
            ASSERT_EQ(alerts.alerts.size(), 1u) << c.label;
            EXPECT_EQ(alerts.alerts[0].text, c.message) << c.label;
            EXPECT_EQ(alerts.alerts[0].title, " ZAT To KOR Project Converter  (v1.0)");
            EXPECT_TRUE(translator->ProjectFileList().empty()) << c.label;
        }
    }
}

TEST_F(ProjectTranslatorTest, DuplicateExtensionStopsBeforeTheBuildSteps) {
    model.phase(kQxCompiler);
    model.extensions = {{"My sources", "cpp", 0}};
    kor.buildOrder = {{"kept", 1}};
    EXPECT_EQ(translate(), 1);
    EXPECT_EQ(names(kor.buildOrder), (std::vector<std::string>{"kept=1"}));
}

// --- build order and phases ------------------------------------------------------------------------

TEST_F(ProjectTranslatorTest, LinkToolsMergeIntoOneLinkerAtTheFirstPlace) {
    model.phase(kQxCompiler, 1)
        .phase(kLinkageEditor, 1)
        .phase("Lint", 0)
        .phase(kQxOptLinker, 0)
        .phase(kStype, 1);
    model.phase(kNerakOptimizer, 1);
    model.customPhases.push_back({"lint", "lint.exe", "D:\\proj", 1, "C source file", 1});
    ASSERT_EQ(translate(), 0);
    EXPECT_EQ(names(kor.buildOrder),
              (std::vector<std::string>{"Vantrel QX C/C++ Compiler=1", "Vantrel QX IM OptLinker=1", "Lint=0",
                                        "Vantrel V Series Stype Converter=1"}));
    EXPECT_EQ(names(kor.buildPhases),
              (std::vector<std::string>{"Vantrel QX C/C++ Compiler=0", "Vantrel QX IM OptLinker=1", "Lint=0",
                                        "Vantrel V Series Stype Converter=0"}));
}

TEST_F(ProjectTranslatorTest, LinkerEnabledWhenAnyLinkToolIs) {
    struct Case {
        std::int32_t editor, optimizer;
        std::int32_t expected;
    };
    for (const Case& c : {Case{0, 0, 0}, Case{0, 1, 1}, Case{1, 0, 1}, Case{0, 7, 1}}) {
        model = ZatModel{};
        model.details.strCPUFamily = kNerak;
        model.phase(kLinkageEditor, c.editor).phase(kNerakCompiler, 1).phase(kNerakOptimizer, c.optimizer);
        ASSERT_EQ(translate(), 0);
        EXPECT_EQ(names(kor.buildOrder),
                  (std::vector<std::string>{std::string(kNerakLinker) + "=" + std::to_string(c.expected),
                                            "Vantrel Nerak C/C++ Compiler=1"}));
    }
}

TEST_F(ProjectTranslatorTest, PhasesFollowTheBuildOrder) {
    // A phase outside the build order is not carried over; one that occurs twice in BUILD_PHASES
    // gives two rows.
    model.phase(kQxAssembler, 1, 1);
    model.buildPhases.push_back({kNerakOptimizer, 0, 0, 0, "", 0, 0, 0});
    model.buildPhases.push_back({kQxAssembler, 0, 0, 0, "", 0, 0, 0});
    model.details.strCPUFamily = kNerak;
    ASSERT_EQ(translate(), 0);
    EXPECT_EQ(names(kor.buildPhases),
              (std::vector<std::string>{"Vantrel QX Assembler=1", "Vantrel QX Assembler=0"}));
}

TEST_F(ProjectTranslatorTest, CustomPhasesEnvironmentAndBuildFileOrder) {
    model.phase(kQxCompiler).phase("Lint").phase(kLinkageEditor).phase(kQxOptLinker);
    model.customPhases = {{"Lint", "lint.exe", "D:\\proj", 1, "C source file", 1},
                          {"Pack", "pack.exe", "", 0, "", 0}};
    model.environment = {{"Lint", {{"LINTDIR", "D:\\lint"}, {"MODE", "strict"}}}, {"Pack", {{"A", "B"}}}};
    model.fileGroups = {{"C source file", "TEXT"}, {"Assembly source file", "TEXT"}};
    model.buildFileOrder = {{"C source file",
                             {{kQxCompiler, 1},
                              {"Lint", 0},
                              {kLinkageEditor, 1},
                              {kQxOptLinker, 1},
                              {"Pack", 1},
                              {kQxAssembler, 1}}},
                            {"Assembly source file", {}}};
    ASSERT_EQ(translate(), 0);

    EXPECT_EQ(kor.customPhases,
              (std::vector<KorCustomPhase>{{"Lint", "lint.exe", "D:\\proj", 1, "C source file", 0}}));
    ASSERT_EQ(kor.environment.size(), 1u);
    EXPECT_EQ(*kor.environment.find("Lint"),
              (std::vector<KorVariableRow>{{"LINTDIR", "D:\\lint"}, {"MODE", "strict"}}));

    // No merging here: the linkage editor vanishes, the optimizing linker keeps its name.
    const auto* order = kor.buildFileOrder.find("C source file");
    ASSERT_NE(order, nullptr);
    EXPECT_EQ(names(*order), (std::vector<std::string>{"Vantrel QX C/C++ Compiler=1", "Lint=0",
                                                       "Vantrel QX IM OptLinker=1"}));
    const auto* empty = kor.buildFileOrder.find("Assembly source file");
    ASSERT_NE(empty, nullptr);
    EXPECT_TRUE(empty->empty());
}

// --- dependencies and output files -----------------------------------------------------------------

TEST_F(ProjectTranslatorTest, DependenciesAndOutputFiles) {
    model.phase(kQxCompiler).phase("Lint");
    model.buildPhases.push_back({"Outside", 0, 0, 0, "", 0, 0, 0});
    model.customPhases = {{"LINT", "lint.exe", "", 0, "", 0}};
    model.files = {{"D:\\proj\\main.c", "", 4}};
    model.dependencies[{"Debug", kQxCompiler}] = {{4, "$(FILE).lst"}, {9, "x$(FILE)y$(FILE)"}};
    model.dependencies[{"Debug", "Outside"}] = {{4, "dropped"}};
    model.outputFiles[{"Debug", "Lint"}] = {{4, "$(FILE).lnt", 1}, {0, "all.lnt", 0}};
    ASSERT_EQ(translate(), 0);

    const auto* deps = kor.dependencies.find("Debug");
    ASSERT_NE(deps, nullptr);
    EXPECT_EQ(deps->size(), 2u);  // the compiler and Lint; "Outside" is not in the build order
    EXPECT_EQ(*deps->find(kQxCompiler),
              (std::vector<KorDependencyRow>{{"D:\\proj\\main.c", "$(FILELEAF).lst", "UnknownCustom"},
                                             {"", "x$(FILELEAF)y$(FILELEAF)", "UnknownCustom"}}));
    EXPECT_TRUE(deps->find("Lint")->empty());
    const auto* outputs = kor.outputFiles.find("Debug");
    ASSERT_NE(outputs, nullptr);
    EXPECT_EQ(*outputs->find("Lint"),
              (std::vector<KorOutputFileRow>{{"D:\\proj\\main.c", "$(FILELEAF).lnt", "UnknownCustom", 1},
                                             {"", "all.lnt", "UnknownCustom", 0}}));
}

// --- tool options ----------------------------------------------------------------------------------

TEST_F(ProjectTranslatorTest, CompilerRowsWithDefaultSourceTypeAndExtraRows) {
    model.phase(kQxCompiler);
    model.files = {{"D:\\proj\\main.c", "", 3}};
    model.optionRows(kQxCompiler, {{0, "-cpu=qx2\t-deb", 0}, {3, "", 0}, {3, "-i=D:\\PROJ\\inc", 1}});
    ASSERT_EQ(translate(), 0);
    const auto* rows = options("Debug", "Vantrel QX C/C++ Compiler");
    ASSERT_NE(rows, nullptr);
    ASSERT_EQ(rows->size(), 5u);
    const std::string cpu = converted(kQxCompiler, "-cpu=qx2\t-deb", true);
    EXPECT_EQ((*rows)[0], (KorOptionRow{"C source file", converted(kQxCompiler, "-cpu=qx2\t-deb"), "", 0}));
    EXPECT_EQ((*rows)[1], (KorOptionRow{"D:\\proj\\main.c", cpu, "", 0}));
    EXPECT_EQ((*rows)[2],
              (KorOptionRow{"D:\\proj\\main.c", converted(kQxCompiler, "-i=D:\\PROJ\\inc"), "", 0}));
    EXPECT_NE((*rows)[2].strOption.find("$(PROJDIR)"), std::string::npos) << (*rows)[2].strOption;
    EXPECT_EQ((*rows)[3], (KorOptionRow{"C source file", cpu, "", 0}));
    EXPECT_EQ((*rows)[4], (KorOptionRow{"C++ source file", cpu, "", 0}));
    EXPECT_TRUE(cpu.starts_with("[V|VERSION|1] ")) << cpu;
}

TEST_F(ProjectTranslatorTest, AssemblerExtraRowsAndDefaultsWithoutRows) {
    model.phase(kQxAssembler);
    ASSERT_EQ(translate(), 0);
    const std::string cpu = converted(kQxAssembler, "-default", true);
    EXPECT_EQ(*options("Debug", kQxAssembler),
              (std::vector<KorOptionRow>{{"Assembly source file", cpu, "", 0},
                                         {"Linkage symbol file", cpu, "", 0}}));
}

TEST_F(ProjectTranslatorTest, ToolsWithoutCpuDefaultsGiveEmptyOptionsForEmptyRows) {
    model.phase(kLibrarian);
    model.optionRows(kLibrarian, {{0, "", 0}});
    ASSERT_EQ(translate(), 0);
    EXPECT_EQ(*options("Debug", kLibrarian), (std::vector<KorOptionRow>{{"", "", "", 0}}));
}

TEST_F(ProjectTranslatorTest, UnknownToolInTheBuildOrderFailsTheTranslation) {
    model.phase(kQxCompiler).phase("Vantrel QX C/C++ Compiler").phase(kStype);
    model.optionRows(kQxCompiler, {{0, "-deb", 0}});
    kor.options.set("kept", {});
    kor.mappings = {{"a", "b", "c"}};
    EXPECT_EQ(translate(), 1);
    ASSERT_EQ(alerts.alerts.size(), 1u);
    EXPECT_EQ(alerts.alerts[0].text, "ERROR: Invalid option strings were detected in the project ");
    EXPECT_EQ(alerts.alerts[0].title, " ZAT To KOR Project Converter  (v1.0)");
    // Nothing of the options step reached the KOR project, and no later step ran.
    ASSERT_EQ(kor.options.size(), 1u);
    EXPECT_NE(kor.options.find("kept"), nullptr);
    EXPECT_EQ(kor.mappings.size(), 1u);
    EXPECT_TRUE(translator->ProjectFileList().empty());
    // The build order was made before: the tool that maps to nothing is not in it.
    EXPECT_EQ(names(kor.buildOrder), (std::vector<std::string>{"Vantrel QX C/C++ Compiler=1",
                                                                 "Vantrel V Series Stype Converter=1"}));
}

TEST_F(ProjectTranslatorTest, UnknownToolsOutsideTheBuildOrderOrAsCustomPhasesAreFine) {
    model.phase(kQxCompiler).phase("lint");
    model.buildPhases.push_back({"Not ordered", 0, 0, 0, "", 0, 0, 0});
    model.customPhases = {{"Lint", "lint.exe", "", 0, "", 0}};
    model.files = {{"D:\\proj\\main.c", "", 1}};
    model.optionRows("Not ordered", {{0, "-x", 0}});
    model.optionRows("lint", {{1, "-o=$(FILE).lnt", 0}, {0, "", 0}});
    ASSERT_EQ(translate(), 0);
    EXPECT_EQ(options("Debug", "Not ordered"), nullptr);
    EXPECT_EQ(
        *options("Debug", "lint"),
        (std::vector<KorOptionRow>{{"D:\\proj\\main.c", "-o=$(FILELEAF).lnt", "", 0}, {"", "", "", 0}}));
}

TEST_F(ProjectTranslatorTest, NerakLinkToolsGiveAnEmptyKeyAndOneLinkerRow) {
    model.details.strCPUFamily = kNerak;
    model.configurations = {{"Debug", "D:\\proj\\Debug"}, {"Release", "D:\\proj\\Release"}};
    model.phase(kNerakCompiler).phase(kNerakOptimizer, 1).phase(kLinkageEditor, 0);
    model.options[{"Debug", kNerakOptimizer}] = {{0, "-first", 0}, {0, "-second", 0}};
    model.options[{"Debug", kLinkageEditor}] = {{0, "-editor", 0}};
    model.options[{"Release", kLinkageEditor}] = {{0, "-editor", 0}};
    ASSERT_EQ(translate(), 0);

    for (const char* configuration : {"Debug", "Release"}) {
        const auto* phases = kor.options.find(configuration);
        ASSERT_NE(phases, nullptr);
        std::vector<std::string> keys;
        for (const auto& [key, rows] : *phases) keys.push_back(key);
        EXPECT_EQ(keys, (std::vector<std::string>{"Vantrel Nerak C/C++ Compiler", "", kNerakLinker}));
        EXPECT_TRUE(phases->find("")->empty());
    }
    // The later option row of the optimizer wins; the editor is disabled, the optimizer enabled.
    EXPECT_EQ(*options("Debug", kNerakLinker),
              (std::vector<KorOptionRow>{{"", converted(kNerakOptimizer, "-second"), "", 0}}));
    // In Release the optimizer has no rows: its empty slot is chosen.
    EXPECT_EQ(*options("Release", kNerakLinker), (std::vector<KorOptionRow>{{"", "", "", 0}}));
}

TEST_F(ProjectTranslatorTest, DefaultMarkerIsConvertedForTheChosenLinker) {
    model.phase(kQxCompiler).phase(kLinkageEditor, 0).phase(kQxOptLinker, 0);
    model.optionRows(kQxOptLinker, {{0, "-ignored", 0}});
    ASSERT_EQ(translate(), 0);
    // Both present and disabled: the optimizing linker with its defaults, under the KOR linker name.
    EXPECT_EQ(*options("Debug", kQxOptLinker),
              (std::vector<KorOptionRow>{{"", converted(kQxOptLinker, "-default"), "", 0}}));
}

TEST_F(ProjectTranslatorTest, NoLinkerRowWithoutLinkTools) {
    model.phase(kQxCompiler);
    ASSERT_EQ(translate(), 0);
    EXPECT_EQ(options("Debug", kQxOptLinker), nullptr);
}

TEST_F(ProjectTranslatorTest, ChooseLinkerCases) {
    struct Case {
        const char* family;
        int editor;  // -1 absent, else the enabled flag
        int linker;  // the optimizing linker (Quarix) or the optimizer (Nerak)
        std::string options;
        std::string tool;
    };
    const Case cases[] = {
        {kQuarix, -1, -1, "-default", kQxOptLinker},
        {kQuarix, -1, 0, "L", kQxOptLinker},
        {kQuarix, -1, 1, "L", kQxOptLinker},
        {kQuarix, 1, -1, "E", kLinkageEditor},
        {kQuarix, 0, -1, "E", kLinkageEditor},
        {kQuarix, 0, 1, "L", kQxOptLinker},
        {kQuarix, 0, 0, "-default", kQxOptLinker},
        {kQuarix, 1, 1, "L", kQxOptLinker},
        {kQuarix, 1, 0, "E", kLinkageEditor},
        {kQuarix, 2, 0, "E", kLinkageEditor},
        {kNerak, -1, -1, "-default", kNerakOptimizer},
        {kNerak, -1, 0, "O", kNerakOptimizer},
        {kNerak, 1, -1, "E", kLinkageEditor},
        {kNerak, 0, 0, "-default", kNerakOptimizer},
        {kNerak, 1, 1, "O", kNerakOptimizer},
        {kNerak, 1, 0, "E", kLinkageEditor},
        {"NONE", 1, 1, "-default", ""},
    };
    for (const Case& c : cases) {
        model = ZatModel{};
        model.details.strCPUFamily = c.family;
        bool quarix = std::string_view(c.family) == kQuarix;
        if (c.editor >= 0) model.phase(kLinkageEditor, c.editor);
        if (c.linker >= 0) model.phase(quarix ? kQxOptLinker : kNerakOptimizer, c.linker);
        // The other family's linker does not count.
        model.phase(quarix ? kNerakOptimizer : kQxOptLinker, 1);
        ASSERT_EQ(translate(), 0);
        std::string tool = "unset";
        EXPECT_EQ(translator->ChooseLinker("E", "L", "O", tool), c.options)
            << c.family << " editor " << c.editor << " linker " << c.linker;
        EXPECT_EQ(tool, c.tool) << c.family << " editor " << c.editor << " linker " << c.linker;
    }
}

// --- default tables and the working tables ---------------------------------------------------------

TEST_F(ProjectTranslatorTest, DefaultTablesFollowTheBuildOrder) {
    model.phase(kQxCompiler, 0).phase(kLinkageEditor, 0);
    ASSERT_EQ(translate(), 0);
    EXPECT_EQ(kor.toolchainPhases,
              (std::vector<KorTextRow>{{"Vantrel QX C/C++ Compiler"}, {"Vantrel QX IM OptLinker"}}));
    EXPECT_EQ(
        kor.mappings,
        (std::vector<KorTripleRow>{{"Object file", "Vantrel QX IM OptLinker", "Vantrel QX C/C++ Compiler"}}));
}

TEST_F(ProjectTranslatorTest, OtherFamilyGetsNoDefaults) {
    model.details.strCPUFamily = "NONE";
    model.fileGroups = {{"Script", "TEXT"}};
    model.extensions = {{"Script", "scr", 0}};
    ASSERT_EQ(translate(), 0);
    EXPECT_EQ(kor.toolChain, (KorVariableRow{"", "0"}));
    EXPECT_EQ(kor.fileGroups, (std::vector<KorFileGroup>{{"Script", "TEXT", "EDITOR", ""}}));
    EXPECT_EQ(kor.extensions, (std::vector<KorExtension>{{"Script", "scr"}}));
    EXPECT_TRUE(kor.syntaxColouringAttributes.empty());
    EXPECT_TRUE(kor.syntaxColouringCategories.empty());
    EXPECT_TRUE(kor.syntaxColouringFileGroups.empty());
}

TEST_F(ProjectTranslatorTest, NothingOfAnEarlierProjectReachesTheNext) {
    model.files = {{"D:\\proj\\a.c", "", 5}};
    model.phase(kQxCompiler);
    ASSERT_EQ(translate(), 0);
    ASSERT_EQ(translator->ProjectFileList().size(), 1u);

    // The same translator, a second project without files: file number 5 is unknown there.
    ZatModel second;
    second.phase(kQxCompiler);
    second.dependencies[{"Debug", kQxCompiler}] = {{5, "x.h"}};
    ASSERT_TRUE(test::loadZat(second, "D:\\proj\\second.zat", zat));
    translator->clearWorkingTables();
    EXPECT_TRUE(translator->ProjectFileList().empty());
    ASSERT_EQ(translator->Translate(), 0);
    EXPECT_TRUE(kor.projectFiles.empty());
    EXPECT_EQ(kor.dependencies.find("Debug")->find(kQxCompiler)->front().strfileParent, "");
}

}  // namespace
}  // namespace z2k
