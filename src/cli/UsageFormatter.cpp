#include "cli/UsageFormatter.h"

namespace z2k {

namespace {

// The usage of one command without its "Usage:" label and line end, its required options
// written out after "[OPTIONS]".
std::string commandUsage(const CLI::Formatter& formatter, const CLI::App* app, const std::string& name) {
    std::string usage = formatter.CLI::Formatter::make_usage(app, name);
    usage = usage.substr(usage.find(':') + 1);
    while (!usage.empty() && usage.back() == '\n') usage.pop_back();
    std::string required;
    for (const CLI::Option* option : app->get_options()) {
        if (!option->nonpositional() || !option->get_required()) continue;
        // The type's name without the values its check lists ("FAMILY", not "FAMILY:{...}").
        const std::string type = option->get_type_name();
        required += ' ' + option->get_name() + ' ' + type.substr(0, type.find(':'));
    }
    const std::string badge = " [OPTIONS]";
    const std::size_t at = usage.find(badge);
    if (at != std::string::npos) usage.insert(at + badge.size(), required);
    return usage;
}

}  // namespace

std::string UsageFormatter::make_usage(const CLI::App* app, std::string name) const {
    const std::vector<const CLI::App*> commands =
        app->get_subcommands([](const CLI::App* command) { return !command->get_name().empty(); });
    if (commands.empty() || app->get_parent() != nullptr) return "Usage:" + commandUsage(*this, app, name) + '\n';
    std::string out;
    const char* label = "Usage:";
    for (const CLI::App* command : commands) {
        out += label + commandUsage(*this, command, name + ' ' + command->get_name()) + '\n';
        label = "   or:";
    }
    return out + "   or: " + name + " --help | --help-all | --version\n";
}

std::string UsageFormatter::make_subcommands(const CLI::App* app, CLI::AppFormatMode mode) const {
    if (mode != CLI::AppFormatMode::All) return CLI::Formatter::make_subcommands(app, mode);
    std::string out = CLI::Formatter::make_subcommands(app, CLI::AppFormatMode::Normal);
    for (const CLI::App* command : app->get_subcommands({})) {
        const std::string name = command->get_name();
        std::string text = make_positionals(command) + make_groups(command, CLI::AppFormatMode::Sub);
        text = CLI::detail::find_and_replace(text, "\nPositionals:\n", "\nArguments of " + name + ":\n");
        out += CLI::detail::find_and_replace(text, "\nOptions:\n", "\nOptions of " + name + ":\n");
    }
    return out;
}

}  // namespace z2k
