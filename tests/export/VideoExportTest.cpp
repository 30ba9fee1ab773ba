// The whole export into videos and animated PNG: a real effect rendered
// offscreen, composed into each file and read back, frame by frame against
// the PNG files the same export writes, with and without the seamless loop.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "RendererTest.h"
#include "VideoDecode.h"
#include "model/EditorState.h"
#include "render/Renderer.h"
#include "render/export/ExportFormat.h"
#include "render/export/ExportFrames.h"
#include "render/export/SheetComposer.h"

namespace fg {
namespace {

namespace fs = std::filesystem;

constexpr Vec3f kBackColor{10, 20, 30};

// Sparks thrown out during the first 8 of 20 frames that live 30 frames, so
// a repeated pass starts with the previous pass's sparks still flying.
void addLongLivedSparks(EditorState& g) {
    g.project.frame = 20;
    g.project.randomSeed = 5;
    Node& node = g.tree.addChild(g.tree.root());
    node.m_scale.max = 6;
    node.m_kill.span = 30;
    node.m_timing.end = 8;
    node.m_timing.num = 2;
    node.m_emitter.type = kEmitterSphere;
    node.m_emitter.size = {4.0f, 4.0f, 4.0f};
    node.m_move.speed = 2;
    node.m_move.speed_err = 50;
    const float values[4] = {1, 0.5f, 0.2f, 0.8f};
    for (int c = 0; c < 4; ++c) {
        const float y = 100.0f - values[c] * 100.0f;
        node.curve(kCurveRed + c).setPoints({{0, y}, {100, y}});
        node.curve(kCurveRed + c).rebuild();
    }
}

class VideoExportTest : public test::RendererTest<> {
protected:
    void SetUp() override {
        RendererTest::SetUp();
        std::random_device seed;
        m_dir = fs::temp_directory_path() / ("fg-video-export-" + std::to_string(seed()));
        fs::create_directories(m_dir / "out");
        m_g.tree = EffectTree();
        m_g.project.width = 47;  // odd: the MP4 gets one more column and row
        m_g.project.height = 35;
        m_g.project.fps = 30;
        m_g.project.backColor = kBackColor;
        addLongLivedSparks(m_g);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    ExportPlan plan(bool loop, int extraCycles = 0) const {
        WriteSettings write;
        write.start = 1;
        write.end = 20;
        write.step = 2;
        write.isAlpha = 1;
        ExportPlan result;
        EXPECT_FALSE(acceptExportSettings(write, m_g.project, result));
        result.engine.loop = loop;
        result.engine.extraLoopCycles = extraCycles;
        return result;
    }

    // Renders the frames of `p`; the last index, -1 on failure.
    int render(const ExportPlan& p) {
        Simulation simulation(m_g);
        const ExportFramesResult result = exportFrames(*s_renderer, simulation, Camera{}, p, m_dir);
        EXPECT_TRUE(result.ok()) << result.error.sourceText();
        return result.ok() ? result.lastIndex : -1;
    }

    // Composes what was rendered last into `file`, as one animation or as
    // separate PNG files.
    std::string compose(const ExportPlan& rendered, int lastIndex, const std::string& file, bool animated,
                        bool transparent = true) {
        ComposeRequest request;
        request.renderDir = exportRenderFolder(m_dir);
        request.lastIndex = lastIndex;
        request.plan = rendered;
        request.plan.transparent = transparent;
        request.plan.separateFiles = !animated;
        request.plan.engine.animated = animated;
        request.backColor = kBackColor;
        request.fps = m_g.project.fps;
        request.destination = (m_dir / "out" / file).string();
        const ComposeResult result = composeExport(request);
        EXPECT_TRUE(result.ok()) << result.error.sourceText();
        return request.destination;
    }

    // The separate PNG files of the last render, as straight RGBA.
    std::vector<QImage> pngFrames(const ExportPlan& rendered, int lastIndex, const std::string& name,
                                  bool transparent) {
        const std::string first = compose(rendered, lastIndex, name, false, transparent);
        std::vector<QImage> frames;
        for (int i = 0; i <= lastIndex; ++i) {
            frames.push_back(
                QImage(QString::fromStdString(numberedFileName(first, i))).convertToFormat(QImage::Format_RGBA8888));
        }
        return frames;
    }

    fs::path m_dir;
    EditorState m_g;
};

QImage overBack(const QImage& picture) {
    QImage canvas(picture.size(), QImage::Format_ARGB32_Premultiplied);
    canvas.fill(QColor(10, 20, 30));
    QPainter(&canvas).drawImage(0, 0, picture.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    return canvas;
}

TEST_F(VideoExportTest, EachFormatHoldsThePngExportsFrames) {
    const ExportPlan p = plan(false);
    const int last = render(p);
    ASSERT_EQ(last, 9);
    const std::vector<QImage> clear = pngFrames(p, last, "clear.png", true);
    const std::vector<QImage> filled = pngFrames(p, last, "filled.png", false);

    // 20 frames every 2nd at 30 fps: 10 pictures at 15 a second, 2/3 s.
    const test::DecodedVideo apng = test::decodeVideo(compose(p, last, "fire.apng", true));
    const test::DecodedVideo mp4 = test::decodeVideo(compose(p, last, "fire.mp4", true));
    const test::DecodedVideo webm = test::decodeVideo(compose(p, last, "fire.webm", true), "libvpx-vp9");
    for (const test::DecodedVideo* video : {&apng, &mp4, &webm}) {
        ASSERT_TRUE(video->error.empty()) << video->error;
        ASSERT_EQ(video->frames.size(), 10u) << video->codec;
        EXPECT_EQ(video->rateNum, 15 * video->rateDen) << video->codec;
        EXPECT_NEAR(video->framesSeconds, 10 * 2 / 30.0, 0.005) << video->codec;
    }
    EXPECT_NEAR(mp4.seconds, 10 * 2 / 30.0, 0.005);
    EXPECT_NEAR(webm.seconds, 10 * 2 / 30.0, 0.005);
    EXPECT_EQ(apng.width, 47);
    EXPECT_EQ(apng.height, 35);
    EXPECT_EQ(webm.width, 47);
    EXPECT_EQ(webm.height, 35);
    EXPECT_EQ(mp4.width, 48);
    EXPECT_EQ(mp4.height, 36);
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(apng.frames[i], clear[i]) << i;
        // MP4 has no alpha: the background is filled in, as in the opaque PNG.
        EXPECT_GT(test::psnr(mp4.frames[i].copy(0, 0, 47, 35), filled[i]), 30.0) << i;
        EXPECT_LE(test::largestDifference(webm.frames[i], clear[i], 3), 24) << i;
        EXPECT_GT(test::psnr(overBack(webm.frames[i]), overBack(clear[i])), 32.0) << i;
    }
}

// With the loop the first picture already shows the previous pass's sparks:
// it is the picture that follows the last one when the file repeats.
TEST_F(VideoExportTest, LoopedFileFlowsFromTheLastFrameIntoTheFirst) {
    const ExportPlan once = plan(false);
    const int last = render(once);
    ASSERT_EQ(last, 9);
    const std::vector<QImage> fromNothing = pngFrames(once, last, "plain.png", true);

    const ExportPlan nextPass = plan(true, 1);
    ASSERT_EQ(render(nextPass), 9);
    const std::vector<QImage> following = pngFrames(nextPass, last, "next.png", true);

    const ExportPlan looped = plan(true);
    ASSERT_EQ(render(looped), 9);
    const test::DecodedVideo apng = test::decodeVideo(compose(looped, last, "loop.png", true));
    const test::DecodedVideo mp4 = test::decodeVideo(compose(looped, last, "loop.mp4", true, false));
    ASSERT_EQ(apng.frames.size(), 10u);
    ASSERT_EQ(mp4.frames.size(), 10u);
    EXPECT_NE(apng.frames[0], fromNothing[0]);
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(apng.frames[i], following[i]) << i;
        EXPECT_GT(test::psnr(mp4.frames[i].copy(0, 0, 47, 35), overBack(following[i])), 30.0) << i;
    }
}

}  // namespace
}  // namespace fg
