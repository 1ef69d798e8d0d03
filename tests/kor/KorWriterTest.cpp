// The KOR writers: the progress messages in file order, the composed tables, and the writes that
// fail without touching the earlier file. (The golden conversions check whole files.)
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "kor/KorProjectWriter.h"
#include "kor/KorWorkspaceWriter.h"
#include "platform/CodePage.h"
#include "support/TestSupport.h"

namespace z2k::test {
namespace {

class KorWriterTest : public testing::Test {
  protected:
    WriteStatus write(const KorProject& project, const std::string& path) {
        return writeKorProject(project, path, {folder.settings(), LockPolicy{}, &display, nullptr});
    }
    TempFolder folder{'D'};
    RecordingTextDisplay display;
};

TEST_F(KorWriterTest, MessagesInFileOrderAndEmptyComposedTablesLast) {
    KorProject project;
    project.environment.set("Stamp", {});
    project.options.set("Debug", {}).set("Cc", {{"a.c", "-O", "", 1}});
    project.projectTools = {{"n", 1, 0, "v", "t", "g", "a", "d", 2, "c", 1}};
    ASSERT_TRUE(write(project, folder.onHost("D:\\p.krp")).ok());
    std::vector<std::string> expected = {"replace:Creating KOR tables..."};
    std::istringstream names(
        "DATABASE_VERSION PROJEC_DETAILS TOOL_CHAIN TOOLCHAIN_PHASE UTILITY_PHASE ASSOCIATED_APPLICATIONS "
        "TOOL_ENVIRONMENT EXCLUDED_FILES INFOFMATION PROJECT_TOOLS SCRAP EXTERNAL_EVENTS GENERAL_TOOLS "
        "FILE_GROUPS EXTENSIONS PROJECT_FILES CONFIGURATIONS CURRENT_CONFIGURATION BUILD_PHASES BUILD_ORDER "
        "CUSTOM_PHASES MAPPINGS SYNTAX_COLOURING_ATTRIBUTES SYNTAX_COLOURING_CATAGORIES "
        "SYNTAX_COLOURING_FILE_GROUP ENVIRONMENT_Stamp OPTIONS_Debug_Cc");
    for (std::string name; names >> name;) expected.push_back("replace:Writing recordset [" + name + "]");
    EXPECT_EQ(display.events, expected);
    const std::string text = folder.read("p.krp");
    EXPECT_NE(text.find("[PROJECT_TOOLS]\r\n\"n\" 1 0 \"v\" \"t\" \"g\" \"a\" \"d\" 2 \"c\" 1 \r\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.find("[SYNTAX_COLOURING_FILE_GROUP]")),
              "[SYNTAX_COLOURING_FILE_GROUP]\r\n[OPTIONS_Debug_Cc]\r\n\"a.c\" \"-O\" \"\" 1 \r\n"
              "[ENVIRONMENT_Stamp]\r\n[END]\r\n");
}

TEST_F(KorWriterTest, FailedWritesNameTheReasonAndKeepTheEarlierFile) {
    KorProject longName;
    longName.environment.set(std::string(70, 'x'), {{"A", "B"}});
    KorProject clash;  // two entries that compose one name
    clash.options.set("A_B", {}).set("C", {});
    clash.options.set("A", {}).set("B_C", {});
    const std::tuple<const KorProject&, const char*, std::string> cases[] = {
        {clash, "", ": no KOR project file was named"},
        {longName, "D:\\old.krp",
         "D:\\old.krp: [ENVIRONMENT_" + std::string(70, 'x') + "] cannot be the name of a recordset"},
        {clash, "D:\\old.krp", "D:\\old.krp: the recordset [OPTIONS_A_B_C] is there already"},
        {clash, "D:\\gone\\old.krp", "D:\\gone\\old.krp: No such file or directory"},
    };
    for (const auto& [project, path, failure] : cases) {
        folder.write("old.krp", "earlier project");
        EXPECT_EQ(write(project, folder.onHost(path)).failure.text(), folder.onHost(failure));
        EXPECT_EQ(folder.read("old.krp"), "earlier project");
    }
    EXPECT_EQ(writeKorWorkspace({}, "", {}).failure.text(), ": no KOR workspace file was named");
}

TEST(KorWorkspaceFile, FormedFromParentAndTitle) {
    EXPECT_EQ(korWorkspaceFile("D:\\ws", CodePage::SingleByte), "D:\\ws.krs");
    EXPECT_EQ(korWorkspaceFile("\\\\h\\s\\w.old.krs", CodePage::SingleByte), "\\\\h\\s\\w.old.krs");
}

}  // namespace
}  // namespace z2k::test
