// The memory an animated export of 600 frames needs: 600 intermediate frames
// of 128 × 128 are composed into one GIF and one WebP. Reported as the
// process's peak resident size and its growth over the composition; run one
// benchmark per process (--benchmark_filter), as the peak only ever rises.
// Measured when written (RelWithDebInfo, growth over the composition): GIF
// 5.3 MB, WebP 4.1 MB, mostly the compressed file itself; 44.3 MB and
// 43.2 MB while every frame was held until the encoder took them all.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QImage>
#include <cstdio>
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

constexpr int kFrames = 600;
constexpr int kSide = 128;

double peakResidentMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

// A frame that changes from one image to the next, with clear corners.
QImage frameAt(int index) {
    QImage image(kSide, kSide, QImage::Format_ARGB32);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const bool clear = (x < 8 && y < 8) || (x >= kSide - 8 && y >= kSide - 8);
            const int dx = x - (index * 5) % kSide;
            const int dy = y - kSide / 2;
            const int glow = std::max(0, 255 - (dx * dx + dy * dy) / 4);
            image.setPixel(x, y, clear ? qRgba(0, 0, 0, 0) : qRgba(glow, glow / 2, (index * 7) % 256, 255));
        }
    }
    return image;
}

struct Frames {
    fs::path dir;
    static Frames& get() {
        static Frames frames;
        return frames;
    }
    ~Frames() {
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }

private:
    Frames() {
        std::random_device seed;
        dir = fs::temp_directory_path() / ("fg-animated-bench-" + std::to_string(seed()));
        fs::create_directories(dir / "render");
        for (int i = 0; i < kFrames; ++i) {
            if (!writeIntermediateFrame(frameAt(i), intermediateFramePath(dir / "render", i)).empty()) std::exit(1);
        }
    }
};

void composeAnimated(benchmark::State& state, const char* name) {
    Frames& frames = Frames::get();
    ComposeRequest request;
    request.renderDir = frames.dir / "render";
    request.lastIndex = kFrames - 1;
    request.plan.start = 1;
    request.plan.end = kFrames;
    request.plan.imageCount = kFrames;
    request.plan.frameWidth = kSide;
    request.plan.frameHeight = kSide;
    request.plan.engine.animated = true;
    request.fps = 30;
    request.destination = (frames.dir / name).string();
    const double before = peakResidentMegabytes();
    for (auto _ : state) {
        const ComposeResult result = composeExport(request);
        if (!result.ok()) state.SkipWithError("the export failed");
    }
    const double peak = peakResidentMegabytes();
    state.counters["peak_MB"] = peak;
    state.counters["growth_MB"] = peak - before;
    std::error_code ignored;
    state.counters["file_MB"] = static_cast<double>(fs::file_size(request.destination, ignored)) / (1024.0 * 1024.0);
}

void BM_AnimatedGif600(benchmark::State& state) {
    composeAnimated(state, "long.gif");
}
void BM_AnimatedWebp600(benchmark::State& state) {
    composeAnimated(state, "long.webp");
}

BENCHMARK(BM_AnimatedGif600)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnimatedWebp600)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace fg
