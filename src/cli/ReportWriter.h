#pragma once
// Formats the conversion report for --report and the window's "Save as...": JSON (the schema of
// docs/report-schema.md, UTF-8) or readable text in the project's own bytes, and the one-line
// summary per project shown when no report file is asked for.
#include <string>
#include <string_view>

#include "translation/ConversionReport.h"

namespace z2k {

class ReportWriter {
  public:
    enum class Format { Json, Text };
    // The version written in the JSON "version" field; raised only for incompatible changes.
    static constexpr int kSchemaVersion = 2;

    // The format a report file name asks for by its extension (".json" or ".txt", ASCII letters
    // in any case); false for any other name.
    static bool formatOf(std::string_view fileName, Format& format);

    // codePage: the name of the code page the project texts are in ("single", "cp932", "utf8");
    // every text is converted from it to UTF-8.
    static std::string json(const ConversionReport& report, std::string_view codePage, bool dryRun);
    static std::string text(const ConversionReport& report, bool dryRun);
    // "PATH: N options carried over unconverted, M dropped; see --report" for every project that
    // was read and left an option unconverted, one line each.
    static std::string summaryLines(const ConversionReport& report);
};

}  // namespace z2k
