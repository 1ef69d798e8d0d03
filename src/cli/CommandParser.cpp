#include "cli/CommandParser.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cctype>
#include <memory>

#include "cli/UsageFormatter.h"
#include "options/Families.h"
#include "textdb/LockPolicy.h"

namespace z2k {

namespace {

// The values --family accepts, in the order of the family table.
std::vector<std::string> familyNames() {
    std::vector<std::string> names;
    for (const FamilyInfo& family : kFamilies) names.emplace_back(family.name);
    return names;
}

constexpr const char* kExamples =
    "\nExamples:\n"
    "  zat2kor single /home/ann/motor/motor.zat motor\n"
    "      converts motor.zat into motor.krp and writes the workspace motor.krs beside it\n"
    "  zat2kor multiple --family \"Quarix RISC engine\" /home/ann/projects all\n"
    "      converts every Quarix project below /home/ann/projects and lists them in the\n"
    "      workspace /home/ann/projects/all.krs\n"
    "  zat2kor single --drive D=/mnt/old 'D:\\motor\\motor.zat' motor\n"
    "      works on a path in drive form, with D: standing for the folder /mnt/old\n";

void addCommonOptions(CLI::App& command, CommandArguments& args) {
    command
        .add_option("--drive", args.drives, "Maps a drive letter to a host folder (X=DIR); Z: is the root /")
        ->type_name("X=DIR")
        // One mapping per --drive: the words after it are the command's own.
        ->allow_extra_args(false);
    command.add_option("--code-page", args.codePage, "The code page of the projects (default: the locale's)")
        ->check(CLI::IsMember({"single", "cp932", "utf8"}))
        ->type_name("CP");
    command.add_flag("--no-backup", args.noBackup,
                     "Does not keep NAME.krp.bak / NAME.krs.bak of replaced files");
    command.add_flag("--dry-run", args.dryRun, "Converts and reports but writes no .krp, .krs or .bak file");
    command
        .add_option("--report", args.reportFile,
                    "Writes the options carried over unconverted or dropped to FILE (.json or .txt)")
        ->type_name("FILE");
    // The largest wait below the value that means "no limit".
    command
        .add_option("--lock-timeout", args.lockTimeout,
                    "Gives up on a file whose lock another process holds after SECONDS (default: waits)")
        ->check(CLI::Range(0.0, (kInfiniteLockWait - 1) / 1000.0))
        ->type_name("SECONDS");
    command.add_flag("--quiet", args.quiet, "Prints only errors and warnings (before --verbose)");
    command.add_flag("--verbose", args.verbose, "Prints every step of the conversion and how each path was formed");
}

// The first word of the command line that names no option of the command (nor of the
// program): "--name" or "--name=value" and "-x".
std::string unknownOption(const CLI::App& app, const CLI::App* command, int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--") break;
        // A negative number is a value, never an option.
        if (word.size() < 2 || word[0] != '-' || std::isdigit(static_cast<unsigned char>(word[1]))) continue;
        const std::string name = word.substr(0, word.find('='));
        const bool known = (command != nullptr && command->get_option_no_throw(name) != nullptr) ||
                           app.get_option_no_throw(name) != nullptr;
        if (!known) return name;
    }
    return {};
}

std::vector<std::string> optionNames(const CLI::App& app, const CLI::App* command) {
    std::vector<std::string> names;
    for (const CLI::App* owner : {&app, command}) {
        if (owner == nullptr) continue;
        for (const CLI::Option* option : owner->get_options())
            for (const std::string& name : option->get_lnames()) names.push_back("--" + name);
    }
    return names;
}

// "zat2kor: TEXT" and, when a near name is known, "; did you mean 'NAME'?"; exit status 2.
int usageError(std::ostream& err, const std::string& text, const std::string& nearest, const std::string& help) {
    err << "zat2kor: " << text;
    if (!nearest.empty()) err << "; did you mean '" << nearest << "'?";
    err << " (see '" << help << " --help')\n";
    return 2;
}

}  // namespace

std::string closestMatch(std::string_view word, const std::vector<std::string>& candidates) {
    std::string best;
    std::size_t bestDistance = std::max<std::size_t>(2, word.size() / 3) + 1;
    for (const std::string& candidate : candidates) {
        // Levenshtein distance in one row: time |word| x |candidate|.
        std::vector<std::size_t> row(candidate.size() + 1);
        for (std::size_t j = 0; j <= candidate.size(); ++j) row[j] = j;
        for (std::size_t i = 1; i <= word.size(); ++i) {
            std::size_t diagonal = row[0];
            row[0] = i;
            for (std::size_t j = 1; j <= candidate.size(); ++j) {
                const std::size_t above = row[j];
                row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (word[i - 1] == candidate[j - 1] ? 0 : 1)});
                diagonal = above;
            }
        }
        if (row.back() < bestDistance) {
            bestDistance = row.back();
            best = candidate;
        }
    }
    return best;
}

std::optional<int> parseCommand(int argc, char** argv, CommandArguments& args, std::ostream& out,
                                std::ostream& err) {
    CLI::App app{"zat2kor: converts ZAT projects into KOR projects and workspaces", "zat2kor"};
    app.formatter(std::make_shared<UsageFormatter>());
    app.set_version_flag("--version", std::string("zat2kor ") + ZAT2KOR_VERSION);
    app.set_help_all_flag("--help-all", "Prints the help of every command and exits");
    app.require_subcommand(1, 1);
    app.footer(kExamples);

    CLI::App* single =
        app.add_subcommand("single", "Converts one ZAT project into a new workspace beside it");
    addCommonOptions(*single, args);
    single->add_option("ZAT_FILE", args.path, "The ZAT project file (.zat)")->required();
    single->add_option("WORKSPACE_NAME", args.workspaceName, "The name of the new KOR workspace")->required();
    single->footer(kExamples);

    CLI::App* multiple = app.add_subcommand(
        "multiple", "Converts every ZAT project of one CPU family below a folder into one workspace");
    addCommonOptions(*multiple, args);
    multiple->add_option("DIRECTORY", args.path, "The folder searched for ZAT projects")->required();
    multiple->add_option("WORKSPACE_NAME", args.workspaceName, "The name of the new KOR workspace")
        ->required();
    multiple->add_option("--family", args.family, "The CPU family of the projects to convert")
        ->check(CLI::IsMember(familyNames()))
        ->type_name("FAMILY")
        ->required();
    multiple->footer(kExamples);

    const std::vector<std::string> commands{"single", "multiple"};
    // The first word that is not an option names the command.
    for (int i = 1; i < argc && argv[i][0] != '-'; ++i) {
        if (std::find(commands.begin(), commands.end(), argv[i]) != commands.end()) break;
        return usageError(err, std::string("unknown command '") + argv[i] + "'", closestMatch(argv[i], commands),
                          "zat2kor");
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        if (e.get_exit_code() == 0) return app.exit(e, out, err);
        const CLI::App* command = single->parsed() ? single : multiple->parsed() ? multiple : nullptr;
        const std::string help = command != nullptr ? "zat2kor " + command->get_name() : "zat2kor";
        const std::string option = unknownOption(app, command, argc, argv);
        if (!option.empty())
            return usageError(err, "unknown option '" + option + "'", closestMatch(option, optionNames(app, command)),
                              help);
        if (command == nullptr) return usageError(err, "a command is required: single or multiple", "", help);
        return usageError(err, e.what(), "", help);
    }
    args.single = single->parsed();
    return std::nullopt;
}

}  // namespace z2k
