// Librarian options: the subcommand rewrite, every documented example and the system-library
// mark, converted through the public entry.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "options/ConvertToolOptions.h"
#include "options/LibrarianConverter.h"
#include "platform/CodePage.h"

namespace z2k {
namespace {

const std::string kVersion = "[V|VERSION|1] ";

struct Case {
    std::string input;     // ZAT option string (TAB separated)
    std::string expected;  // KOR option string after the version item, or the rewritten string
};

TEST(LibrarianConverterTest, ConvertsEveryDocumentedOption) {
    const std::vector<Case> cases = {
        {"-default", R"~([S|CREATE|"$(CONFIGDIR)\$(PROJECTNAME).lib"])~"},
        {R"~(create "c:\Lib\userlib.lib")~", R"~([S|CREATE|"c:\Lib\$(PROJECTNAME).lib"])~"},
        {R"~(create "userlib.lib")~", R"~([S|CREATE|"$(PROJECTNAME).lib"])~"},
        {"list", "[B|LIST|1]"},
        {"slist", "[B|SLIST|1]"},
        {R"~(list "c:\Out\lib.lis")~", R"~([B|LIST|1] [S|LISTPATH|"$(CONFIGDIR)\$(PROJECTNAME).lis"])~"},
        {R"~(slist "c:\Out\lib.sls")~", R"~([B|SLIST|1] [S|SLISTPATH|"$(CONFIGDIR)\$(PROJECTNAME).sls"])~"},
        {R"~(replace "userlib.lib")~", R"~([S|OTHER|"-replace=""userlib.lib"""])~"},
        {R"~(ad "mod.obj")~", R"~([S|OTHER|"-ad=""mod.obj"""])~"},
        {R"~(ws "c:\Foo Studio\foo.sub")~", R"~([B|SUBCOMMAND|1] [S|SUBCOMMAND|"c:\Foo Studio\foo.sub"])~"},
        {R"~(-ws "c:\Foo Studio\foo.sub")~", R"~([B|SUBCOMMAND|1] [S|SUBCOMMAND|"c:\Foo Studio\foo.sub"])~"},
        // The system-library mark closes the value and adds a second item.
        {R"~(create "c:\Lib\userlib.lib" (S))~",
         R"~([S|CREATE|"c:\Lib\$(PROJECTNAME).lib"] [B|CREATESYSTEM|1])~"},
        {R"~(list "c:\Out\lib.lis" (S))~",
         R"~([B|LIST|1] [S|LISTPATH|"$(CONFIGDIR)\$(PROJECTNAME).lis"] [B|LISTSYSTEM|1])~"},
        {R"~(create "c:\Lib\userlib.lib (S)")~",
         R"~([S|CREATE|"c:\Lib\$(PROJECTNAME).lib"] [B|CREATESYSTEM|1])~"},
        {R"~(slist "c:\Out\lib.sls" (S))~",
         R"~([B|SLIST|1] [S|SLISTPATH|"$(CONFIGDIR)\$(PROJECTNAME).sls" (S)])~"},
        // Buckets: "-slist" 0, "-list" 9, "-create" 10.
        {"create \"c:\\Lib\\u.lib\"\tlist\tslist",
         R"~([B|SLIST|1] [B|LIST|1] [S|CREATE|"c:\Lib\$(PROJECTNAME).lib"])~"},
        {"", ""},
    };
    setActiveCodePage(CodePage::SingleByte);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        std::string options;
        std::string cpuDefaults = "untouched";
        ASSERT_EQ(
            ConvertToolOptions("NONE", "Vantrel V Series Librarian", c.input, "", "", options, cpuDefaults),
            0);
        EXPECT_EQ(options, kVersion + c.expected);
        EXPECT_EQ(cpuDefaults, "untouched");  // the librarian has no CPU defaults
    }
}

TEST(LibrarianConverterTest, RewritesSubcommandsIntoOptions) {
    const std::vector<Case> cases = {
        {R"~(replace "userlib.lib")~", R"~(-replace="userlib.lib")~"},
        {R"~(-ws "c:\Foo Studio\foo.sub")~", R"~(-ws="c:\Foo Studio\foo.sub")~"},
        {"list\tcreate a b", "-list\t-create=a b"},
        {R"~("c:\a b.obj")~", R"~(-"c:\a b.obj")~"},  // the first blank is inside quotes
        {R"~(x "a" b)~", R"~(-x="a" b)~"},
        {R"~("a b)~", R"~(-"a=b)~"},  // an unclosed quote pairs with nothing
        {"-default", "-default"},
        {"", ""},
    };
    setActiveCodePage(CodePage::SingleByte);
    LibrarianConverter converter;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(converter.RewriteOptionString(c.input), c.expected);
    }
}

}  // namespace
}  // namespace z2k
