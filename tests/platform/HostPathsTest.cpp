#include "platform/HostPaths.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

namespace z2k {
namespace {

TEST(HostPaths, SystemToHostThroughTheDriveMapOfTheSettings) {
    HostSettings settings;
    settings.drives.map('D', "/tmp/x/");
    HostSettings other;  // another map in the same process: D: elsewhere, Z: moved, C: mapped
    other.drives.map('d', "/srv");
    other.drives.map('Z', "/home");
    other.drives.map('C', "/c");
    other.drives.unmap('C');
    using Host = std::optional<std::string>;
    // clang-format off
    const std::tuple<const char*, Host, Host> cases[] = {
        {"Z:\\home\\a", "/home/a", "/home/home/a"}, {"Z:\\", "/", "/home"}, {"z:\\tmp", "/tmp", "/home/tmp"},
        {"Z:\\a\\.\\b\\..\\c", "/a/c", "/home/a/c"}, {"Z:\\..\\x", "/x", "/home/x"},
        {"Z:\\a\\\\b", "/a/b", "/home/a/b"}, {"Z:\\a\\", "/a/", "/home/a/"},
        {"D:\\a\\b", "/tmp/x/a/b", "/srv/a/b"}, {"d:\\", "/tmp/x", "/srv"},
        {"D:\\..\\..\\etc", "/tmp/x/etc", "/srv/etc"},  // ".." never leaves the drive
        {"C:\\a", Host(), Host()}, {"\\\\host\\share\\a", Host(), Host()},
        {"Z:", Host(), Host()}, {"Z:a", Host(), Host()}, {"a\\b", Host(), Host()},
        {"", Host(), Host()}, {"1:\\a", Host(), Host()},
    };
    // clang-format on
    for (const auto& [system, host, otherHost] : cases) {
        EXPECT_EQ(systemToHostPath(system, settings), host) << system;
        EXPECT_EQ(systemToHostPath(system, other), otherHost) << system;
    }
    EXPECT_FALSE(systemToHostPath(std::string("Z:\\a\0b", 6), settings));
}

TEST(HostPaths, HostAndTypedToSystem) {
    const HostSettings settings;
    EXPECT_EQ(hostToSystemPath("/home/ann/a.zat", settings), "Z:\\home\\ann\\a.zat");
    EXPECT_EQ(hostToSystemPath("/", settings), "Z:\\");
    EXPECT_EQ(hostToSystemPath("//tmp//a", settings), "Z:\\tmp\\a");
    EXPECT_FALSE(hostToSystemPath("relative/a", settings));
    EXPECT_FALSE(hostToSystemPath("", settings));
    EXPECT_EQ(typedPathToSystem("/home/ann/", settings), "Z:\\home\\ann");
    EXPECT_EQ(typedPathToSystem("C:\\dir\\", settings), "C:\\dir\\");  // the system form keeps every rule
}

TEST(HostPaths, NamesConvertBetweenTheCodePageAndTheHostCodeSet) {
    HostSettings cp932;
    cp932.codePage = CodePage::Cp932;
    cp932.hostCodeSet = "UTF-8";
    // "\x95\x5c" is one character whose trail byte is '\'; on the host it is U+8868.
    EXPECT_EQ(systemToHostPath("Z:\\tmp\\\x95\x5c\\a.zat", cp932), "/tmp/\xe8\xa1\xa8/a.zat");
    EXPECT_EQ(hostToSystemPath("/tmp/\xe8\xa1\xa8/a.zat", cp932), "Z:\\tmp\\\x95\x5c\\a.zat");
    EXPECT_FALSE(systemToHostPath("Z:\\tmp\\\x85\x40", cp932));  // stands for no character
    EXPECT_FALSE(hostToSystemPath("/tmp/caf\xc3\xa9", cp932));   // U+00E9 has no CP932 form
    // U+2014 goes to the CP932 character that comes back as U+2015: it would name another file.
    EXPECT_FALSE(hostToSystemPath("/tmp/\xe2\x80\x94", cp932));
    EXPECT_EQ(hostToSystemPath("/tmp/\xe2\x80\x95", cp932), "Z:\\tmp\\\x81\x5c");
    EXPECT_FALSE(hostToSystemPath("/tmp/\xff", cp932));  // invalid UTF-8 on the host
    HostSettings western = cp932;
    western.codePage = CodePage::SingleByte;
    EXPECT_EQ(systemToHostPath("Z:\\caf\xe9", western), "/caf\xc3\xa9");
    EXPECT_EQ(hostToSystemPath("/caf\xc3\xa9", western), "Z:\\caf\xe9");
    // The same code set, or the plain C locale's, passes bytes through.
    for (const char* codeSet : {"UTF-8", "ANSI_X3.4-1968", ""}) {
        HostSettings same;
        same.codePage = CodePage::Utf8;
        same.hostCodeSet = codeSet;
        EXPECT_EQ(hostToSystemPath("/tmp/\xff", same), "Z:\\tmp\\\xff") << codeSet;
    }
}

}  // namespace
}  // namespace z2k
