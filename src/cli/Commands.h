#pragma once
// The subcommands of fulgrane3d-cli. Each takes its own arguments (without
// the program and command names) and returns the process exit code; errors go
// to stderr with the editor's message texts.

#include <string>
#include <vector>

namespace fg::cli {

using Args = std::vector<std::string>;

struct Command {
    const char* name;
    const char* synopsis;  // one line for --help
    int (*run)(const Args& args);
    // More lines for --help made at run time (indented, ending in a newline); may be null.
    std::string (*moreHelp)() = nullptr;
};

int runInfo(const Args& args);
int runSimulate(const Args& args);
int runRender(const Args& args);
int runExport(const Args& args);
// The formats export writes, from the format table.
std::string exportFormatsHelp();

}  // namespace fg::cli
