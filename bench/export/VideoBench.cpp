// Encoding time per frame of the videos and the animated PNG beside the PNG
// sheet of the same frames: 120 intermediate frames of 256 × 256 composed
// once into each file, in one run. Reported as milliseconds per frame and
// as the ratio to the sheet's time. Each time includes reading the
// intermediate frames back, as the export does.
// Measured when written (RelWithDebInfo, two shared cores, wall time): sheet
// 12.9 ms a frame; MP4 5.9 (0.46 × the sheet), WebM 13.1 (1.02 ×), APNG
// 12.9 (1.00 ×).

#include <benchmark/benchmark.h>

#include <QImage>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>

#include "render/export/IntermediateFrames.h"
#include "render/export/SheetComposer.h"

namespace fg {
namespace {

namespace fs = std::filesystem;

constexpr int kFrames = 120;
constexpr int kSide = 256;

// A soft glow that moves from frame to frame over a clear background, as
// an effect's frames look.
QImage frameAt(int index) {
    QImage image(kSide, kSide, QImage::Format_ARGB32);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const int dx = x - (index * 3) % kSide;
            const int dy = y - kSide / 2;
            const int glow = std::max(0, 255 - (dx * dx + dy * dy) / 16);
            image.setPixel(x, y, qRgba(glow, glow / 2, (index * 7) % 256, glow));
        }
    }
    return image;
}

class Scene {
public:
    Scene() {
        std::random_device seed;
        m_dir = fs::temp_directory_path() / ("fg-video-bench-" + std::to_string(seed()));
        fs::create_directories(m_dir / "render");
        for (int i = 0; i < kFrames; ++i) {
            if (!writeIntermediateFrame(frameAt(i), intermediateFramePath(m_dir / "render", i)).empty()) std::exit(1);
        }
    }
    ~Scene() {
        std::error_code ignored;
        fs::remove_all(m_dir, ignored);
    }

    // Milliseconds per frame of composing every frame into `name`; negative
    // when the export failed.
    double msPerFrame(const std::string& name, bool animated) const {
        ComposeRequest request;
        request.renderDir = m_dir / "render";
        request.lastIndex = kFrames - 1;
        request.plan.start = 1;
        request.plan.end = kFrames;
        request.plan.imageCount = kFrames;
        request.plan.columns = 12;
        request.plan.rows = kFrames / 12;
        request.plan.frameWidth = kSide;
        request.plan.frameHeight = kSide;
        request.plan.engine.animated = animated;
        request.backColor = {20, 20, 40};
        request.fps = 30;
        request.destination = (m_dir / name).string();
        const auto start = std::chrono::steady_clock::now();
        const ComposeResult result = composeExport(request);
        const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
        return result.ok() ? spent.count() / kFrames : -1.0;
    }

private:
    fs::path m_dir;
};

void BM_VideoBesidePngSheet(benchmark::State& state) {
    const Scene scene;
    for (auto _ : state) {
        const double sheet = scene.msPerFrame("sheet.png", false);
        const double mp4 = scene.msPerFrame("clip.mp4", true);
        const double webm = scene.msPerFrame("clip.webm", true);
        const double apng = scene.msPerFrame("clip.apng", true);
        if (sheet <= 0 || mp4 <= 0 || webm <= 0 || apng <= 0) {
            state.SkipWithError("an export failed");
            return;
        }
        state.counters["png_sheet_ms_per_frame"] = sheet;
        state.counters["mp4_ms_per_frame"] = mp4;
        state.counters["webm_ms_per_frame"] = webm;
        state.counters["apng_ms_per_frame"] = apng;
        state.counters["mp4_vs_sheet"] = mp4 / sheet;
        state.counters["webm_vs_sheet"] = webm / sheet;
        state.counters["apng_vs_sheet"] = apng / sheet;
    }
}

BENCHMARK(BM_VideoBesidePngSheet)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace fg
