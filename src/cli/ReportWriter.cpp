#include "cli/ReportWriter.h"

#include <nlohmann/json.hpp>

#include "platform/CodePage.h"
#include "platform/Utf8Text.h"

namespace z2k {

namespace {

using Json = nlohmann::ordered_json;

CodePage codePageNamed(std::string_view name) {
    return name == "cp932" ? CodePage::Cp932 : name == "utf8" ? CodePage::Utf8 : CodePage::SingleByte;
}

// Puts a project text under name, in UTF-8; a text that is not exactly UTF-8 in its converted
// form also gets its bytes in hex under nameBytes, so that no byte is lost or ambiguous.
void putText(Json& object, const std::string& name, std::string_view bytes, CodePage page) {
    Utf8Text converted = toUtf8(bytes, page);
    object[name] = std::move(converted.text);
    if (converted.exact) return;
    constexpr char kHex[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        hex += kHex[static_cast<unsigned char>(c) >> 4];
        hex += kHex[static_cast<unsigned char>(c) & 0x0F];
    }
    object[name + "Bytes"] = std::move(hex);
}

Json projectJson(const ProjectReport& project, CodePage page) {
    Json out = Json::object();
    putText(out, "project", project.project, page);
    putText(out, "korProject", project.korProject, page);
    out["result"] = reportResultName(project.result);
    putText(out, "problem", project.problem, page);
    out["counts"] = {{"converted", project.converted}, {"other", project.other}, {"dropped", project.dropped}};
    Json options = Json::array();
    for (const ReportEntry& entry : project.entries) {
        Json option = Json::object();
        option["outcome"] = entry.outcome == OptionOutcome::Rejected ? "dropped" : "other";
        putText(option, "configuration", entry.configuration, page);
        putText(option, "tool", entry.tool, page);
        putText(option, "file", entry.file, page);
        putText(option, "option", entry.option, page);
        putText(option, "name", entry.name, page);
        putText(option, "value", entry.value, page);
        options.push_back(std::move(option));
    }
    out["options"] = std::move(options);
    return out;
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

std::string ReportWriter::json(const ConversionReport& report, std::string_view codePage, bool dryRun) {
    const CodePage page = codePageNamed(codePage);
    Json out = Json::object();
    out["version"] = kSchemaVersion;
    out["dryRun"] = dryRun;
    out["codePage"] = codePage;
    Json projects = Json::array();
    for (const ProjectReport& project : report.projects()) projects.push_back(projectJson(project, page));
    out["projects"] = std::move(projects);
    Json skipped = Json::array();
    for (const SkippedItem& item : report.skipped()) {
        Json entry = Json::object();
        putText(entry, "path", item.path, page);
        putText(entry, "reason", item.reason, page);
        skipped.push_back(std::move(entry));
    }
    out["skipped"] = std::move(skipped);
    // Every text is valid UTF-8 by now; a slip would be replaced, never written as it is.
    return out.dump(2, ' ', false, Json::error_handler_t::replace) + '\n';
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
        if (!project.problem.empty()) out += "\n  Problem: " + project.problem;
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
    if (!report.skipped().empty()) out += "\nSkipped (could not be read):\n";
    for (const SkippedItem& item : report.skipped()) out += "  " + item.path + ": " + item.reason + '\n';
    return out;
}

std::string ReportWriter::summaryLines(const ConversionReport& report) {
    std::string out;
    for (const ProjectReport& project : report.projects()) {
        // A clean project has nothing to say; a project not read has no options to count.
        if (project.result == ReportResult::ReadFailed || (project.other == 0 && project.dropped == 0)) continue;
        out += project.project + ": " + std::to_string(project.other) +
               " options carried over unconverted, " + std::to_string(project.dropped) +
               " dropped; see --report\n";
    }
    return out;
}

}  // namespace z2k
