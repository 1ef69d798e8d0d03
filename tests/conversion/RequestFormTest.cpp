#include "conversion/RequestForm.h"

#include <gtest/gtest.h>

#include "platform/CodePage.h"

namespace z2k {
namespace {

struct PathCase {
    const char* first;  // project file (single) or workspace directory (multiple)
    const char* name;
    const char* expected;
};

class SingleWorkspacePath : public ::testing::TestWithParam<PathCase> {};

TEST_P(SingleWorkspacePath, LiesBesideTheProjectWithoutExtension) {
    setActiveCodePage(CodePage::SingleByte);
    EXPECT_EQ(singleWorkspacePath(GetParam().first, GetParam().name), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, SingleWorkspacePath,
                         ::testing::Values(PathCase{"C:\\p\\a.zat", "w", "C:\\p\\w"},
                                           PathCase{"C:\\p\\a.zat", "w.krs", "C:\\p\\w"},
                                           PathCase{"C:\\p\\a.zat", "w.x.krs", "C:\\p\\w.x"},
                                           PathCase{"C:\\a.zat", "w", "C:\\w"},
                                           // A dot in a folder name is no extension.
                                           PathCase{"C:\\p.d\\a.zat", "w", "C:\\p.d\\w"},
                                           PathCase{"C:\\.h\\x\\a.zat", "w", "C:\\.h\\x\\w"},
                                           PathCase{"C:\\p.d\\a.zat", "w.krs", "C:\\p.d\\w"},
                                           PathCase{"\\\\host\\share\\a.zat", "w", "\\\\host\\share\\w"}));

class MultipleWorkspacePath : public ::testing::TestWithParam<PathCase> {};

TEST_P(MultipleWorkspacePath, IsDirectoryAndNameAsTyped) {
    setActiveCodePage(CodePage::SingleByte);
    EXPECT_EQ(multipleWorkspacePath(GetParam().first, GetParam().name), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, MultipleWorkspacePath,
                         ::testing::Values(PathCase{"C:\\m", "ws", "C:\\m\\ws"},
                                           PathCase{"C:\\m\\", "ws", "C:\\m\\ws"},
                                           PathCase{"C:\\", "ws", "C:\\ws"},
                                           PathCase{"C:\\m", "ws.krs", "C:\\m\\ws.krs"},
                                           PathCase{"C:\\m.d", "ws", "C:\\m.d\\ws"}));

TEST(RequestForm, ATrailByteThatIsABackslashIsNoSeparator) {
    // In CP932 the second byte of 0x95 0x5C is 0x5C, the byte of '\'.
    setActiveCodePage(CodePage::Cp932);
    EXPECT_EQ(multipleWorkspacePath("C:\\\x95\x5C", "w"), "C:\\\x95\x5C\\w");
    EXPECT_EQ(singleWorkspacePath("C:\\\x95\x5C\\a.zat", "w"), "C:\\\x95\x5C\\w");
    setActiveCodePage(CodePage::SingleByte);
    EXPECT_EQ(multipleWorkspacePath("C:\\\x95\x5C", "w"), "C:\\\x95\x5Cw");
}

TEST(RequestForm, RequestsCarryModePathsAndFamily) {
    setActiveCodePage(CodePage::SingleByte);
    const ConversionRequest single = singleRequest("C:\\p\\a.zat", "w.krs");
    EXPECT_EQ(single.mode, ConversionMode::Single);
    EXPECT_EQ(static_cast<int>(single.mode), 1);
    EXPECT_EQ(single.zatProjectPath, "C:\\p\\a.zat");
    EXPECT_EQ(single.workspacePath, "C:\\p\\w");
    EXPECT_EQ(single.cpuFamily, "");

    const ConversionRequest multiple = multipleRequest("C:\\m\\", "all", "Nerak");
    EXPECT_EQ(multiple.mode, ConversionMode::Multiple);
    EXPECT_EQ(static_cast<int>(multiple.mode), 0);
    EXPECT_EQ(multiple.zatProjectPath, "");
    EXPECT_EQ(multiple.workspacePath, "C:\\m\\all");
    EXPECT_EQ(multiple.cpuFamily, "Nerak");
}

}  // namespace
}  // namespace z2k
