#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QString>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>

#include "RendererTest.h"
#include "model/EditorState.h"
#include "persistence/Messages.h"
#include "render/RenderTarget.h"
#include "render/Renderer.h"
#include "render/export/ExportFrames.h"
#include "render/export/SheetComposer.h"

namespace fg {
namespace {

namespace fs = std::filesystem;

// A node that shows one large camera-facing particle at the origin from frame
// 1 on, coloured by flat curves (y 0 is full, 100 is none).
Node& addFlatParticle(EditorState& g, float red, float green, float blue, float opacity, bool additive = false) {
    Node& node = g.tree.addChild(g.tree.root());
    node.m_scale.max = 50;
    node.m_kill.span = 1000;
    node.m_texture.isAdd = additive ? 1 : 0;
    const float values[4] = {red, green, blue, opacity};
    for (int c = 0; c < 4; ++c) {
        const float y = 100.0f - values[c] * 100.0f;
        node.curve(kCurveRed + c).setPoints({{0, y}, {100, y}});
        node.curve(kCurveRed + c).rebuild();
    }
    return node;
}

// The shared headless context of the pixel tests, with a whole renderer.
class ExportFramesTest : public test::RendererTest<> {
protected:
    void SetUp() override {
        RendererTest::SetUp();
        std::random_device seed;
        m_workDir = fs::temp_directory_path() / ("fg-export-" + std::to_string(seed()));
        fs::create_directories(m_workDir);
        m_g.tree = EffectTree();
        m_g.project.width = 64;
        m_g.project.height = 64;
        m_g.project.backColor = {10, 20, 30};
    }
    void TearDown() override { fs::remove_all(m_workDir); }

    ExportPlan plan(int start, int end, int step, int smooth = 1) const {
        WriteSettings write;
        write.start = start;
        write.end = end;
        write.step = step;
        write.smooth = smooth;
        ExportPlan result;
        EXPECT_FALSE(acceptExportSettings(write, m_g.project, result));
        return result;
    }

    ExportFramesResult run(const ExportPlan& p, const ExportProgress& progress = {}) {
        Simulation simulation(m_g);
        return exportFrames(*s_renderer, simulation, Camera{}, p, m_workDir, progress);
    }

    QImage image(int index) const {
        return QImage(QString::fromStdString(intermediateFramePath(exportRenderFolder(m_workDir), index).string()));
    }

    // The centre pixel of image 0, straight RGBA.
    QColor centre() const {
        const QImage picture = image(0);
        return picture.pixelColor(picture.width() / 2, picture.height() / 2);
    }

    static void expectColor(QColor actual, int r, int g, int b, int a) {
        EXPECT_NEAR(actual.red(), r, 2);
        EXPECT_NEAR(actual.green(), g, 2);
        EXPECT_NEAR(actual.blue(), b, 2);
        EXPECT_NEAR(actual.alpha(), a, 2);
    }

    EditorState m_g;
    fs::path m_workDir;
};

TEST_F(ExportFramesTest, BackgroundKeepsItsColourWithAlphaZero) {
    ASSERT_TRUE(run(plan(1, 1, 1)).ok());
    const QImage picture = image(0);
    ASSERT_EQ(picture.size(), QSize(64, 64));
    const QColor corner = picture.pixelColor(0, 0);
    EXPECT_EQ(corner.alpha(), 0);
    // Straight alpha keeps the cleared colour even where nothing covers it.
    EXPECT_EQ(picture.convertToFormat(QImage::Format_ARGB32).pixel(0, 0), qRgba(10, 20, 30, 0));
}

TEST_F(ExportFramesTest, OneLayerOverTheClearBackgroundKeepsColourAndAlpha) {
    addFlatParticle(m_g, 1.0f, 0.5f, 0.0f, 0.5f);
    ASSERT_TRUE(run(plan(1, 1, 1)).ok());
    expectColor(centre(), 255, 128, 0, 128);
}

TEST_F(ExportFramesTest, HalfAlphaOverAnOpaquePixelAverages) {
    m_g.project.reverse = 1;  // first to last: the translucent particle is drawn last
    addFlatParticle(m_g, 0.0f, 0.0f, 1.0f, 1.0f);
    addFlatParticle(m_g, 1.0f, 0.0f, 0.0f, 0.5f);
    ASSERT_TRUE(run(plan(1, 1, 1)).ok());
    expectColor(centre(), 128, 0, 128, 255);
}

TEST_F(ExportFramesTest, AdditiveOverAnOpaquePixelGivesTheClampedSum) {
    m_g.project.reverse = 1;
    addFlatParticle(m_g, 0.75f, 0.0f, 1.0f, 1.0f);
    addFlatParticle(m_g, 1.0f, 0.25f, 0.0f, 0.5f, true);
    ASSERT_TRUE(run(plan(1, 1, 1)).ok());
    // red 0.75 + 1 × 0.5 is clamped to 1; green 0 + 0.25 × 0.5; blue stays.
    expectColor(centre(), 255, 32, 255, 255);
}

TEST_F(ExportFramesTest, RangeAndStepDecideTheImages) {
    addFlatParticle(m_g, 1, 1, 1, 1);
    ExportFramesResult result = run(plan(1, 10, 3));  // frames 1, 4, 7, 10
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.lastIndex, 3);
    EXPECT_FALSE(image(3).isNull());
    EXPECT_TRUE(image(4).isNull());

    result = run(plan(5, 5, 1));
    EXPECT_EQ(result.lastIndex, 0);

    // Up to the effect's last frame: the loop ends when the effect would wrap.
    result = run(plan(55, 60, 1));
    EXPECT_EQ(result.lastIndex, 5);
}

TEST_F(ExportFramesTest, SmoothingRendersAtTheSupersampledSize) {
    m_g.project.width = 200;
    m_g.project.height = 100;
    addFlatParticle(m_g, 1, 1, 1, 1);
    const ExportPlan p = plan(1, 2, 1, 2);
    ASSERT_TRUE(run(p).ok());
    EXPECT_EQ(image(0).size(), QSize(400, 200));

    ComposeRequest request;
    request.renderDir = exportRenderFolder(m_workDir);
    request.lastIndex = 1;
    request.plan = p;
    request.destination = (m_workDir / "sheet.png").string();
    ASSERT_TRUE(composeExport(request).ok());
    EXPECT_EQ(QImage(QString::fromStdString(request.destination)).size(), QSize(400, 100));  // two 200 × 100 cells
}

TEST_F(ExportFramesTest, ProgressCountsBothCullPassesAndCanCancel) {
    addFlatParticle(m_g, 1, 1, 1, 1);
    std::vector<std::pair<int, int>> calls;
    ExportFramesResult result = run(plan(1, 3, 1), [&](int done, int total) {
        calls.emplace_back(done, total);
        return true;
    });
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(calls, (std::vector<std::pair<int, int>>{{1, 6}, {2, 6}, {3, 6}, {4, 6}, {5, 6}, {6, 6}}));

    fs::remove_all(exportRenderFolder(m_workDir));
    result = run(plan(1, 3, 1), [](int, int) { return false; });
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(result.lastIndex, 0);
    EXPECT_FALSE(image(0).isNull());
    EXPECT_TRUE(image(1).isNull());
}

TEST_F(ExportFramesTest, TheLargestExportTheDialogAllowsComposesEveryFrame) {
    // 2048 × 2048 at smoothing 6 renders at 12 288 px: far above the 128 MB
    // that Qt's image reader accepts unless told otherwise.
    m_g.project.width = kMaxFrameSize;
    m_g.project.height = kMaxFrameSize;
    addFlatParticle(m_g, 1.0f, 0.5f, 0.0f, 1.0f);
    ExportPlan p = plan(1, 2, 1, kMaxSmooth);
    ASSERT_EQ(p.renderWidth(), 12288);
    const TargetLimits limits = currentTargetLimits();
    if (p.renderWidth() > limits.maxWidth || p.renderHeight() > limits.maxHeight) {
        // A GL that cannot draw so large refuses cleanly; the largest frame
        // it can draw must then still export.
        EXPECT_EQ(run(p).error.sourceText(),
                  "書き出し用レンダーターゲット作成失敗\n" +
                      targetTooLargeReason(12288, 12288, limits.maxWidth, limits.maxHeight).sourceText());
        m_g.project.width = m_g.project.height = std::min(limits.maxWidth, limits.maxHeight) / kMaxSmooth;
        p = plan(1, 2, 1, kMaxSmooth);
        ASSERT_GT(p.renderWidth(), 5800) << "this GL is too small to test large frames";
    }
    const ExportFramesResult result = run(p);
    ASSERT_TRUE(result.ok()) << result.error.sourceText();
    ASSERT_EQ(result.lastIndex, 1);
    ASSERT_EQ(p.columns, 2);

    ComposeRequest request;
    request.renderDir = exportRenderFolder(m_workDir);
    request.lastIndex = result.lastIndex;
    request.plan = p;
    request.destination = (m_workDir / "sheet.png").string();
    const ComposeResult composed = composeExport(request);
    ASSERT_TRUE(composed.ok()) << composed.error.sourceText();
    const QImage sheet(QString::fromStdString(request.destination));
    ASSERT_EQ(sheet.size(), QSize(2 * p.frameWidth, p.frameHeight));
    for (int cell = 0; cell < 2; ++cell) {
        SCOPED_TRACE(cell);
        expectColor(sheet.pixelColor(cell * p.frameWidth + p.frameWidth / 2, p.frameHeight / 2), 255, 128, 0, 255);
    }
}

TEST_F(ExportFramesTest, ATargetAboveTheContextsLimitIsRefusedBeforeRendering) {
    const TargetLimits limits = currentTargetLimits();
    ExportPlan p = plan(1, 1, 1);
    p.frameWidth = limits.maxWidth / 2 + 1;  // smoothing 2 takes it just past the limit
    p.frameHeight = 4;
    p.smooth = 2;
    const ExportFramesResult result = run(p);
    EXPECT_EQ(result.error.sourceText(),
              "書き出し用レンダーターゲット作成失敗\n１フレームの解像度×滑らかさ（" + std::to_string(p.renderWidth()) +
                  "×8ピクセル）が、この環境で描画できる大きさ（" + std::to_string(limits.maxWidth) + "×" +
                  std::to_string(limits.maxHeight) + "ピクセル）を超えています。");
    EXPECT_EQ(result.lastIndex, -1);
    EXPECT_FALSE(fs::exists(exportRenderFolder(m_workDir)));

    // The target itself refuses what the GL cannot make, and makes what it can.
    std::string error;
    EXPECT_FALSE(RenderTarget::create(limits.maxWidth + 1, 1, &error));
    EXPECT_EQ(error, std::to_string(limits.maxWidth + 1) + "×1 pixels is larger than this OpenGL allows (at most " +
                         std::to_string(limits.maxWidth) + "×" + std::to_string(limits.maxHeight) + ")");
    const std::unique_ptr<RenderTarget> made = RenderTarget::create(16, 8, &error);
    ASSERT_TRUE(made);
    made->bind();
    glClearColor(0.0f, 1.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    const QImage picture = made->readImage();
    ASSERT_EQ(picture.size(), QSize(16, 8));
    EXPECT_EQ(picture.pixelColor(15, 7), QColor(0, 255, 0));
}

TEST_F(ExportFramesTest, AGlErrorWhileDrawingFailsTheExport) {
    addFlatParticle(m_g, 1, 1, 1, 1);
    // Binding a texture name that was never made is an error in a core context.
    const ExportFramesResult result = run(plan(1, 3, 1), [](int, int) {
        glBindTexture(GL_TEXTURE_2D, 0x7fffffff);
        return true;
    });
    EXPECT_EQ(result.error.sourceText(), "書き出し用の画像を描画できませんでした。\nGL_INVALID_OPERATION (0x0502)");
    EXPECT_EQ(result.lastIndex, -1);
    EXPECT_TRUE(image(0).isNull());
    EXPECT_EQ(takeGlErrors(), "");
}

TEST_F(ExportFramesTest, AnIntermediateThatCannotBeWrittenNamesTheFile) {
    addFlatParticle(m_g, 1, 1, 1, 1);
    {
        std::ofstream blocker(exportRenderFolder(m_workDir));  // a file where the folder should be
    }
    const ExportFramesResult result = run(plan(1, 3, 1));
    EXPECT_EQ(result.error.sourceText(), "書き出し用の中間ファイルを保存できませんでした。\n" +
                                             intermediateFramePath(exportRenderFolder(m_workDir), 0).string() + "\n" +
                                             persistence_text::kNotAFolder);
    EXPECT_EQ(result.lastIndex, -1);
}

}  // namespace
}  // namespace fg

namespace fg {
namespace {

// Sparks thrown out during the first 8 of 20 frames that live 30 frames:
// 1.5 passes, so a repeated effect always shows the last pass's sparks too.
void addLongLivedSparks(EditorState& g) {
    g.project.frame = 20;
    g.project.randomSeed = 5;
    Node& node = addFlatParticle(g, 1, 0.5f, 0.2f, 1);
    node.m_scale.max = 6;
    node.m_kill.span = 30;
    node.m_timing.end = 8;
    node.m_timing.num = 2;
    node.m_emitter.type = kEmitterSphere;
    node.m_emitter.size = {4.0f, 4.0f, 4.0f};
    node.m_move.speed = 2;
    node.m_move.speed_err = 50;
}

bool sameImage(const QImage& a, const QImage& b) {
    return !a.isNull() && a == b;
}

TEST_F(ExportFramesTest, LoopExportsAPassThatRepeatsAndCarriesTheLastPassOver) {
    addLongLivedSparks(m_g);
    ExportPlan looped = plan(1, 20, 1);
    looped.engine.loop = true;
    ASSERT_TRUE(run(looped).ok());
    std::vector<QImage> second;
    for (int i = 0; i < 20; ++i) second.push_back(image(i));

    ExportPlan later = looped;
    later.engine.extraLoopCycles = 1;
    ASSERT_TRUE(run(later).ok());
    for (int i = 0; i < 20; ++i) EXPECT_TRUE(sameImage(image(i), second[static_cast<std::size_t>(i)])) << i;

    // Without the loop the first frame starts from nothing; with it the
    // previous pass's sparks are still there.
    ASSERT_TRUE(run(plan(1, 20, 1)).ok());
    EXPECT_FALSE(sameImage(image(0), second[0]));
}

}  // namespace
}  // namespace fg
