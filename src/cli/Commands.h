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
};

int runInfo(const Args& args);
int runSimulate(const Args& args);
int runRender(const Args& args);
int runExport(const Args& args);

}  // namespace fg::cli
