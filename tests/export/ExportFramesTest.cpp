#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QString>
#include <filesystem>
#include <random>

#include "model/EditorState.h"
#include "render/GlTestContext.h"
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
class ExportFramesTest : public test::GlTest {
protected:
    static void SetUpTestSuite() {
        GlTest::SetUpTestSuite();
        RenderError failure;
        s_renderer = Renderer::create(&failure);
        ASSERT_TRUE(s_renderer) << failure.caption << ": " << failure.message;
    }
    static void TearDownTestSuite() {
        s_renderer.reset();
        GlTest::TearDownTestSuite();
    }
    void SetUp() override {
        GlTest::SetUp();
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

    static inline std::unique_ptr<Renderer> s_renderer;
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

}  // namespace
}  // namespace fg
