// fulgrane3d-cli export: the editor's image-sequence export without its
// dialogs. The project's export settings are the defaults; the extension of
// the output path picks the format, as in the editor.

#include <unistd.h>

#include <QCoreApplication>

#include <cctype>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "cli/ArgParse.h"
#include "cli/Commands.h"
#include "cli/ParticleLimitNotice.h"
#include "cli/ToolSession.h"
#include "persistence/MaterialFiles.h"
#include "persistence/SaveIni.h"
#include "render/export/AnimatedWriter.h"
#include "render/export/ExportFormat.h"
#include "render/export/ExportPipeline.h"
#include "render/export/ExportSettings.h"

namespace fg::cli {
namespace {

constexpr const char* kUsage =
    "usage: fulgrane3d-cli export PROJECT -o PATH [--start S --end E --step K --columns C --separate\n"
    "                             --smooth N --alpha|--no-alpha --width W --height H --particle-limit L]\n"
    "                             [--meta json --padding P --extrude --pow2 --loop]\n"
    "                             [--animated [--quality Q]] [--quiet]\n";

// Settings given on the command line; the rest comes from the project.
struct ExportOptions {
    std::string project;
    std::string output;
    std::optional<int> start, end, step, columns, smooth, width, height;
    std::optional<bool> separate, alpha;
    std::uint32_t particleLimit = Simulation::kDefaultParticleLimit;
    EngineExportOptions engine;
    bool quiet = false;
};

// Choices that contradict each other or the output path; empty when fine.
std::string engineOptionsProblem(const ExportOptions& options) {
    if (!options.engine.animated) {
        if (options.engine.quality >= 0) return "--quality applies to --animated .webp files";
        return {};
    }
    AnimatedFormat format = AnimatedFormat::Gif;
    if (!animatedFormatFor(fileExtension(options.output), format)) return "--animated needs a .gif or .webp output path";
    if (options.engine.metaJson) return "--meta json describes sheets and separate files, not animations";
    if (options.separate.value_or(false)) return "--animated writes one file; leave out --separate";
    if (options.engine.quality >= 0 && format != AnimatedFormat::Webp) return "--quality applies to .webp files";
    return {};
}

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
        const char* range = nullptr;  // named in the refusal of a number out of range
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
        } else if (arg == "--particle-limit") {
            ok = hasValue && parseInt(args[++i], options.particleLimit) && options.particleLimit > 0;
        } else if (arg == "--meta") {
            ok = hasValue && args[++i] == "json";
            options.engine.metaJson = ok;
        } else if (arg == "--padding") {
            range = "0–64";
            static_assert(kMaxExportPadding == 64);
            ok = hasValue && parseInt(args[++i], options.engine.padding) && options.engine.padding >= 0 &&
                 options.engine.padding <= kMaxExportPadding;
        } else if (arg == "--quality") {
            range = "0–100";
            ok = hasValue && parseInt(args[++i], options.engine.quality) && options.engine.quality >= 0 &&
                 options.engine.quality <= 100;
        } else if (arg == "--extrude") {
            options.engine.extrude = true;
        } else if (arg == "--pow2") {
            options.engine.pow2 = true;
        } else if (arg == "--loop") {
            options.engine.loop = true;
        } else if (arg == "--animated") {
            options.engine.animated = true;
        } else if (arg == "--quiet") {
            options.quiet = true;
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
            if (range) {
                std::fprintf(stderr, "fulgrane3d-cli export: bad argument \"%s\": give a whole number %s\n%s",
                             arg.c_str(), range, kUsage);
                return std::nullopt;
            }
            std::fprintf(stderr, "fulgrane3d-cli export: bad argument \"%s\"\n%s", arg.c_str(), kUsage);
            return std::nullopt;
        }
    }
    if (options.project.empty() || options.output.empty()) {
        std::fputs(kUsage, stderr);
        return std::nullopt;
    }
    if (const std::string problem = engineOptionsProblem(options); !problem.empty()) {
        std::fprintf(stderr, "fulgrane3d-cli export: %s\n%s", problem.c_str(), kUsage);
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

// The files the project was read from: the .nbx, or the settings file (any
// *.ini, as opening takes it) and the materials of a project folder. No
// export output may replace them.
std::vector<std::filesystem::path> projectSources(const std::string& project) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path path(project);
    const bool folder = fs::is_directory(path, ec);
    std::string extension = path.extension().string();
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (!folder && extension != ".ini") return {path};
    const fs::path settings = folder ? path / kSaveIniName : path;
    const fs::path directory = settings.parent_path().empty() ? fs::path(".") : settings.parent_path();
    std::vector<fs::path> sources{settings};
    for (const MaterialFile& material : listMaterialFiles(directory)) sources.push_back(directory / material.fileName);
    return sources;
}

// A bar on a terminal. When stderr goes to a file or a pipe, plain lines
// instead, at most one a second and always the last, so that a long export
// in a script still shows that it moves.
class ProgressBar {
public:
    ProgressBar() : m_terminal(isatty(STDERR_FILENO) != 0) {}
    ~ProgressBar() {
        if (m_drawn) std::fputc('\n', stderr);
    }
    bool update(int done, int total) {
        if (total <= 0) return true;
        if (!m_terminal) {
            const auto now = std::chrono::steady_clock::now();
            if (done < total && now - m_lastLine < std::chrono::seconds(1)) return true;
            m_lastLine = now;
            std::fprintf(stderr, "%s %d/%d\n", m_label.c_str(), done, total);
            return true;
        }
        constexpr int kWidth = 40;
        const int filled = static_cast<int>(std::int64_t{done} * kWidth / total);
        std::fprintf(stderr, "\r%s [%.*s%*s] %d/%d", m_label.c_str(), filled, "########################################",
                     kWidth - filled, "", done, total);
        std::fflush(stderr);
        m_drawn = true;
        return true;
    }

private:
    bool m_terminal;
    std::string m_label = QCoreApplication::translate("fg::cli", "書き出し中").toStdString();
    bool m_drawn = false;
    std::chrono::steady_clock::time_point m_lastLine{};
};

}  // namespace

int runExport(const Args& args) {
    const std::optional<ExportOptions> options = parseOptions(args);
    if (!options) return 2;
    const std::unique_ptr<OpenedProject> opened = openToolProject(options->project);
    if (!opened) return 1;
    EditorState& g = opened->g;
    applyOptions(*options, g);

    ExportRequest request;
    if (auto error = acceptExportSettings(g.write, g.project, request.plan)) {
        std::fprintf(stderr, "%s: %s\n", error->caption.c_str(), error->message.c_str());
        return 1;
    }
    request.plan.engine = options->engine;
    request.destination = options->output;
    request.sources = projectSources(options->project);
    // Refused before a GL context is made; the pipeline checks again.
    if (const auto refused = exportOverwriteError(request)) {
        std::fprintf(stderr, "%s\n", refused->c_str());
        return 1;
    }
    std::optional<HeadlessRenderer> headless = createHeadlessRenderer("export", g);
    if (!headless) return 1;

    request.particleLimit = options->particleLimit;
    ExportOutcome outcome;
    {
        ProgressBar bar;
        outcome = runExportPipeline(*headless->renderer, g, request, [&](int done, int total) {
            return options->quiet || bar.update(done, total);
        });
    }
    reportParticleLimit("export", outcome.particleLimit, outcome.skippedSpawns, "--particle-limit changes it");
    if (!outcome.ok()) {
        std::fprintf(stderr, "%s\n", outcome.error.c_str());
        return 1;
    }
    for (const std::string& file : outcome.written) std::printf("%s\n", file.c_str());
    return 0;
}

}  // namespace fg::cli
