#pragma once
// Turns one ZAT project, already read, into the KOR project that the writer then saves: project
// details and tool chain, project files, file groups and extensions, build order and phases,
// per-configuration dependencies, options and output files, and KOR's default tables.
//
//   Translation translation = translateProject(zatProject, krpPath, {alerts, withReport});
//   if (!translation.project) ...   // a message box said why; nothing is to be written
//
// The family that every step tests is the CPU family of the ZAT project details. Nothing is kept
// from one translation to the next.
#include <optional>
#include <string_view>

#include "kor/KorProject.h"
#include "platform/CodePage.h"
#include "platform/Displays.h"
#include "translation/ConversionReport.h"
#include "zat/ZatProject.h"

namespace z2k {

enum class TranslationFailure {
    None,
    // An extension is defined for two groups.
    DuplicateExtension,
    // A tool outside the known tools has option tables, or an option string does not convert.
    InvalidOptions,
};

struct TranslationOptions {
    // Where the failures' message boxes go; null drops them.
    Alerts* alerts = nullptr;
    // Whether the outcomes of the option conversions are to be recorded for the report.
    bool report = false;
    // The code page of every text of the project.
    CodePage page = CodePage::SingleByte;
};

struct Translation {
    // Set when the project was translated.
    std::optional<KorProject> project;
    TranslationFailure failure = TranslationFailure::None;
    // The outcomes of the options converted (also those of a translation that failed later);
    // without its paths and result, which the caller adds.
    ProjectReport report;
};

// Ends in a blank.
inline constexpr std::string_view kInvalidOptionsMessage =
    "ERROR: Invalid option strings were detected in the project ";

// krpPath is where the KOR project will be saved: its details are named and placed after it.
Translation translateProject(const ZatProject& zat, std::string_view krpPath,
                             const TranslationOptions& options);

}  // namespace z2k
