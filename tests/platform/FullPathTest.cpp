#include "platform/FullPath.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

namespace z2k {
namespace {

TEST(FullPath, Expansions) {
    const std::string fits = "C:\\" + std::string(257, 'a');
    // clang-format off
    // path, its expansion in the single-byte code page, and in CP932 (where "\x95\x5c" is one character)
    const std::tuple<std::string, std::optional<std::string>, std::optional<std::string>> cases[] = {
        {"C:\\a\\b", "C:\\a\\b", "C:\\a\\b"}, {"C:\\", "C:\\", "C:\\"}, {"C:/a/b", "C:\\a\\b", "C:\\a\\b"},
        {"C:\\a\\\\b", "C:\\a\\b", "C:\\a\\b"}, {"C:\\\\a", "C:\\a", "C:\\a"}, {"C:\\a\\.\\b", "C:\\a\\b", "C:\\a\\b"},
        {"C:\\a\\.", "C:\\a", "C:\\a"}, {"C:\\a\\.\\", "C:\\a\\", "C:\\a\\"}, {"C:\\a\\..\\b", "C:\\b", "C:\\b"},
        {"C:\\..\\..\\x", "C:\\x", "C:\\x"}, {"C:\\a.", "C:\\a", "C:\\a"}, {"C:\\a.\\b", "C:\\a\\b", "C:\\a\\b"},
        {"C:\\a...\\b", "C:\\a...\\b", "C:\\a...\\b"}, {"C:\\a\\b. . ", "C:\\a\\b", "C:\\a\\b"},
        {"C:\\x \\.", "C:\\x", "C:\\x"}, {"C:\\a\\...", "C:\\a\\", "C:\\a\\"}, {"C:\\a:b", "C:\\a:b", "C:\\a:b"},
        {"\\\\host\\share", "\\\\host\\share", "\\\\host\\share"},
        {"\\\\host\\share\\a\\..\\..\\x", "\\\\host\\share\\x", "\\\\host\\share\\x"},  // the share stays
        {"//host/share/a", "\\\\host\\share\\a", "\\\\host\\share\\a"}, {"\\\\host", "\\\\host", "\\\\host"},
        {"\\\\\\x", std::nullopt, std::nullopt}, {"C:x", "C:\\x", "C:\\x"}, {"", std::nullopt, std::nullopt},
        {std::string("C:\\a\0b", 6), std::nullopt, std::nullopt},
        {fits, fits, fits}, {fits + "a", std::nullopt, std::nullopt},  // 260 bytes at most
        {"C:\\" + std::string(300, 'b') + "\\..\\x", "C:\\x", "C:\\x"},
        {"C:\\\x95\x5c", "C:\\\x95\\", "C:\\\x95\x5c"}, {"C:\\\x95\x5c..\\y", "C:\\y", "C:\\\x95\x5c..\\y"},
        {"C:\\a\\\x95\x5c\\..\\y", "C:\\a\\y", "C:\\a\\y"},
    };
    // clang-format on
    HostSettings cp932;
    cp932.codePage = CodePage::Cp932;
    for (const auto& [path, singleByte, doubleByte] : cases) {
        EXPECT_EQ(expandFullPath(path, HostSettings{}), singleByte) << path;
        EXPECT_EQ(expandFullPath(path, cp932), doubleByte) << path;
    }
}

}  // namespace
}  // namespace z2k
