#pragma once
// Writes small ZAT projects for the conversion tests: every recordset the reader needs, one
// source file, no build phases, with switches for the failures the driver reports. Header only,
// so the command-line tests use it too.
#include <string>
#include <string_view>
#include <type_traits>

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

// One record line of the values given, in order: texts and integers.
template <typename... Values>
std::string miniZatLine(const Values&... values) {
    std::string line;
    const auto append = [&line](const auto& value) {
        if constexpr (std::is_integral_v<std::decay_t<decltype(value)>>)
            Version1Writer::appendInteger(line, value);
        else
            Version1Writer::appendText(line, value);
    };
    (append(values), ...);
    return line;
}

inline int MiniZat::write(std::string_view systemPath, const HostSettings& settings) const {
    Version1Writer w;
    w.addSection("DATABASE_VERSION");
    w.addRecordLine(miniZatLine("1.0"));
    w.addSection("PROJECT_DETAILS");
    w.addRecordLine(miniZatLine(projectName, "", "", cpuFamily, 0));
    w.addSection("INFORMATION");
    w.addRecordLine(miniZatLine(""));
    w.addSection("PROJECT_TOOLS");
    w.addSection("EDITOR");
    w.addRecordLine(miniZatLine(0, "", "", "", ""));
    w.addSection("SCRAP");
    w.addSection("EXTERNAL_EVENTS");
    w.addSection("GENERAL_TOOLS");
    w.addRecordLine(miniZatLine(0, 0, 1, 0, "", "", "", ""));
    w.addSection("PROJECT_BUILDER_DETAILS");
    w.addRecordLine(miniZatLine(""));
    w.addSection("FILE_GROUPS");
    w.addRecordLine(miniZatLine("C source file", ""));
    w.addSection("EXTENSIONS");
    w.addRecordLine(miniZatLine("C source file", "c", 0));
    if (duplicateExtension) w.addRecordLine(miniZatLine("My sources", "CPP", 0));
    w.addSection("PROJECT_FILES");
    w.addRecordLine(miniZatLine("main.c", "", 1));
    w.addSection("CURRENT_CONFIGURATION");
    w.addRecordLine(miniZatLine("Debug"));
    w.addSection("BUILD_PHASES");
    w.addSection("BUILD_ORDER");
    w.addSection("CONFIGURATIONS");
    w.addRecordLine(miniZatLine("Debug", "Debug"));
    if (!omitSystemPhases) w.addSection("SYSTEM_PHASES");
    w.addSection("CUSTOM_PHASES");
    return w.writeFile(systemPath, settings);
}

}  // namespace z2k::test
