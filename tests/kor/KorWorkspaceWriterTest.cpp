#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "kor/KorWorkspace.h"
#include "platform/CodePage.h"
#include "support/TestSupport.h"

namespace z2k::test {
namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) end = text.size();
        out.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return out;
}

class KorWorkspaceWriterTest : public ::testing::Test {
  protected:
    void SetUp() override { setActiveCodePage(CodePage::SingleByte); }
    TempFolder folder{'D'};
};

TEST(KorWorkspaceFilePath, FormedFromParentAndTitle) {
    setActiveCodePage(CodePage::SingleByte);
    struct Case {
        const char* path;
        const char* file;
    };
    const Case cases[] = {
        {R"(D:\w\ws)", R"(D:\w\ws.krs)"},
        {R"(D:\w\ws.krs)", R"(D:\w\ws.krs)"},
        {R"(D:\w\ws.old.krs)", R"(D:\w\ws.old.krs)"},
        {R"(D:\ws)", R"(D:\ws.krs)"},
        {R"(\\host\share\ws)", R"(\\host\share\ws.krs)"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(KorWorkspace(c.path).filePath(), c.file) << c.path;
}

TEST_F(KorWorkspaceWriterTest, WritesTheThirteenRecordsetsInWritingOrder) {
    KorWorkspace workspace(R"(D:\w\all)");
    workspace.setDatabaseVersion("1.0");
    workspace.setInformation("");
    workspace.setDetails({"all", R"(D:\w)", R"(D:\w\all.krs)", "Nerak", "Vantrel Nerak Standard"});
    workspace.setProperties({{"GenerateLogFile", "OFF"}, {"Log File", ""}});
    workspace.setProjects({{"a", R"(D:\w\a)", R"(D:\w\a\a.krp)"}, {"b", R"(D:\w)", R"(D:\w\b.krp)"}});
    workspace.setLastProject(R"(D:\w\a\a.krp)");
    OrderedMap<std::vector<KorVariableRow>> environment;
    environment.set("K1", {});
    environment.set("K2", {{"V", "1"}});
    workspace.setVcsEnvironment(environment);
    OrderedMap<std::vector<KorVariableRow>> mapping;
    mapping.set("M", {{"from", "to"}});
    workspace.setVcsDirectoryMapping(mapping);
    std::filesystem::create_directories(folder.path() / "w");
    ASSERT_EQ(workspace.write(), 0);

    const std::vector<std::string> expected = {
        "[ZATDBVersion]",
        "2.0",
        "[DATABASE_VERSION]",
        R"("1.0" )",
        "[WORKSPACE_DETAILS]",
        R"("all" "D:\w" "D:\w\all.krs" "Nerak" "Vantrel Nerak Standard" )",
        "[PROJECTS]",
        R"("a" "D:\w\a" "D:\w\a\a.krp" )",
        R"("b" "D:\w" "D:\w\b.krp" )",
        "[LAST_PROJECT]",
        R"("D:\w\a\a.krp" )",
        "[INFORMATION]",
        R"("" )",
        "[SCRAP]",
        "[PROJECT_DEPENDENCY]",
        "[WORKSPACE_PROPERTIES]",
        R"("GenerateLogFile" "OFF" )",
        R"("Log File" "" )",
        "[OPEN_DOCUMENTS]",
        "[HELP_FILES]",
        "[RECENT_FILES]",
        "[VCS]",
        R"("" "" "" 0 )",
        "[VCS_PROJECT]",
        "[VCS_ENVIRONMENT_K2]",
        R"("V" "1" )",
        "[VCS_DIRECTORY_MAPPING_M]",
        R"("from" "to" )",
        "[VCS_ENVIRONMENT_K1]",
        "[END]",
    };
    EXPECT_EQ(lines(folder.read("w/all.krs")), expected);
    // The model is kept after a write.
    EXPECT_EQ(workspace.projects().size(), 2u);
}

TEST_F(KorWorkspaceWriterTest, WritesTheSameBytesTwiceAndClearRestoresTheStart) {
    KorWorkspace workspace(R"(D:\ws.krs)");
    workspace.setHelpFiles({{"help.chm"}});
    workspace.setVcs({"tool", "1", "cfg", 1});
    ASSERT_EQ(workspace.write(), 0);
    const std::string first = folder.read("ws.krs");
    ASSERT_EQ(workspace.write(), 0);
    EXPECT_EQ(folder.read("ws.krs"), first);
    EXPECT_NE(first.find("[HELP_FILES]\r\n\"help.chm\" \r\n"), std::string::npos);

    workspace.clear();
    EXPECT_EQ(workspace.vcs(), KorVcs{});
    EXPECT_TRUE(workspace.helpFiles().empty());
    EXPECT_EQ(workspace.path(), R"(D:\ws.krs)");
}

TEST_F(KorWorkspaceWriterTest, FailedWritesReturnOne) {
    EXPECT_EQ(KorWorkspace("").write(), 1);
    EXPECT_EQ(KorWorkspace(R"(D:\no\such\folder\ws)").write(), 1);
    KorWorkspace tooLong(R"(D:\ws)");
    OrderedMap<std::vector<KorVariableRow>> environment;
    environment.set(std::string(80, 'k'), {});
    tooLong.setVcsEnvironment(environment);
    EXPECT_EQ(tooLong.write(), 1);
}

}  // namespace
}  // namespace z2k::test
