// fulgrane3d-cli simulate: runs a project's effect headless and prints the
// particles after every step, one JSON line per step.

#include <charconv>
#include <cstdio>
#include <optional>
#include <string>

#include "cli/Commands.h"
#include "model/EditorState.h"
#include "persistence/OpenProject.h"
#include "persistence/Workspace.h"
#include "simulation/SimulateOutput.h"
#include "simulation/Simulation.h"

namespace fg::cli {
namespace {

constexpr const char* kUsage = "usage: fulgrane3d-cli simulate PROJECT --frames N [--seed S] [--file-version V]\n";

struct SimulateOptions {
    std::string project;
    long long frames = -1;
    std::optional<std::int32_t> seed;
    std::optional<int> fileVersion;
};

template <class Int>
bool parseInt(const std::string& text, Int& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

// Reads the arguments; prints what is wrong and returns nothing on error.
std::optional<SimulateOptions> parseOptions(const Args& args) {
    SimulateOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        bool ok = true;
        if (arg == "--frames") {
            ok = hasValue && parseInt(args[++i], options.frames) && options.frames >= 0;
        } else if (arg == "--seed") {
            std::int32_t seed = 0;
            ok = hasValue && parseInt(args[++i], seed);
            options.seed = seed;
        } else if (arg == "--file-version") {
            int version = 0;
            ok = hasValue && parseInt(args[++i], version);
            options.fileVersion = version;
        } else if (arg.starts_with("--") || !options.project.empty()) {
            ok = false;
        } else {
            options.project = arg;
        }
        if (!ok) {
            std::fprintf(stderr, "fulgrane3d-cli simulate: bad argument \"%s\"\n%s", arg.c_str(), kUsage);
            return std::nullopt;
        }
    }
    if (options.project.empty() || options.frames < 0) {
        std::fputs(kUsage, stderr);
        return std::nullopt;
    }
    return options;
}

}  // namespace

int runSimulate(const Args& args) {
    const std::optional<SimulateOptions> options = parseOptions(args);
    if (!options) return 2;

    std::string error;
    std::optional<ScopedWorkspace> workspace = ScopedWorkspace::createForTool(&error);
    if (!workspace) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    EditorState g;
    g.workDir = workspace->path().string();
    const OpenProjectResult opened = openProjectForTool(g, options->project, options->fileVersion);
    if (!opened.ok) {
        std::fprintf(stderr, "%s\n", opened.message.c_str());
        return 1;
    }
    if (options->seed) g.project.randomSeed = *options->seed;

    Simulation simulation(g);
    std::string line;
    for (long long i = 0; i < options->frames; ++i) {
        simulation.step();
        line.clear();
        appendSimulateLine(simulation, simulation.frame() - 1, line);
        std::fwrite(line.data(), 1, line.size(), stdout);
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace fg::cli
