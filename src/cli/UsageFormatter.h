#pragma once
// The help texts' usage lines: a command's required options are named in its usage line
// ("zat2kor multiple [OPTIONS] --family FAMILY DIRECTORY WORKSPACE_NAME"), and the program's
// own usage lists each command on a line of its own, as a manual page's synopsis does. The help
// of every command (--help-all, which the manual page is made from) gives each command's
// arguments and options a section of its own.
#include <CLI/CLI.hpp>

#include <string>

namespace z2k {

class UsageFormatter : public CLI::Formatter {
  public:
    std::string make_usage(const CLI::App* app, std::string name) const override;
    std::string make_subcommands(const CLI::App* app, CLI::AppFormatMode mode) const override;
};

}  // namespace z2k
