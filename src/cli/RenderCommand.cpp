// fulgrane3d-cli render: steps a project's effect to a frame and writes the
// 3D view's picture of it (grid, particles, gizmos, overlay) as the editor
// would show it, with the project's camera and background, headless.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include <QImage>

#include "cli/ArgParse.h"
#include "cli/Commands.h"
#include "cli/ParticleLimitNotice.h"
#include "cli/ToolSession.h"
#include "render/OverlayCounters.h"
#include "render/ParticleDraws.h"
#include "render/RenderTarget.h"
#include "render/camera/Camera.h"
#include "render/export/ExportFormat.h"
#include "render/export/ImageFileWriter.h"
#include "simulation/Simulation.h"
#include "text/Format.h"

namespace fg::cli {
namespace {

constexpr const char* kUsage =
    "usage: fulgrane3d-cli render PROJECT --frame F -o OUT.png [--width W --height H] [--no-overlay]\n"
    "                             [--counters none|frame,particles,fps] [--paused] [--particle-limit L]\n";
// Larger views than this are refused rather than risking an allocation failure.
constexpr int kMaxViewSide = 8192;

struct RenderOptions {
    std::string project;
    long long frame = -1;
    std::string output;
    int width = 640;
    int height = 480;
    bool overlay = true;
    CounterOptions counters;
    bool paused = false;  // the pause mark after the frame line, as a paused preview shows it
    std::uint32_t particleLimit = Simulation::kDefaultParticleLimit;
};

// "none", or the counters to show separated by commas: as the editor's
// 表示 menu leaves them, so that the two pictures can be compared.
bool parseCounters(const std::string& text, CounterOptions& counters) {
    counters = {false, false, false};
    if (text == "none") return true;
    std::size_t begin = 0;
    while (begin <= text.size()) {
        const std::size_t end = std::min(text.find(',', begin), text.size());
        const std::string name = text.substr(begin, end - begin);
        if (name == "frame") {
            counters.showFrame = true;
        } else if (name == "particles") {
            counters.showParticles = true;
        } else if (name == "fps") {
            counters.showFps = true;
        } else {
            return false;
        }
        begin = end + 1;
    }
    return true;
}

std::optional<RenderOptions> parseOptions(const Args& args) {
    RenderOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        bool ok = true;
        if (arg == "--frame") {
            ok = hasValue && parseInt(args[++i], options.frame) && options.frame >= 0;
        } else if (arg == "-o" || arg == "--output") {
            ok = hasValue && !args[i + 1].empty();
            if (ok) options.output = args[++i];
        } else if (arg == "--width") {
            ok = hasValue && parseInt(args[++i], options.width) && options.width > 0 && options.width <= kMaxViewSide;
        } else if (arg == "--height") {
            ok = hasValue && parseInt(args[++i], options.height) && options.height > 0 &&
                 options.height <= kMaxViewSide;
        } else if (arg == "--particle-limit") {
            ok = hasValue && parseInt(args[++i], options.particleLimit) && options.particleLimit > 0;
        } else if (arg == "--counters") {
            ok = hasValue && parseCounters(args[++i], options.counters);
        } else if (arg == "--paused") {
            options.paused = true;
        } else if (arg == "--no-overlay") {
            options.overlay = false;
        } else if (arg.starts_with("-") || !options.project.empty()) {
            ok = false;
        } else {
            options.project = arg;
        }
        if (!ok) {
            std::fprintf(stderr, "fulgrane3d-cli render: bad argument \"%s\"\n%s", arg.c_str(), kUsage);
            return std::nullopt;
        }
    }
    if (options.project.empty() || options.frame < 0 || options.output.empty()) {
        std::fputs(kUsage, stderr);
        return std::nullopt;
    }
    return options;
}

}  // namespace

int runRender(const Args& args) {
    const std::optional<RenderOptions> options = parseOptions(args);
    if (!options) return 2;

    const std::unique_ptr<OpenedProject> opened = openToolProject(options->project);
    if (!opened) return 1;
    const EditorState& g = opened->g;
    std::optional<HeadlessRenderer> headless = createHeadlessRenderer("render", g);
    if (!headless) return 1;
    Renderer& renderer = *headless->renderer;

    Camera camera = projectCamera(g);
    camera.updateMatrices(options->width, options->height);

    // The view draws after every step; leave each step as its draw would.
    Simulation simulation(g);
    simulation.setParticleLimit(options->particleLimit);
    for (long long i = 0; i < options->frame; ++i) {
        simulation.step();
        settleAsDrawn(simulation, camera.eye, renderer.assets());
    }

    reportParticleLimit("render", simulation, "--particle-limit changes it");

    std::string problem;
    const std::unique_ptr<RenderTarget> target = RenderTarget::create(options->width, options->height, &problem);
    if (!target) {
        std::fprintf(stderr, "fulgrane3d-cli render: cannot make a %d×%d view: %s\n", options->width, options->height,
                     problem.c_str());
        return 1;
    }
    target->bind();
    PreviewFrame frame;
    frame.viewWidth = options->width;
    frame.viewHeight = options->height;
    frame.project = &g.project;
    frame.selectedNodeId = g.tree.selected() ? g.tree.selected()->m_ID : -1;
    frame.overlay = options->overlay;
    frame.counters = options->counters;
    frame.paused = options->paused;
    renderer.renderFrame(simulation, camera, frame);

    // The view shows colours only; alpha left by blending is not part of the picture.
    const QImage picture = target->readImage().convertToFormat(QImage::Format_RGB888);
    if (problem = takeGlErrors(); !problem.empty() || picture.isNull()) {
        std::fprintf(stderr, "fulgrane3d-cli render: the view could not be drawn: %s\n",
                     problem.empty() ? "no memory for the picture" : problem.c_str());
        return 1;
    }
    // The extension picks the format in either case; an unknown one gives PNG.
    if (const Message error = writeImageFile(picture, options->output, formatForExtension(fileExtension(options->output)));
        !error.empty()) {
        std::fprintf(stderr, "fulgrane3d-cli render: cannot write %s: %s\n", options->output.c_str(),
                     text::formatUtf8(error).c_str());
        return 1;
    }
    return 0;
}

}  // namespace fg::cli
