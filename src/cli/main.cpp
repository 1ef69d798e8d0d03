#include <CLI/CLI.hpp>

#include <iostream>

int main(int argc, char** argv) {
    CLI::App app{"zat2kor: converts ZAT projects into KOR projects and workspaces", "zat2kor"};
    app.set_version_flag("--version", std::string("zat2kor ") + ZAT2KOR_VERSION);
    app.require_subcommand(0, 1);
    CLI11_PARSE(app, argc, argv);
    if (app.get_subcommands().empty()) {
        std::cout << app.help();
        return 2;
    }
    return 0;
}
