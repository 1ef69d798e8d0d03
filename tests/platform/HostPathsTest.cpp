#include "platform/HostPaths.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/CodePage.h"

namespace z2k {
namespace {

class HostPaths : public ::testing::Test {
  protected:
    void SetUp() override {
        setActiveCodePage(CodePage::SingleByte);
        resetDriveMap();
    }
    void TearDown() override { resetDriveMap(); }
};

struct MapCase {
    const char* system;
    std::optional<std::string> host;
};

TEST_F(HostPaths, SystemToHost) {
    mapDrive('D', "/tmp/x/");
    const MapCase cases[] = {
        {"Z:\\home\\a", "/home/a"},
        {"Z:\\", "/"},
        {"z:\\tmp", "/tmp"},
        {"Z:\\home\\ann\\motor\\motor.zat", "/home/ann/motor/motor.zat"},
        {"Z:\\a\\.\\b\\..\\c", "/a/c"},
        {"Z:\\..\\x", "/x"},
        {"Z:\\a\\\\b", "/a/b"},
        {"Z:\\a\\", "/a/"},
        {"D:\\a\\b", "/tmp/x/a/b"},
        {"d:\\", "/tmp/x"},
        {"D:\\..\\..\\etc", "/tmp/x/etc"},  // ".." never leaves the drive
        {"C:\\a", std::nullopt},            // unmapped drive
        {"\\\\host\\share\\a", std::nullopt},
        {"Z:", std::nullopt},
        {"Z:a", std::nullopt},
        {"a\\b", std::nullopt},
        {"", std::nullopt},
        {"1:\\a", std::nullopt},
    };
    for (const MapCase& c : cases) EXPECT_EQ(systemToHostPath(c.system), c.host) << c.system;
}

TEST_F(HostPaths, DriveMapCanBeChangedAndReset) {
    EXPECT_FALSE(systemToHostPath("D:\\a"));
    mapDrive('d', "/srv/old");
    EXPECT_EQ(systemToHostPath("D:\\a"), "/srv/old/a");
    EXPECT_EQ(mappedDriveFolder('D'), "/srv/old");
    unmapDrive('D');
    EXPECT_FALSE(systemToHostPath("D:\\a"));
    mapDrive('Z', "/srv");
    EXPECT_EQ(systemToHostPath("Z:\\a"), "/srv/a");
    resetDriveMap();
    EXPECT_EQ(systemToHostPath("Z:\\a"), "/a");
}

TEST_F(HostPaths, HostToSystem) {
    EXPECT_EQ(hostToSystemPath("/home/ann/a.zat"), "Z:\\home\\ann\\a.zat");
    EXPECT_EQ(hostToSystemPath("/"), "Z:\\");
    EXPECT_EQ(hostToSystemPath("//tmp//a"), "Z:\\tmp\\a");
    EXPECT_FALSE(hostToSystemPath("relative/a"));
    EXPECT_FALSE(hostToSystemPath(""));
}

TEST_F(HostPaths, TypedPaths) {
    EXPECT_EQ(typedPathToSystem("/home/ann/"), "Z:\\home\\ann");
    EXPECT_EQ(typedPathToSystem("/home/ann/a.zat"), "Z:\\home\\ann\\a.zat");
    EXPECT_EQ(typedPathToSystem("/"), "Z:\\");
    EXPECT_EQ(typedPathToSystem("C:\\dir\\"), "C:\\dir\\");  // the system form keeps every rule
    EXPECT_EQ(typedPathToSystem("motor.zat"), "motor.zat");
    EXPECT_EQ(typedPathToSystem(""), "");
}

class HostPathsConversion : public HostPaths {
  protected:
    void SetUp() override {
        HostPaths::SetUp();
        if (codePageForCodeSet(localeCodeSet()) != CodePage::Utf8) GTEST_SKIP() << "needs a UTF-8 locale";
    }
};

TEST_F(HostPathsConversion, Cp932NamesMeetUtf8Host) {
    setActiveCodePage(CodePage::Cp932);
    // "\x95\x5c" is one character whose trail byte is '\'; on the host it is U+8868.
    EXPECT_EQ(systemToHostPath("Z:\\tmp\\\x95\x5c\\a.zat"), "/tmp/\xe8\xa1\xa8/a.zat");
    EXPECT_EQ(hostToSystemPath("/tmp/\xe8\xa1\xa8/a.zat"), "Z:\\tmp\\\x95\x5c\\a.zat");
    EXPECT_EQ(codePageNameToHost("\x95\x5c"), "\xe8\xa1\xa8");
    // 0x85 0x40 stands for no character; U+00E9 has no CP932 form.
    EXPECT_FALSE(systemToHostPath("Z:\\tmp\\\x85\x40"));
    EXPECT_FALSE(hostToSystemPath("/tmp/caf\xc3\xa9"));
    // U+2014 goes to the CP932 character that comes back as U+2015: it would name another file.
    EXPECT_FALSE(hostToSystemPath("/tmp/\xe2\x80\x94"));
    EXPECT_EQ(hostToSystemPath("/tmp/\xe2\x80\x95"), "Z:\\tmp\\\x81\x5c");
    // Invalid UTF-8 on the host cannot be read as a CP932 name either.
    EXPECT_FALSE(hostToSystemPath("/tmp/\xff"));
}

TEST_F(HostPathsConversion, SameCodeSetPassesBytesThrough) {
    setActiveCodePage(CodePage::Utf8);
    EXPECT_EQ(systemToHostPath("Z:\\tmp\\caf\xc3\xa9"), "/tmp/caf\xc3\xa9");
    EXPECT_EQ(hostToSystemPath("/tmp/\xff"), "Z:\\tmp\\\xff");
}

TEST_F(HostPathsConversion, SingleBytePageIsWindowsWestern) {
    setActiveCodePage(CodePage::SingleByte);
    EXPECT_EQ(systemToHostPath("Z:\\caf\xe9"), "/caf\xc3\xa9");
    EXPECT_EQ(hostToSystemPath("/caf\xc3\xa9"), "Z:\\caf\xe9");
}

}  // namespace
}  // namespace z2k
