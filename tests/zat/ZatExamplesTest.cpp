#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/CodePage.h"
#include "support/TestSupport.h"
#include "zat/ZatProject.h"

namespace z2k::test {
namespace {

const char* const kQxCompiler = "Vantrel QX C Compiler";
const char* const kQxOptLinker = "Vantrel QX IM OptLinker";

// The bundled examples, copied to a folder mapped as D: (they hold D:\ paths).
class ZatExamplesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setActiveCodePage(CodePage::SingleByte);
        std::filesystem::copy(Z2K_EXAMPLES_DIR, folder.path(), std::filesystem::copy_options::recursive);
    }
    int read(const std::string& path) {
        project.setPath(path);
        project.setMessageSink(&display, 1);
        project.setAlerts(&alerts);
        return project.read();
    }

    TempFolder folder{'D'};
    ZatProject project;
    RecordingTextDisplay display;
    RecordingAlerts alerts;
};

TEST_F(ZatExamplesTest, ExampleFilesAreVersionOneWithContinuationLines) {
    const std::string text = readBytes(folder.path() / "quarix" / "motor.zat");
    EXPECT_EQ(text.rfind("[ZATDBVersion]\r\n1.0\r\n", 0), 0u);
    EXPECT_NE(text.find("~\r\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 7), "[END]\r\n");
    for (std::size_t pos = 0; (pos = text.find('\n', pos + 1)) != std::string::npos;)
        ASSERT_EQ(text[pos - 1], '\r') << "bare line feed at byte " << pos;
}

TEST_F(ZatExamplesTest, QuarixMotorProject) {
    ASSERT_EQ(read(R"(D:\quarix\motor.zat)"), 0);
    EXPECT_TRUE(alerts.alerts.empty());
    EXPECT_EQ(project.projectDetails().strCPUFamily, "Quarix RISC engine");
    EXPECT_EQ(project.projectDetails().strDirectory, R"(D:\quarix)");
    EXPECT_EQ(project.projectDetails().strToolChain, "Vantrel");

    std::vector<std::string> order;
    for (const ZatBuildOrderRow& row : project.buildOrder()) order.push_back(row.strName);
    EXPECT_EQ(order,
              (std::vector<std::string>{"Version Stamp", kQxCompiler, "Vantrel QX Assembler", kQxOptLinker,
                                        "Vantrel V Series Librarian", "Vantrel V Series Stype Converter"}));

    // Files inside and one outside the project directory.
    ASSERT_EQ(project.projectFiles().size(), 7u);
    int outside = 0;
    for (const ZatProjectFile& file : project.projectFiles())
        outside += file.strName.rfind(R"(D:\quarix\)", 0) != 0;
    EXPECT_EQ(outside, 1);

    // Two configurations with their own directories and their own option strings.
    ASSERT_EQ(project.configurations().size(), 2u);
    EXPECT_EQ(project.configurations()[1].strDirectory, R"(D:\quarix\Release)");
    const auto* debugCompiler = project.options("Debug", kQxCompiler);
    const auto* releaseCompiler = project.options("Release", kQxCompiler);
    ASSERT_NE(debugCompiler, nullptr);
    ASSERT_NE(releaseCompiler, nullptr);
    ASSERT_EQ(debugCompiler->size(), 3u);
    EXPECT_EQ((*debugCompiler)[0].nID, 0);  // the whole tool
    EXPECT_EQ((*debugCompiler)[1].nID, 2);  // one file
    EXPECT_NE((*debugCompiler)[0].strOption.find("\t-deb\t"), std::string::npos);
    EXPECT_NE((*debugCompiler)[0].strOption.find(R"(-i="D:\quarix\include","D:\common\crc")"),
              std::string::npos);
    EXPECT_NE((*releaseCompiler)[0].strOption.find("-def=NDEBUG"), std::string::npos);
    EXPECT_EQ((*debugCompiler)[2].bForceBuild, 1);
    EXPECT_NE(project.options("Release", kQxOptLinker)->at(0).strOption.find("\t-optimize\t"),
              std::string::npos);
    EXPECT_EQ(project.options("Debug", "Vantrel V Series Librarian")->at(0).strOption.rfind("create \"", 0),
              0u);

    // System phases (link tools) have options only.
    EXPECT_EQ(project.tablesFor("Debug")->options.size(), 6u);
    EXPECT_EQ(project.tablesFor("Debug")->dependencies.size(), 3u);
    EXPECT_EQ(project.dependencies("Debug", kQxOptLinker), nullptr);
    EXPECT_EQ(project.outputFiles("Release", kQxCompiler)->at(0).strName, R"(D:\quarix\Release\$(FILE).obj)");

    // The custom phase with its environment and the user file group.
    ASSERT_EQ(project.customPhases().size(), 1u);
    EXPECT_EQ(project.customPhases()[0].strGroup, "Script");
    ASSERT_NE(project.environmentFor("Version Stamp"), nullptr);
    EXPECT_EQ(project.environmentFor("Version Stamp")->size(), 2u);
    EXPECT_EQ(project.extensions().back(), (ZatExtension{"Script", "SCR", 0}));
    EXPECT_EQ(project.buildFileOrder().size(), 3u);
    EXPECT_EQ(project.buildFileOrderFor("Object file"), nullptr);
}

TEST_F(ZatExamplesTest, NerakSensorProject) {
    ASSERT_EQ(read(R"(D:\nerak\sensor.zat)"), 0);
    EXPECT_EQ(project.projectDetails().strCPUFamily, "Nerak");
    ASSERT_EQ(project.buildOrder().size(), 4u);
    EXPECT_EQ(project.buildOrder()[2], (ZatBuildOrderRow{"Vantrel Nerak IM Optimizer", 1}));
    EXPECT_EQ(project.buildOrder()[3], (ZatBuildOrderRow{"Vantrel V Series Linkage Editor", 0}));
    EXPECT_EQ(project.currentConfiguration(), "Flash");
    EXPECT_NE(project.tablesFor("Flash"), nullptr);
    EXPECT_EQ(project.options("Flash", "Vantrel Nerak C Compiler")->size(), 2u);
    EXPECT_TRUE(project.customPhases().empty());
    EXPECT_TRUE(project.environment().empty());
}

TEST_F(ZatExamplesTest, TreeProjectsOfBothFamilies) {
    struct Case {
        const char* path;
        const char* family;
    };
    const Case cases[] = {
        {R"(D:\tree\blinker.zat)", "Quarix RISC engine"},
        {R"(D:\tree\drives\axis.zat)", "Quarix RISC engine"},
        {R"(D:\tree\drives\legacy\SPINDLE.ZAT)", "Quarix RISC engine"},
        {R"(D:\tree\sensors\probe.zat)", "Nerak"},
        {R"(D:\tree\sensors\field\remote\logger.zat)", "Nerak"},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(read(c.path), 0) << c.path;
        EXPECT_EQ(project.projectDetails().strCPUFamily, c.family) << c.path;
        EXPECT_EQ(project.projectDetails().strProjectName, c.path);
        EXPECT_EQ(project.configurations().size(), 1u);
    }
}

}  // namespace
}  // namespace z2k::test
