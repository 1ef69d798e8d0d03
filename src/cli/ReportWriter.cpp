#include "cli/ReportWriter.h"

#include <cstdint>

#include "platform/CodePage.h"

namespace z2k {

namespace {

constexpr char kHex[] = "0123456789abcdef";

void appendByteEscape(std::string& out, unsigned char byte) {
    out += "\\u00";
    out += kHex[byte >> 4];
    out += kHex[byte & 0x0F];
}

// The length of the well-formed UTF-8 sequence starting at bytes[i] (no overlong forms, no
// surrogates, nothing above U+10FFFF), or 0.
std::size_t utf8Length(std::string_view bytes, std::size_t i) {
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char lead = at(i);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (bytes.size() - i < length) return 0;
    if (at(i + 1) < low || at(i + 1) > high) return 0;
    for (std::size_t k = 2; k < length; ++k)
        if (at(i + k) < 0x80 || at(i + k) > 0xBF) return 0;
    return length;
}

const char* outcomeKey(OptionOutcome outcome) {
    return outcome == OptionOutcome::Rejected ? "dropped" : "other";
}

void appendField(std::string& out, const char* name, std::string_view value, bool last = false) {
    out += '"';
    out += name;
    out += "\": ";
    out += ReportWriter::jsonString(value);
    if (!last) out += ", ";
}

void appendCount(std::string& out, const char* name, std::size_t value, bool last = false) {
    out += '"';
    out += name;
    out += "\": ";
    out += std::to_string(value);
    if (!last) out += ", ";
}

}  // namespace

bool ReportWriter::formatOf(std::string_view fileName, Format& format) {
    const std::size_t slash = fileName.find_last_of('/');
    const std::string_view leaf = slash == std::string_view::npos ? fileName : fileName.substr(slash + 1);
    const std::size_t dot = leaf.find_last_of('.');
    if (dot == std::string_view::npos || dot == 0) return false;
    const std::string_view extension = leaf.substr(dot);
    if (equalsIgnoreCase(extension, ".json", CodePage::SingleByte)) {
        format = Format::Json;
        return true;
    }
    if (equalsIgnoreCase(extension, ".txt", CodePage::SingleByte)) {
        format = Format::Text;
        return true;
    }
    return false;
}

std::string ReportWriter::jsonString(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + 2);
    out += '"';
    for (std::size_t i = 0; i < bytes.size();) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte >= 0x80) {
            if (const std::size_t length = utf8Length(bytes, i); length != 0) {
                out.append(bytes.substr(i, length));
                i += length;
            } else {
                appendByteEscape(out, byte);
                ++i;
            }
            continue;
        }
        switch (byte) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (byte < 0x20 || byte == 0x7F) {
                    appendByteEscape(out, byte);
                } else {
                    out += static_cast<char>(byte);
                }
        }
        ++i;
    }
    out += '"';
    return out;
}

std::string ReportWriter::json(const ConversionReport& report, std::string_view codePage, bool dryRun) {
    std::string out = "{\n  \"version\": " + std::to_string(kSchemaVersion) + ",\n  \"dryRun\": ";
    out += dryRun ? "true" : "false";
    out += ",\n  \"codePage\": ";
    out += jsonString(codePage);
    out += ",";
    out += "\n  \"projects\": [";
    bool firstProject = true;
    for (const ProjectReport& project : report.projects()) {
        out += firstProject ? "\n    {" : ",\n    {";
        firstProject = false;
        out += "\n      ";
        appendField(out, "project", project.project);
        appendField(out, "korProject", project.korProject);
        appendField(out, "result", reportResultName(project.result), true);
        out += ",\n      \"counts\": {";
        appendCount(out, "converted", project.converted);
        appendCount(out, "other", project.other);
        appendCount(out, "dropped", project.dropped, true);
        out += "},\n      \"options\": [";
        bool firstEntry = true;
        for (const ReportEntry& entry : project.entries) {
            out += firstEntry ? "\n        {" : ",\n        {";
            firstEntry = false;
            appendField(out, "outcome", outcomeKey(entry.outcome));
            appendField(out, "configuration", entry.configuration);
            appendField(out, "tool", entry.tool);
            appendField(out, "file", entry.file);
            appendField(out, "option", entry.option);
            appendField(out, "name", entry.name);
            appendField(out, "value", entry.value, true);
            out += '}';
        }
        out += firstEntry ? "]\n    }" : "\n      ]\n    }";
    }
    out += firstProject ? "]\n}\n" : "\n  ]\n}\n";
    return out;
}

std::string ReportWriter::text(const ConversionReport& report, bool dryRun) {
    std::string out = "zat2kor conversion report";
    out += dryRun ? " (dry run: no project or workspace file was written)\n" : "\n";
    for (const ProjectReport& project : report.projects()) {
        out += "\nProject ";
        out += project.project;
        out += "\n  KOR project: ";
        out += project.korProject;
        out += "\n  Result: ";
        out += reportResultName(project.result);
        out += "\n  Options: " + std::to_string(project.converted) + " converted, " +
               std::to_string(project.other) + " carried over unconverted (OTHER), " +
               std::to_string(project.dropped) + " dropped\n";
        for (OptionOutcome outcome : {OptionOutcome::Other, OptionOutcome::Rejected}) {
            bool heading = false;
            for (const ReportEntry& entry : project.entries) {
                if (entry.outcome != outcome) continue;
                if (!heading) {
                    out += outcome == OptionOutcome::Other ? "  Carried over unconverted:\n" : "  Dropped:\n";
                    heading = true;
                }
                out += "    ";
                out += entry.configuration;
                out += " | ";
                out += entry.tool;
                out += " | ";
                out += entry.file.empty() ? std::string_view("(all files)") : std::string_view(entry.file);
                out += " | ";
                out += entry.option;
                out += '\n';
            }
        }
    }
    return out;
}

std::string ReportWriter::summaryLines(const ConversionReport& report) {
    std::string out;
    for (const ProjectReport& project : report.projects()) {
        if (project.result == ReportResult::ReadFailed) continue;
        out += project.project + ": " + std::to_string(project.other) +
               " options carried over unconverted, " + std::to_string(project.dropped) +
               " dropped; see --report\n";
    }
    return out;
}

}  // namespace z2k
