// --report and the summary lines: what the report lists is checked against the OTHER items of
// the .krp files the same run wrote.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "cli/CliRunner.h"
#include "support/TestSupport.h"

namespace z2k {
namespace {

namespace fs = std::filesystem;
using test::CliOptions;
using test::CliRun;
using test::runCli;
using Args = std::vector<std::string>;

// (configuration, option name) -> the option values met under that name.
using OtherOptions = std::map<std::pair<std::string, std::string>, std::vector<std::string>>;

std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        result.push_back(line);
    }
    return result;
}

// The value of "key": "..." on one line of the report's JSON (one option entry per line), with
// \" and \\ undone.
std::string jsonField(const std::string& line, const std::string& key) {
    const std::string start = "\"" + key + "\": \"";
    std::size_t at = line.find(start);
    if (at == std::string::npos) return "<missing " + key + ">";
    std::string value;
    for (at += start.size(); at < line.size() && line[at] != '"'; ++at) {
        if (line[at] == '\\' && at + 1 < line.size()) ++at;
        value += line[at];
    }
    return value;
}

// The options of the report's JSON with the given outcome.
OtherOptions reportedOptions(const std::string& json, const std::string& outcome) {
    OtherOptions options;
    for (const std::string& line : lines(json)) {
        if (line.find("\"outcome\": \"" + outcome + "\"") == std::string::npos) continue;
        options[{jsonField(line, "configuration"), jsonField(line, "name")}].push_back(
            jsonField(line, "value"));
    }
    return options;
}

// The options inside the [S|OTHER|"..."] items of a written .krp, read back from the file.
OtherOptions writtenOtherOptions(const std::string& krp, int& items) {
    OtherOptions options;
    std::string configuration;
    for (const std::string& line : lines(krp)) {
        if (line.rfind("[", 0) == 0) {
            configuration.clear();
            if (line.rfind("[OPTIONS_", 0) == 0) configuration = line.substr(9, line.find('_', 9) - 9);
            continue;
        }
        if (configuration.empty()) continue;
        const std::size_t item = line.find("[S|OTHER|");
        if (item == std::string::npos) continue;
        ++items;
        const std::size_t end = line.find(']', item);
        // The database writes '"' as ^"; the item's text is quoted with its own quotes doubled.
        std::string text = replaceAll(line.substr(item + 9, end - item - 9), "^\"", "\"");
        text = replaceAll(text.substr(1, text.size() - 2), "\"\"", "\"");
        std::istringstream words(text);
        for (std::string word; words >> word;) {
            const std::size_t equals = word.find('=');
            options[{configuration, word.substr(0, equals)}].push_back(word);
        }
    }
    return options;
}

// How often value stands in the value part of an option word ("-name=value"); an empty value
// stands once in a word without '='.
std::size_t occurrences(const std::string& word, const std::string& value) {
    const std::size_t equals = word.find('=');
    if (value.empty()) return equals == std::string::npos ? 1 : 0;
    if (equals == std::string::npos) return 0;
    std::size_t count = 0;
    for (std::size_t at = word.find(value, equals + 1); at != std::string::npos;
         at = word.find(value, at + value.size()))
        ++count;
    return count;
}

class ReportTest : public ::testing::Test {
  protected:
    void SetUp() override { test::copyExamples(tmp.path()); }

    CliRun run(const Args& rest, const CliOptions& options = {}) {
        return runCli(test::onDriveD(tmp.path(), rest), options);
    }

    std::string reportPath(const std::string& name) const { return (reports.path() / name).string(); }

    // Edits a copied example in place.
    void edit(const std::string& relative, const std::string& from, const std::string& to) {
        std::string text = tmp.read(relative);
        const std::size_t at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        text.replace(at, from.size(), to);
        tmp.write(relative, text);
    }

    test::TempFolder tmp{'D'};
    test::TempFolder reports;
};

TEST_F(ReportTest, ListsExactlyTheOptionsTheWrittenProjectsCarryAsOther) {
    using Edits = std::vector<std::pair<std::string, std::string>>;
    // Unknown options in the optimizer's and the linkage editor's Debug rows: only the rows of
    // the link tool the conversion chooses reach the KOR project.
    const Edits linkRows = {{"-nooptimize", "-zzopt\t-nooptimize"},
                            {"-p=^\"D:\\nerak\\Debug", "-zzedit\t-p=^\"D:\\nerak\\Debug"}};
    Edits editorChosen = linkRows;
    editorChosen.push_back({"\"Vantrel Nerak IM Optimizer\" 1 \r\n\"Vantrel V Series Linkage Editor\" 0 ",
                            "\"Vantrel Nerak IM Optimizer\" 0 \r\n\"Vantrel V Series Linkage Editor\" 1 "});
    struct Case {
        Args args;
        std::vector<std::string> krps;
        std::string extraProject;  // the Quarix example copied into the tree as this
        Edits sensorEdits;
        std::string linkOption;  // the link tool's option that must be reported
    };
    const Case cases[] = {
        {{"single", "D:\\quarix\\motor.zat", "motor"}, {"quarix/motor.krp"}, "", {}, ""},
        {{"single", "D:\\nerak\\sensor.zat", "sensor"}, {"nerak/sensor.krp"}, "", {}, ""},
        {{"single", "D:\\nerak\\sensor.zat", "sensor"}, {"nerak/sensor.krp"}, "", linkRows, "-zzopt"},
        {{"single", "D:\\nerak\\sensor.zat", "sensor"}, {"nerak/sensor.krp"}, "", editorChosen, "-zzedit"},
        {{"multiple", "D:\\tree", "tree", "--family", "Quarix RISC engine"},
         {"tree/blinker.krp", "tree/drives/axis.krp", "tree/drives/legacy/SPINDLE.krp",
          "tree/drives/motor.krp"},
         "tree/drives/motor.zat",
         {},
         ""},
    };
    for (const Case& c : cases) {
        test::copyExamples(tmp.path());
        if (!c.extraProject.empty()) tmp.write(c.extraProject, tmp.read("quarix/motor.zat"));
        for (const auto& [from, to] : c.sensorEdits) edit("nerak/sensor.zat", from, to);
        Args args = c.args;
        args.insert(args.end(), {"--report", reportPath("r.json")});
        const CliRun result = run(args);
        ASSERT_EQ(result.exitCode, 0) << c.args[1] << result.err;
        const std::string json = test::readBytes(reportPath("r.json"));

        const OtherOptions reported = reportedOptions(json, "other");
        OtherOptions written;
        int items = 0;
        for (const std::string& krp : c.krps) {
            ASSERT_TRUE(fs::exists(tmp.path() / krp)) << krp;
            for (auto& [key, words] : writtenOtherOptions(tmp.read(krp), items))
                written[key].insert(written[key].end(), words.begin(), words.end());
        }
        EXPECT_GT(items, 0) << c.args[1] << ": the examples carry options in OTHER";
        // The same option names per configuration, and each reported value inside the item.
        std::set<std::pair<std::string, std::string>> reportedKeys, writtenKeys;
        for (const auto& entry : reported) reportedKeys.insert(entry.first);
        for (const auto& entry : written) writtenKeys.insert(entry.first);
        EXPECT_EQ(reportedKeys, writtenKeys) << c.args[1];
        std::size_t reportedCount = 0;
        for (const auto& [key, values] : reported) {
            reportedCount += values.size();
            // Each reported value stands in the item as often as it is reported (an option met
            // more than once is joined into one word: -add="a","b").
            for (const std::string& value : values) {
                std::size_t inItems = 0;
                for (const std::string& word : written[key]) inItems += occurrences(word, value);
                EXPECT_EQ(inItems, static_cast<std::size_t>(std::count(values.begin(), values.end(), value)))
                    << key.first << " " << key.second << "=" << value;
            }
        }
        // The counts agree with the entries.
        std::size_t counted = 0;
        for (const std::string& line : lines(json)) {
            const std::size_t at = line.find("\"other\": ");
            if (at != std::string::npos && line.find("\"counts\"") != std::string::npos)
                counted += std::stoul(line.substr(at + 9));
        }
        EXPECT_EQ(counted, reportedCount) << c.args[1];
        EXPECT_TRUE(reportedOptions(json, "dropped").empty()) << c.args[1];
        if (!c.linkOption.empty()) {
            EXPECT_EQ(reported.count({"Debug", c.linkOption}), 1u) << c.linkOption;
        }
    }
}

TEST_F(ReportTest, TheMotorReportInBothFormats) {
    ASSERT_EQ(run({"single", "D:\\quarix\\motor.zat", "motor", "--report", reportPath("m.txt")}).exitCode, 0);
    const std::string text = test::readBytes(reportPath("m.txt"));
    EXPECT_NE(
        text.find(
            "Project D:\\quarix\\motor.zat\n  KOR project: D:\\quarix\\motor.krp\n  Result: converted\n"),
        std::string::npos)
        << text;
    EXPECT_NE(
        text.find("  Carried over unconverted:\n    Debug | Vantrel QX C Compiler | (all files) | -ws=2\n"
                  "    Debug | Vantrel QX C Compiler | D:\\common\\crc\\crc16.c | -nologo\n"),
        std::string::npos)
        << text;
    EXPECT_EQ(text.find("Dropped:"), std::string::npos);

    ASSERT_EQ(run({"single", "D:\\quarix\\motor.zat", "motor", "--report", reportPath("m.JSON")}).exitCode,
              0);
    const std::string json = test::readBytes(reportPath("m.JSON"));
    EXPECT_EQ(json.rfind("{\n  \"version\": 1,\n  \"dryRun\": false,\n  \"codePage\": \"single\",\n", 0), 0u)
        << json;
    EXPECT_NE(
        json.find(
            "{\"outcome\": \"other\", \"configuration\": \"Debug\", \"tool\": \"Vantrel QX C Compiler\", "
            "\"file\": \"D:\\\\common\\\\crc\\\\crc16.c\", \"option\": \"-nologo\", \"name\": \"-nologo\", "
            "\"value\": \"\"}"),
        std::string::npos)
        << json;
    EXPECT_NE(json.find("\"result\": \"converted\""), std::string::npos);
}

TEST_F(ReportTest, ARejectedKeywordIsReportedAsDropped) {
    // -pa=3 is a value the Nerak compiler's handler refuses.
    edit("nerak/sensor.zat", "-regp=3", "-pa=3");
    const CliRun result = run({"single", "D:\\nerak\\sensor.zat", "sensor", "--report", reportPath("s.txt")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::string text = test::readBytes(reportPath("s.txt"));
    EXPECT_NE(text.find(", 1 dropped\n"), std::string::npos) << text;
    EXPECT_NE(text.find("  Dropped:\n    Debug | Vantrel Nerak C Compiler | (all files) | -pa=3\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(tmp.read("nerak/sensor.krp").find("-pa"), std::string::npos) << "a dropped option is gone";

    ASSERT_EQ(run({"single", "D:\\nerak\\sensor.zat", "sensor", "--report", reportPath("s.json")}).exitCode,
              0);
    const OtherOptions dropped = reportedOptions(test::readBytes(reportPath("s.json")), "dropped");
    ASSERT_EQ(dropped.size(), 1u);
    EXPECT_EQ(dropped.begin()->first, (std::pair<std::string, std::string>("Debug", "-pa")));

    CliOptions terminal;
    terminal.errOnTerminal = true;
    const CliRun summary = run({"single", "D:\\nerak\\sensor.zat", "sensor"}, terminal);
    EXPECT_NE(summary.err.find(
                  "D:\\nerak\\sensor.zat: 2 options carried over unconverted, 1 dropped; see --report\n"),
              std::string::npos)
        << summary.err;
}

TEST_F(ReportTest, SummaryLinesGoToStderrOnlyWithoutReport) {
    CliOptions terminal;
    terminal.errOnTerminal = true;
    const CliRun multiple = run({"multiple", "D:\\tree", "tree", "--family", "Quarix RISC engine"}, terminal);
    ASSERT_EQ(multiple.exitCode, 0);
    for (const char* project : {"D:\\tree\\blinker.zat: ", "D:\\tree\\drives\\axis.zat: ",
                                "D:\\tree\\drives\\legacy\\SPINDLE.ZAT: "})
        EXPECT_NE(multiple.err.find(project), std::string::npos) << project << multiple.err;

    const CliRun withReport =
        run({"single", "D:\\quarix\\motor.zat", "motor", "--report", reportPath("r.txt")}, terminal);
    EXPECT_EQ(withReport.err.find("see --report"), std::string::npos) << withReport.err;
    const CliRun plain = run({"single", "D:\\quarix\\motor.zat", "motor"});
    EXPECT_EQ(plain.err,
              "D:\\quarix\\motor.zat: 8 options carried over unconverted, 0 dropped; see --report\n")
        << "also when stderr is not a terminal";
}

TEST_F(ReportTest, AReportNameWithoutJsonOrTxtIsAUsageError) {
    for (const char* name : {"r.xml", "r", "r.json.bak", "r.tx"}) {
        const CliRun result = run({"single", "D:\\quarix\\motor.zat", "motor", "--report", reportPath(name)});
        EXPECT_EQ(result.exitCode, 2) << name;
        EXPECT_NE(result.err.find("--report"), std::string::npos) << name;
        EXPECT_FALSE(fs::exists(reportPath(name))) << name;
        EXPECT_FALSE(fs::exists(tmp.path() / "quarix/motor.krp")) << name << ": nothing converted";
    }
}

TEST_F(ReportTest, JsonStringsEscapeEveryByte) {
    struct Case {
        std::string option;  // replaces the first -xref of the Nerak example
        std::string json;    // how its "option" field is written
    };
    const Case cases[] = {
        {"-x\xe9z", "\"option\": \"-x\\u00e9z\""},                        // not UTF-8: the byte
        {"-x\xc3\xa9z", "\"option\": \"-x\xc3\xa9z\""},                   // UTF-8 is kept
        {"-x\xc3z", "\"option\": \"-x\\u00c3z\""},                        // a cut sequence: the byte
        {"-x\xed\xa0\x80z", "\"option\": \"-x\\u00ed\\u00a0\\u0080z\""},  // a surrogate is not UTF-8
        {"-x\\y", "\"option\": \"-x\\\\y\""},
        {"-x\x7fz", "\"option\": \"-x\\u007fz\""},
    };
    for (const Case& c : cases) {
        fs::copy_file(fs::path(Z2K_EXAMPLES_DIR) / "nerak/sensor.zat", tmp.path() / "nerak/sensor.zat",
                      fs::copy_options::overwrite_existing);
        edit("nerak/sensor.zat", "-xref", c.option);
        const CliRun result =
            run({"single", "D:\\nerak\\sensor.zat", "sensor", "--report", reportPath("e.json")});
        ASSERT_EQ(result.exitCode, 0) << c.json << result.err;
        const std::string json = test::readBytes(reportPath("e.json"));
        EXPECT_NE(json.find(c.json), std::string::npos) << c.json << "\n" << json;
    }
}

TEST_F(ReportTest, AReportThatCannotBeWrittenFailsTheRun) {
    const CliRun result = run({"single", "D:\\quarix\\motor.zat", "motor", "--report",
                               (reports.path() / "missing" / "r.json").string()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("error: cannot write the report"), std::string::npos) << result.err;
}

}  // namespace
}  // namespace z2k
