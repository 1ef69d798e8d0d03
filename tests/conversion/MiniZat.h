#pragma once
// Writes small ZAT projects for the conversion tests: every recordset the reader needs, one
// source file, no build phases, with switches for the failures the driver reports. Header only,
// so the command-line tests use it too.
#include <string>
#include <string_view>

#include "textdb/Version1Writer.h"

namespace z2k::test {

struct MiniZat {
    std::string projectName = "motor";
    std::string cpuFamily = "Quarix RISC engine";
    // The extension CPP, which the family gives to its C++ group, in a group of its own: the
    // translation refuses the project.
    bool duplicateExtension = false;
    // No SYSTEM_PHASES recordset: the read fails after the project details were read.
    bool omitSystemPhases = false;

    // Writes the project to a system path (its folder must exist). 0 or the error number.
    int write(std::string_view systemPath, const HostSettings& settings) const;
};

namespace mini_zat {

// One record line of texts and integers, in the order given.
class Line {
  public:
    Line& text(std::string_view value) {
        Version1Writer::appendText(line_, value);
        return *this;
    }
    Line& number(int value) {
        Version1Writer::appendInteger(line_, value);
        return *this;
    }
    const std::string& str() const { return line_; }

  private:
    std::string line_;
};

}  // namespace mini_zat

inline int MiniZat::write(std::string_view systemPath, const HostSettings& settings) const {
    Version1Writer w;
    w.addSection("DATABASE_VERSION");
    w.addRecordLine(mini_zat::Line().text("1.0").str());
    w.addSection("PROJECT_DETAILS");
    w.addRecordLine(mini_zat::Line().text(projectName).text("").text("").text(cpuFamily).number(0).str());
    w.addSection("INFORMATION");
    w.addRecordLine(mini_zat::Line().text("").str());
    w.addSection("PROJECT_TOOLS");
    w.addSection("EDITOR");
    w.addRecordLine(mini_zat::Line().number(0).text("").text("").text("").text("").str());
    w.addSection("SCRAP");
    w.addSection("EXTERNAL_EVENTS");
    w.addSection("GENERAL_TOOLS");
    w.addRecordLine(
        mini_zat::Line().number(0).number(0).number(1).number(0).text("").text("").text("").text("").str());
    w.addSection("PROJECT_BUILDER_DETAILS");
    w.addRecordLine(mini_zat::Line().text("").str());
    w.addSection("FILE_GROUPS");
    w.addRecordLine(mini_zat::Line().text("C source file").text("").str());
    w.addSection("EXTENSIONS");
    w.addRecordLine(mini_zat::Line().text("C source file").text("c").number(0).str());
    if (duplicateExtension) w.addRecordLine(mini_zat::Line().text("My sources").text("CPP").number(0).str());
    w.addSection("PROJECT_FILES");
    w.addRecordLine(mini_zat::Line().text("main.c").text("").number(1).str());
    w.addSection("CURRENT_CONFIGURATION");
    w.addRecordLine(mini_zat::Line().text("Debug").str());
    w.addSection("BUILD_PHASES");
    w.addSection("BUILD_ORDER");
    w.addSection("CONFIGURATIONS");
    w.addRecordLine(mini_zat::Line().text("Debug").text("Debug").str());
    if (!omitSystemPhases) w.addSection("SYSTEM_PHASES");
    w.addSection("CUSTOM_PHASES");
    return w.writeFile(systemPath, settings);
}

}  // namespace z2k::test
