#include "conversion/FieldChecks.h"

#include <gtest/gtest.h>

#include "platform/CodePage.h"
#include "platform/HostPaths.h"
#include "support/TestSupport.h"

namespace z2k {
namespace {

constexpr const char* kIncomplete = "Entry fields are incomplete.";
constexpr const char* kNoProject = "The specified ZAT project cannot be found.";
constexpr const char* kNoDirectory = "The specified Workspace directory does not exist.";
constexpr const char* kBadName = "The KOR workspace name is not a valid file name.";

// Single-page cases have no family; the first field is the project file or the directory.
struct Case {
    const char* first;
    const char* workspaceName;
    const char* family;
    const char* message;  // empty: every check passes
    CheckedField field;
};

class FieldChecksTest : public ::testing::Test {
  protected:
    void SetUp() override {
        tmp.write("p/a.zat", "x");
        tmp.write("p/sub/b.zat", "x");
    }
    test::TempFolder tmp{'D'};
};

TEST_F(FieldChecksTest, EachPageChecksInOrder) {
    // clang-format off
    const Case cases[] = {
        {"", "w", nullptr, kIncomplete, CheckedField::ProjectFile}, {"", "", nullptr, kIncomplete, CheckedField::ProjectFile},
        {"D:\\p\\a.zat", "", nullptr, kIncomplete, CheckedField::WorkspaceName}, {"D:\\p\\none.zat", "", nullptr, kIncomplete, CheckedField::WorkspaceName},
        {"D:\\p\\none.zat", "a/b", nullptr, kBadName, CheckedField::WorkspaceName},  // before the disk
        {"D:\\p", "w", nullptr, kNoProject, CheckedField::None},            // a directory
        {"p\\a.zat", "w", nullptr, kNoProject, CheckedField::None},         // relative
        {"D:\\p\\a?.zat", "w", nullptr, kNoProject, CheckedField::None},    // forbidden character
        {"D:\\p\\.\\a.zat", "w", nullptr, kNoProject, CheckedField::None},  // not a full path
        {"E:\\p\\a.zat", "w", nullptr, kNoProject, CheckedField::None},     // unmapped drive
        {"D:\\p\\a.zat", "w", nullptr, "", CheckedField::None}, {"D:\\p\\sub\\b.zat", "any name.krs", nullptr, "", CheckedField::None},
        {"", "w", "Nerak", kIncomplete, CheckedField::WorkspaceDirectory}, {"", "", "", kIncomplete, CheckedField::WorkspaceDirectory},
        {"D:\\p", "", "Nerak", kIncomplete, CheckedField::WorkspaceName}, {"D:\\none", "", "", kIncomplete, CheckedField::WorkspaceName},
        {"D:\\p", "w", "", kIncomplete, CheckedField::CpuFamily}, {"D:\\none", "w", "", kIncomplete, CheckedField::CpuFamily},
        {"D:\\none", "a/b", "", kIncomplete, CheckedField::CpuFamily},
        {"D:\\none", "a/b", "Nerak", kBadName, CheckedField::WorkspaceName},
        {"D:\\p\\", "w", "Nerak", kNoDirectory, CheckedField::None},       // trailing backslash
        {"D:\\p\\a.zat", "w", "Nerak", kNoDirectory, CheckedField::None},  // a file
        {"D:\\p", "w", "Quarix RISC engine", "", CheckedField::None},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.first) + " | " + c.workspaceName + " | " + (c.family ? c.family : "single"));
        const std::string first = tmp.onHost(c.first);
        const FieldCheck check = c.family ? checkMultipleFields(first, c.workspaceName, c.family, tmp.settings())
                                          : checkSingleFields(first, c.workspaceName, tmp.settings());
        EXPECT_EQ(check.ok, *c.message == '\0');
        EXPECT_EQ(check.message, c.message);
        EXPECT_EQ(check.field, c.field);
    }
    if (hostMapsDrives()) {  // a drive root keeps its separator
        EXPECT_TRUE(checkMultipleFields("D:\\", "w", "Nerak", tmp.settings()).ok);
    }
}

// The name becomes NAME.krs beside the projects and a value of the workspace file.
TEST_F(FieldChecksTest, AWorkspaceNameIsOneFileName) {
    tmp.settings().codePage = CodePage::Cp932;
    const std::pair<const char*, bool> cases[] = {
        {"..\\ws", false}, {"a\\b", false}, {"a/b", false}, {"D:ws", false}, {"w*", false}, {"w?", false},
        {"w\"", false}, {"w<", false}, {"w>", false}, {"w|", false}, {"w\nx", false}, {"\tw", false},
        {"w\x7F", false}, {"..", false}, {". .", false},
        {"my ws.v1", true}, {"..w", true},   {"\x95\x5C", true},  // a CP932 character with trail byte '\'
    };
    for (const auto& [name, valid] : cases) {
        SCOPED_TRACE(name);
        for (const FieldCheck& check : {checkSingleFields(tmp.onHost("D:\\p\\a.zat"), name, tmp.settings()),
                                        checkMultipleFields(tmp.onHost("D:\\p"), name, "Nerak", tmp.settings())}) {
            EXPECT_EQ(check.ok, valid);
            EXPECT_EQ(check.message, valid ? "" : kBadName);
        }
    }
    tmp.settings().codePage = CodePage::SingleByte;
    EXPECT_FALSE(checkSingleFields(tmp.onHost("D:\\p\\a.zat"), "\x95\x5C", tmp.settings()).ok) << "one byte is one character";
}

}  // namespace
}  // namespace z2k
