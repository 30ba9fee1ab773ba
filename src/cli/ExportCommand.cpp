// fulgrane3d-cli export: the editor's image-sequence export without its
// dialogs. The project's export settings are the defaults; the extension of
// the output path picks the format, as in the editor.

#include <unistd.h>

#include <QCoreApplication>

#include <algorithm>
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
#include "export-service/ExportService.h"
#include "render/export/ExportFormat.h"
#include "render/export/ExportSettings.h"
#include "text/Format.h"

namespace fg::cli {
namespace {

// The extensions of the table's formats that `wanted` accepts, joined by
// `separator`: every one, or only each format's default.
template <typename Wanted>
std::string extensionList(Wanted wanted, const char* separator, bool every) {
    std::string list;
    for (const ExportFormat& format : exportFormats()) {
        if (!wanted(format)) continue;
        for (const std::string_view extension : format.extensions) {
            if (!list.empty()) list += separator;
            list += extension;
            if (!every) break;
        }
    }
    return list;
}

bool isStill(const ExportFormat& format) { return format.still != nullptr; }
bool isAnimation(const ExportFormat& format) { return format.animation != nullptr; }
bool takesQuality(const ExportFormat& format) { return format.animation != nullptr && format.takesQuality; }

std::string usage() {
    return "usage: fulgrane3d-cli export PROJECT -o PATH [--start S --end E --step K --columns C --separate\n"
           "                             --smooth N --alpha|--no-alpha --width W --height H --particle-limit L]\n"
           "                             [--meta json --padding P --extrude --pow2 --loop]\n"
           "                             [--animated [--quality Q]] [--quiet]\n" +
           exportFormatsHelp();
}

// Settings given on the command line; the rest comes from the project.
struct ExportArguments {
    std::string project;
    std::string output;
    std::optional<int> start, end, step, columns, smooth, width, height;
    std::optional<bool> separate, alpha;
    std::uint32_t particleLimit = Simulation::kDefaultParticleLimit;
    EngineExportOptions engine;
    bool quiet = false;
};

// Choices that contradict each other or the output path; empty when fine.
std::string engineOptionsProblem(const ExportArguments& options) {
    if (!options.engine.animated) {
        // A name only an animation can have (.mp4, .webm, .apng, .webp) would
        // otherwise get still PNG bytes under it.
        const std::string extension = lowerCaseExtension(fileExtension(options.output));
        if (onlyAnimationName(extension)) {
            return "a " + extension + " file holds an animation: add --animated";
        }
        if (options.engine.quality >= 0) {
            return "--quality applies to --animated " + extensionList(takesQuality, " or ", false) + " files";
        }
        return {};
    }
    const ExportFormat* format = animationFormatFor(fileExtension(options.output));
    if (!format) return "--animated needs a " + extensionList(isAnimation, " or ", false) + " output path";
    if (options.engine.metaJson) return "--meta json describes sheets and separate files, not animations";
    if (options.separate.value_or(false)) return "--animated writes one file; leave out --separate";
    if (options.engine.quality >= 0 && !format->takesQuality) {
        return "--quality applies to " + extensionList(takesQuality, " or ", false) + " files";
    }
    return {};
}

std::optional<ExportArguments> parseOptions(const Args& args) {
    ExportArguments options;
    const std::pair<const char*, std::optional<int> ExportArguments::*> numbers[] = {
        {"--start", &ExportArguments::start},   {"--end", &ExportArguments::end},
        {"--step", &ExportArguments::step},     {"--columns", &ExportArguments::columns},
        {"--smooth", &ExportArguments::smooth}, {"--width", &ExportArguments::width},
        {"--height", &ExportArguments::height},
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
                             arg.c_str(), range, usage().c_str());
                return std::nullopt;
            }
            std::fprintf(stderr, "fulgrane3d-cli export: bad argument \"%s\"\n%s", arg.c_str(), usage().c_str());
            return std::nullopt;
        }
    }
    if (options.project.empty() || options.output.empty()) {
        std::fputs(usage().c_str(), stderr);
        return std::nullopt;
    }
    if (const std::string problem = engineOptionsProblem(options); !problem.empty()) {
        std::fprintf(stderr, "fulgrane3d-cli export: %s\n%s", problem.c_str(), usage().c_str());
        return std::nullopt;
    }
    return options;
}

void applyOptions(const ExportArguments& options, EditorState& g) {
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

std::string exportFormatsHelp() {
    return "                         the extension picks the format: " + extensionList(isStill, " ", true) +
           "\n                         (any other: .png); --animated: " + extensionList(isAnimation, " ", true) + "\n";
}

int runExport(const Args& args) {
    const std::optional<ExportArguments> options = parseOptions(args);
    if (!options) return 2;
    const std::unique_ptr<OpenedProject> opened = openToolProject(options->project);
    if (!opened) return 1;
    EditorState& g = opened->g;
    applyOptions(*options, g);

    fg::ExportOptions exportOptions;
    exportOptions.destination = options->output;
    exportOptions.engine = options->engine;
    exportOptions.sources = projectSources(options->project);
    exportOptions.particleLimit = options->particleLimit;
    const PreparedExport prepared = ExportService::prepare(g, exportOptions);
    if (const auto* refusal = std::get_if<ExportRefusal>(&prepared)) {
        const std::string message = text::formatUtf8(refusal->message);
        if (refusal->caption.empty()) std::fprintf(stderr, "%s\n", message.c_str());
        else std::fprintf(stderr, "%s: %s\n", text::formatUtf8(refusal->caption).c_str(), message.c_str());
        return 1;
    }
    const ExportTask& task = std::get<ExportTask>(prepared);
    std::optional<HeadlessRenderer> headless = createHeadlessRenderer("export", task.document);
    if (!headless) return 1;

    ExportOutcome outcome;
    {
        ProgressBar bar;
        outcome = ExportService::run(task, *headless->renderer, [&](int done, int total) {
            return options->quiet || bar.update(done, total);
        });
    }
    reportParticleLimit("export", outcome.particleLimit, outcome.skippedSpawns, "--particle-limit changes it");
    if (!outcome.ok()) {
        std::fprintf(stderr, "%s\n", text::formatUtf8(outcome.error).c_str());
        return 1;
    }
    for (const std::string& file : outcome.written) std::printf("%s\n", file.c_str());
    return 0;
}

}  // namespace fg::cli
