#include "conversion/RequestForm.h"

#include <gtest/gtest.h>

#include "platform/CodePage.h"

namespace z2k {
namespace {

TEST(RequestForm, WorkspacePathsFromWhatWasTyped) {
    struct Case {
        bool single;
        CodePage page;
        const char* first;  // project file (single) or workspace directory (multiple)
        const char* name;
        const char* expected;
    };
    const Case cases[] = {
        {true, CodePage::SingleByte, "C:\\p\\a.zat", "w.x.krs", "C:\\p\\w.x"},
        {true, CodePage::SingleByte, "C:\\a.zat", "w", "C:\\w"},
        {true, CodePage::SingleByte, "C:\\p.d\\a.zat", "w", "C:\\p.d\\w"},  // a dot in a folder is no extension
        {true, CodePage::Cp932, "C:\\\x95\x5C\\a.zat", "w", "C:\\\x95\x5C\\w"},
        {false, CodePage::SingleByte, "C:\\m\\", "ws.krs", "C:\\m\\ws.krs"},
        {false, CodePage::SingleByte, "C:\\m.d", "ws", "C:\\m.d\\ws"},
        {false, CodePage::Cp932, "C:\\\x95\x5C", "w", "C:\\\x95\x5C\\w"},  // a trail byte is no separator
        {false, CodePage::SingleByte, "C:\\\x95\x5C", "w", "C:\\\x95\x5Cw"},
    };
    for (const Case& c : cases) {
        HostSettings settings;
        settings.codePage = c.page;
        const ConversionRequest request = c.single ? singleRequest(c.first, c.name, settings)
                                                   : multipleRequest(c.first, c.name, "Nerak", settings);
        EXPECT_EQ(request.workspacePath, c.expected) << c.first << " " << c.name;
    }
}

}  // namespace
}  // namespace z2k
