// fulgrane3d-cli simulate: runs a project's effect headless and prints the
// particles after every step, one JSON line per step.

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "cli/ArgParse.h"
#include "cli/Commands.h"
#include "cli/ParticleLimitNotice.h"
#include "cli/StandardOutput.h"
#include "cli/ToolSession.h"
#include "simulation/SimulateOutput.h"
#include "simulation/Simulation.h"

namespace fg::cli {
namespace {

constexpr const char* kUsage =
    "usage: fulgrane3d-cli simulate PROJECT --frames N [--seed S] [--file-version V] [--particle-limit L]\n";

struct SimulateOptions {
    std::string project;
    long long frames = -1;
    std::optional<std::int32_t> seed;
    std::optional<int> fileVersion;
    std::uint32_t particleLimit = Simulation::kDefaultParticleLimit;
};

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
        } else if (arg == "--particle-limit") {
            ok = hasValue && parseInt(args[++i], options.particleLimit) && options.particleLimit > 0;
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

    const std::unique_ptr<OpenedProject> opened = openToolProject(options->project, options->fileVersion);
    if (!opened) return 1;
    EditorState& g = opened->g;
    if (options->seed) g.project.randomSeed = *options->seed;

    Simulation simulation(g);
    simulation.setParticleLimit(options->particleLimit);
    StandardOutput out("simulate");
    std::string line;
    for (long long i = 0; i < options->frames; ++i) {
        simulation.step();
        line.clear();
        appendSimulateLine(simulation, simulation.frame() - 1, line);
        if (!out.write(line)) break;  // nobody reads the rest
    }
    const bool written = out.finish();
    reportParticleLimit("simulate", simulation, "--particle-limit changes it");
    return written ? 0 : 1;
}

}  // namespace fg::cli
