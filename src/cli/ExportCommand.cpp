// fulgrane3d-cli export: the editor's image-sequence export without its
// dialogs. The project's export settings are the defaults; the extension of
// the output path picks the format, as in the editor.

#include <unistd.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "cli/ArgParse.h"
#include "cli/Commands.h"
#include "cli/ToolSession.h"
#include "render/export/ExportFrames.h"
#include "render/export/ExportSettings.h"
#include "render/export/SheetComposer.h"

namespace fg::cli {
namespace {

constexpr const char* kUsage =
    "usage: fulgrane3d-cli export PROJECT -o PATH [--start S --end E --step K --columns C --separate\n"
    "                             --smooth N --alpha|--no-alpha --width W --height H]\n";

// Settings given on the command line; the rest comes from the project.
struct ExportOptions {
    std::string project;
    std::string output;
    std::optional<int> start, end, step, columns, smooth, width, height;
    std::optional<bool> separate, alpha;
};

std::optional<ExportOptions> parseOptions(const Args& args) {
    ExportOptions options;
    const std::pair<const char*, std::optional<int> ExportOptions::*> numbers[] = {
        {"--start", &ExportOptions::start},   {"--end", &ExportOptions::end},
        {"--step", &ExportOptions::step},     {"--columns", &ExportOptions::columns},
        {"--smooth", &ExportOptions::smooth}, {"--width", &ExportOptions::width},
        {"--height", &ExportOptions::height},
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        bool ok = true;
        bool known = false;
        for (const auto& [name, member] : numbers) {
            if (arg != name) continue;
            known = true;
            int value = 0;
            ok = hasValue && parseInt(args[++i], value);
            options.*member = value;
        }
        if (known) {
        } else if (arg == "-o" || arg == "--output") {
            ok = hasValue && !args[i + 1].empty();
            if (ok) options.output = args[++i];
        } else if (arg == "--separate") {
            options.separate = true;
        } else if (arg == "--alpha" || arg == "--no-alpha") {
            options.alpha = arg == "--alpha";
        } else if (arg.starts_with("-") || !options.project.empty()) {
            ok = false;
        } else {
            options.project = arg;
        }
        if (!ok) {
            std::fprintf(stderr, "fulgrane3d-cli export: bad argument \"%s\"\n%s", arg.c_str(), kUsage);
            return std::nullopt;
        }
    }
    if (options.project.empty() || options.output.empty()) {
        std::fputs(kUsage, stderr);
        return std::nullopt;
    }
    return options;
}

void applyOptions(const ExportOptions& options, EditorState& g) {
    WriteSettings& write = g.write;
    if (options.start) write.start = *options.start;
    if (options.end) write.end = *options.end;
    if (options.step) write.step = *options.step;
    if (options.columns) write.width = *options.columns;
    if (options.smooth) write.smooth = *options.smooth;
    if (options.separate) write.type = *options.separate ? 1 : 0;
    if (options.alpha) write.isAlpha = *options.alpha ? 1 : 0;
    if (options.width) g.project.width = *options.width;
    if (options.height) g.project.height = *options.height;
}

// A bar on a terminal, nothing when stderr goes to a file or a pipe.
class ProgressBar {
public:
    ProgressBar() : m_shown(isatty(STDERR_FILENO) != 0) {}
    ~ProgressBar() {
        if (m_drawn) std::fputc('\n', stderr);
    }
    bool update(int done, int total) {
        if (!m_shown || total <= 0) return true;
        constexpr int kWidth = 40;
        const int filled = done * kWidth / total;
        std::fprintf(stderr, "\r書き出し中 [%.*s%*s] %d/%d", filled, "########################################",
                     kWidth - filled, "", done, total);
        std::fflush(stderr);
        m_drawn = true;
        return true;
    }

private:
    bool m_shown;
    bool m_drawn = false;
};

}  // namespace

int runExport(const Args& args) {
    const std::optional<ExportOptions> options = parseOptions(args);
    if (!options) return 2;
    const std::unique_ptr<OpenedProject> opened = openToolProject(options->project);
    if (!opened) return 1;
    EditorState& g = opened->g;
    applyOptions(*options, g);

    ExportPlan plan;
    if (auto error = acceptExportSettings(g.write, g.project, plan)) {
        std::fprintf(stderr, "%s: %s\n", error->caption.c_str(), error->message.c_str());
        return 1;
    }
    std::optional<HeadlessRenderer> headless = createHeadlessRenderer("export", g);
    if (!headless) return 1;

    Simulation simulation(g);
    ExportFramesResult frames;
    {
        ProgressBar bar;
        frames = exportFrames(*headless->renderer, simulation, projectCamera(g), plan, g.workDir,
                              [&](int done, int total) { return bar.update(done, total); });
    }
    if (!frames.ok()) {
        std::fprintf(stderr, "%s\n", frames.error.c_str());
        return 1;
    }

    ComposeRequest request;
    request.renderDir = exportRenderFolder(g.workDir);
    request.lastIndex = frames.lastIndex;
    request.plan = plan;
    request.backColor = g.project.backColor;
    request.destination = options->output;
    const ComposeResult composed = composeExport(request);
    if (!composed.ok()) {
        std::fprintf(stderr, "%s\n", composed.error.c_str());
        return 1;
    }
    for (const std::string& file : composed.written) std::printf("%s\n", file.c_str());
    return 0;
}

}  // namespace fg::cli
