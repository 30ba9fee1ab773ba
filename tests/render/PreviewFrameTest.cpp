// Whole preview frames through the Renderer: background, a billboard
// particle, the letterbox, the counters, the icons and the gizmo.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "GlTestContext.h"
#include "model/EditorState.h"
#include "render/Renderer.h"
#include "simulation/Simulation.h"

namespace fg::test {
namespace {

class PreviewFrameTest : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        RenderError error;
        renderer = Renderer::create(&error);
        ASSERT_TRUE(renderer) << error.caption << ": " << error.message;
        g.project.backColor = {0, 0, 0};
    }

    // Draws a live simulation or a published snapshot, as the view does.
    template <class Source>
    QImage render(Source& source, int width, int height, PreviewFrame frame = {}) {
        camera.updateMatrices(width, height);
        RenderTarget target(width, height);
        target.bind();
        frame.viewWidth = width;
        frame.viewHeight = height;
        frame.project = &g.project;
        renderer->renderFrame(source, camera, frame);
        return target.readImage();
    }

    static PreviewFrame withoutOverlay() {
        PreviewFrame frame;
        frame.overlay = false;
        return frame;
    }

    std::unique_ptr<Renderer> renderer;
    EditorState g;
    Camera camera;
};

// Whether every channel of the picture's cell at (x, y) equals `sheet`'s cell
// at (sx, sy) where the sheet is opaque (drawn over black).
::testing::AssertionResult cellShows(const QImage& image, int x, int y, const QImage& sheet, int sx, int sy, int w, int h) {
    int compared = 0;
    for (int j = 0; j < h; ++j) {
        for (int i = 0; i < w; ++i) {
            const QColor expected = sheet.pixelColor(sx + i, sy + j);
            if (expected.alpha() != 255) continue;
            ++compared;
            const Rgba8 got = pixelAt(image, x + i, y + j);
            if (!near(got, {expected.red(), expected.green(), expected.blue(), got.a}, 3)) {
                return ::testing::AssertionFailure() << "pixel (" << x + i << ", " << y + j << ") differs from sheet ("
                                                     << sx + i << ", " << sy + j << ")";
            }
        }
    }
    if (compared == 0) return ::testing::AssertionFailure() << "no opaque sheet pixels to compare";
    return ::testing::AssertionSuccess();
}

int brightPixels(const QImage& image, int x0, int y0, int x1, int y1) {
    int count = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const Rgba8 p = pixelAt(image, x, y);
            if (p.r > 200 && p.g > 200 && p.b > 200) ++count;
        }
    }
    return count;
}

TEST_F(PreviewFrameTest, BackgroundIsTheProjectColour) {
    g.project.backColor = {51, 102, 153};
    Simulation simulation(g);
    const QImage image = render(simulation, 320, 200, withoutOverlay());
    // Above the far edge of the grid nothing is drawn.
    EXPECT_TRUE(near(pixelAt(image, 160, 40), {51, 102, 153, 255}, 1));
    EXPECT_TRUE(near(pixelAt(image, 5, 5), {51, 102, 153, 255}, 1));
}

TEST_F(PreviewFrameTest, BackgroundChannelsOutsideTheRangeClampToIt) {
    g.project.backColor = {1e30f, -1e30f, 3e38f};
    Simulation simulation(g);
    const QImage preview = render(simulation, 64, 64, withoutOverlay());
    EXPECT_TRUE(near(pixelAt(preview, 32, 2), {255, 0, 255, 255}, 0));

    g.project.backColor = {-0.5f, 1e9f, 127.0f};
    simulation.restart(g);
    RenderTarget target(32, 32);
    RenderTarget copy(32, 32);
    renderer->renderExportImage(simulation, camera, target, copy);
    EXPECT_TRUE(near(pixelAt(target.readImage(), 16, 16), {0, 255, 127, 0}, 0));
}

TEST_F(PreviewFrameTest, OpaqueBillboardCoversItsProjectedSquare) {
    Simulation simulation(g);
    simulation.step();
    ASSERT_GE(simulation.particles().size(), 2u);
    // Make the newest particle a plain red unit square at the origin.
    Particle* square = nullptr;
    simulation.particles().forEach([&](Particle& p) { if (!simulation.nodeOf(p).isRoot) square = &p; });
    ASSERT_NE(square, nullptr);
    square->position = {0, 0, 0};
    square->scale = {1, 1, 1};
    square->colour = {1, 0, 0, 1};
    square->facing = kDirFront;
    square->selfAngle = 0;
    simulation.effect()[square->node].params.m_shape.type = kShape2D;
    simulation.effect()[square->node].params.m_texture.ID = -1;

    const QImage image = render(simulation, 200, 200, withoutOverlay());
    // Half a unit at the camera's distance, with a 60° vertical field of view.
    const float distance = std::sqrt(125.0f);
    const float half = 0.5f / (distance * std::tan(3.14159265f / 6.0f)) * 100.0f;
    const Rgba8 red{255, 0, 0, 255};
    EXPECT_TRUE(near(pixelAt(image, 100, 100), red));
    for (int sign : {-1, 1}) {
        const int inside = static_cast<int>(100.0f + static_cast<float>(sign) * (half - 1.5f));
        const int outside = static_cast<int>(100.0f + static_cast<float>(sign) * (half + 1.5f));
        EXPECT_TRUE(near(pixelAt(image, inside, 100), red)) << "x " << inside;
        EXPECT_TRUE(near(pixelAt(image, 100, inside), red)) << "y " << inside;
        EXPECT_NE(pixelAt(image, outside, 100).r, 255) << "x " << outside;
        EXPECT_NE(pixelAt(image, 100, outside).r, 255) << "y " << outside;
    }
}

// Compares a pixel drawn with and without the overlay on a light
// background: the mask halves it.
void expectMasked(const QImage& with, const QImage& without, int x, int y, bool masked) {
    const Rgba8 a = pixelAt(with, x, y);
    const Rgba8 b = pixelAt(without, x, y);
    if (masked) {
        EXPECT_NEAR(a.r, b.r / 2.0, 2.0) << x << ", " << y;
        EXPECT_NEAR(a.b, b.b / 2.0, 2.0) << x << ", " << y;
    } else {
        EXPECT_TRUE(near(a, b, 0)) << x << ", " << y;
    }
}

TEST_F(PreviewFrameTest, WideViewMasksLeftAndRight) {
    g.project.backColor = {200, 200, 200};
    Simulation simulation(g);
    const QImage with = render(simulation, 320, 200);
    const QImage without = render(simulation, 320, 200, withoutOverlay());
    // A square frame in a 320×200 view leaves (320 - 200) / 2 = 60 on each
    // side; the outline takes the two columns of each margin next to the frame.
    expectMasked(with, without, 57, 150, true);
    expectMasked(with, without, 60, 150, false);
    expectMasked(with, without, 259, 150, false);
    expectMasked(with, without, 262, 150, true);
    expectMasked(with, without, 160, 199, false);
}

TEST_F(PreviewFrameTest, TallViewMasksTopAndBottom) {
    g.project.backColor = {200, 200, 200};
    Simulation simulation(g);
    const QImage with = render(simulation, 200, 320);
    const QImage without = render(simulation, 200, 320, withoutOverlay());
    expectMasked(with, without, 100, 57, true);
    expectMasked(with, without, 100, 60, false);
    expectMasked(with, without, 100, 259, false);
    expectMasked(with, without, 100, 262, true);
    expectMasked(with, without, 0, 160, false);
    // The outline: dark against the frame, light beyond it.
    EXPECT_TRUE(near(pixelAt(with, 100, 59), {0, 0, 0, 255}));
    EXPECT_TRUE(near(pixelAt(with, 100, 58), {255, 255, 255, 255}));
    EXPECT_TRUE(near(pixelAt(with, 100, 260), {0, 0, 0, 255}));
    EXPECT_TRUE(near(pixelAt(with, 100, 261), {255, 255, 255, 255}));
}

int greyOf(const Rgba8& p) { return (p.r * 299 + p.g * 587 + p.b * 114) / 1000; }

// What the export leaves out stands apart from what it shows, and the
// frame's edge is drawn, on black, white and mid grey alike; the exported
// area itself is drawn as without the overlay.
TEST_F(PreviewFrameTest, TheExportFrameShowsOnAnyBackground) {
    for (const float level : {0.0f, 255.0f, 128.0f}) {
        SCOPED_TRACE(level);
        g.project.backColor = {level, level, level};
        Simulation simulation(g);
        const QImage with = render(simulation, 320, 200);
        const QImage without = render(simulation, 320, 200, withoutOverlay());
        const int back = static_cast<int>(level);
        // Inside the frame (below the counters): unchanged.
        for (const int x : {60, 61, 160, 258, 259}) {
            for (const int y : {60, 150, 199}) EXPECT_TRUE(near(pixelAt(with, x, y), pixelAt(without, x, y), 0)) << x << ", " << y;
        }
        for (const int side : {-1, 1}) {
            const int edge = side < 0 ? 59 : 260;  // the margin's column against the frame
            // The margins: clearly off the background.
            EXPECT_GE(std::abs(greyOf(pixelAt(with, edge + 30 * side, 150)) - back), 60);
            // The outline: against the frame a line far from the background,
            // beyond it one far from that line.
            const int inner = greyOf(pixelAt(with, edge, 150));
            const int outer = greyOf(pixelAt(with, edge + side, 150));
            EXPECT_GE(std::abs(inner - back), 120) << inner;
            EXPECT_GE(std::abs(outer - inner), 200) << outer;
        }
    }
}

TEST_F(PreviewFrameTest, EqualAspectMasksNothing) {
    g.project.backColor = {200, 200, 200};
    g.project.width = 64;
    g.project.height = 32;
    Simulation simulation(g);
    const QImage with = render(simulation, 200, 100);
    const QImage without = render(simulation, 200, 100, withoutOverlay());
    for (int y : {50, 99}) {
        for (int x : {0, 100, 199}) expectMasked(with, without, x, y, false);
    }
}

TEST_F(PreviewFrameTest, CountersStackFromTheTopAndReadTheFirstFrame) {
    Simulation simulation(g);
    const QImage image = render(simulation, 200, 200);
    const QImage digits(":/fulgrane3d/pictures/digits.png");
    ASSERT_FALSE(digits.isNull());
    // "0000/0060": four zeros, the slash, 0, 0, 6, 0.
    const int glyphs[] = {0, 0, 0, 0, 10, 0, 0, 6, 0};
    for (int i = 0; i < 9; ++i) EXPECT_TRUE(cellShows(image, 10 * i, 0, digits, 10 * glyphs[i], 0, 10, 16)) << i;
    // "Particle" then ":0" (only the root particle lives) at y 18.
    EXPECT_TRUE(cellShows(image, 0, 18, digits, 38, 16, 55, 16));
    EXPECT_TRUE(cellShows(image, 55, 18, digits, 110, 0, 10, 16));
    EXPECT_TRUE(cellShows(image, 65, 18, digits, 0, 0, 10, 16));
    // "FPS" at y 36.
    EXPECT_TRUE(cellShows(image, 0, 36, digits, 0, 16, 32, 16));
}

// Columns of the counter line [x0, x1) × [y, y + 16) with a bright pixel.
std::vector<int> inkColumns(const QImage& image, int x0, int x1, int y) {
    std::vector<int> columns;
    for (int x = x0; x < x1; ++x) {
        for (int j = y; j < y + 16; ++j) {
            const Rgba8 p = pixelAt(image, x, j);
            if (p.r > 150 && p.g > 150 && p.b > 150) {
                columns.push_back(x);
                break;
            }
        }
    }
    return columns;
}

// The spaces between consecutive runs of ink columns.
std::vector<int> inkGaps(const std::vector<int>& columns) {
    std::vector<int> gaps;
    for (std::size_t i = 1; i < columns.size(); ++i) {
        if (columns[i] != columns[i - 1] + 1) gaps.push_back(columns[i] - columns[i - 1] - 1);
    }
    return gaps;
}

// A seven-segment "1" has its ink at the right of its cell: "0016" must not
// read "00 16". Each glyph's ink sits in the middle of its fixed-width cell.
TEST_F(PreviewFrameTest, ANarrowOneLeavesNoGapInTheCounter) {
    g.project.frame = 16;  // "0000/0016"
    Simulation simulation(g);
    const QImage image = render(simulation, 200, 200);
    // The cells of "0", "1" and "6" after the slash: x 60 … 90.
    const std::vector<int> gaps = inkGaps(inkColumns(image, 60, 90, 0));
    ASSERT_EQ(gaps.size(), 2u);
    EXPECT_LE(std::abs(gaps[0] - gaps[1]), 1) << gaps[0] << " before the 1, " << gaps[1] << " after it";
    EXPECT_LE(gaps[0], 5);
    // Full-width glyphs stay where they were: "0000/00" as before.
    const QImage digits(":/fulgrane3d/pictures/digits.png");
    const int glyphs[] = {0, 0, 0, 0, 10, 0, 0};
    for (int i = 0; i < 7; ++i) EXPECT_TRUE(cellShows(image, 10 * i, 0, digits, 10 * glyphs[i], 0, 10, 16)) << i;
    EXPECT_TRUE(cellShows(image, 80, 0, digits, 60, 0, 10, 16));
}

// The FPS counter shows the pictures the view draws per second, which the
// view hands in, not the simulation's step rate.
TEST_F(PreviewFrameTest, TheFpsCounterShowsTheRateTheViewGives) {
    Simulation simulation(g);
    FrameSnapshot snapshot = takeSnapshot(simulation, -1, [](int) { return true; });
    snapshot.stepRate = 59;
    PreviewFrame frame;
    frame.counters = {false, false, true};
    frame.fps = 23;
    const QImage digits(":/fulgrane3d/pictures/digits.png");
    const QImage drawn = render(snapshot, 200, 200, frame);
    EXPECT_TRUE(cellShows(drawn, 42, 0, digits, 20, 0, 10, 16));  // "2"
    // "3" has no left segments: centred, it sits a pixel to the left.
    EXPECT_TRUE(cellShows(drawn, 51, 0, digits, 30, 0, 10, 16));
    // Control: without a rate from the view, the step rate.
    frame.fps.reset();
    const QImage stepped = render(snapshot, 200, 200, frame);
    EXPECT_TRUE(cellShows(stepped, 42, 0, digits, 50, 0, 10, 16));  // "5"
}

// Pixels of [x0, x1) × [y0, y1) in the warning colour of the limit notice.
int warningPixels(const QImage& image, int x0, int y0, int x1, int y1) {
    int count = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const Rgba8 p = pixelAt(image, x, y);
            if (p.r > 200 && p.g > 80 && p.g < 160 && p.b < 120) ++count;
        }
    }
    return count;
}

// When the particle limit holds spawns back, the particle line appears even
// with its counter off, in the warning colour and marked "LIMIT".
TEST_F(PreviewFrameTest, TheParticleLimitShowsInTheCounters) {
    g.pSelNode()->m_timing.num = 50;
    Simulation simulation(g);
    simulation.setParticleLimit(10);
    simulation.step();
    ASSERT_TRUE(simulation.particleLimitReached());
    const FrameSnapshot limited = takeSnapshot(simulation, -1, [](int) { return true; });
    PreviewFrame frame;
    frame.counters = {true, false, false};
    const QImage image = render(limited, 200, 200, frame);
    const QImage digits(":/fulgrane3d/pictures/digits.png");
    EXPECT_GT(warningPixels(image, 0, 18, 55, 34), 20);     // "Particle"
    EXPECT_GT(warningPixels(image, 55, 18, 75, 34), 10);    // ":9"
    EXPECT_GT(warningPixels(image, 79, 18, 113, 34), 20);   // "LIMIT"
    EXPECT_TRUE(cellShows(image, 0, 0, digits, 0, 0, 10, 16));  // the frame line as ever
    // Control: under the limit the line stays off.
    FrameSnapshot free = limited;
    free.particleLimitReached = false;
    const QImage plain = render(free, 200, 200, frame);
    // (Left of the vertical axis line at the view's centre.)
    EXPECT_EQ(brightPixels(plain, 0, 18, 95, 34), 0);
    EXPECT_EQ(warningPixels(plain, 0, 18, 95, 34), 0);
}

TEST_F(PreviewFrameTest, OnlyTheFpsCounterSitsAtTheTop) {
    Simulation simulation(g);
    PreviewFrame frame;
    frame.counters = {false, false, true};
    const QImage image = render(simulation, 200, 200, frame);
    const QImage digits(":/fulgrane3d/pictures/digits.png");
    EXPECT_TRUE(cellShows(image, 0, 0, digits, 0, 16, 32, 16));
    EXPECT_EQ(brightPixels(image, 0, 18, 100, 56), 0);
}

TEST_F(PreviewFrameTest, HoveredIconComesFromTheHighlightedRow) {
    Simulation simulation(g);
    PreviewFrame frame;
    frame.hoveredTool = 2;
    const QImage image = render(simulation, 300, 200, frame);
    const QImage icons(":/fulgrane3d/pictures/icons.png");
    ASSERT_FALSE(icons.isNull());
    // Icons at W - 96, W - 64, W - 32.
    EXPECT_TRUE(cellShows(image, 204, 0, icons, 32, 0, 32, 32));
    EXPECT_TRUE(cellShows(image, 236, 0, icons, 64, 32, 32, 32));
    EXPECT_TRUE(cellShows(image, 268, 0, icons, 96, 0, 32, 32));
    // The icon faces differ in colour: orange when hovered, dark grey otherwise.
    const Rgba8 hovered = pixelAt(image, 236 + 5, 16);
    const Rgba8 normal = pixelAt(image, 204 + 5, 16);
    EXPECT_GT(hovered.r, hovered.b + 100);
    EXPECT_LT(std::abs(normal.r - normal.b), 30);
}

// Pixels of `image` unlike `plain`, and those of them in colour (the red
// and blue axes).
struct LinePixels {
    int drawn = 0;
    int coloured = 0;
};

LinePixels linePixels(const QImage& image, const QImage& plain) {
    LinePixels pixels;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == plain.pixel(x, y)) continue;
            ++pixels.drawn;
            const Rgba8 p = pixelAt(image, x, y);
            if (p.r != p.g || p.g != p.b) ++pixels.coloured;
        }
    }
    return pixels;
}

// The grey lines and the axes go on and off apart; with both on the picture
// is the grey lines with the axes drawn over them, as it always was.
TEST_F(PreviewFrameTest, TheGridAndTheAxesAreShownApart) {
    Simulation simulation(g);
    const auto drawn = [&](bool grid, bool axis) {
        PreviewFrame frame = withoutOverlay();
        frame.grid = grid;
        frame.axis = axis;
        return render(simulation, 240, 180, frame);
    };
    const QImage both = drawn(true, true);
    const QImage gridOnly = drawn(true, false);
    const QImage axisOnly = drawn(false, true);
    const QImage neither = drawn(false, false);

    // Nothing but the background without lines.
    for (int y = 0; y < neither.height(); ++y) {
        for (int x = 0; x < neither.width(); ++x) ASSERT_TRUE(near(pixelAt(neither, x, y), {0, 0, 0, 255}, 0));
    }
    const LinePixels grey = linePixels(gridOnly, neither);
    EXPECT_GT(grey.drawn, 2000);
    EXPECT_EQ(grey.coloured, 0);
    // Without the axes the grid has no gap where they lay: the Z line runs
    // down the middle of the view, in grey.
    int underAxis = 0;
    for (int x = 0; x < 240; ++x) {
        if (axisOnly.pixel(x, 170) == neither.pixel(x, 170)) continue;
        ++underAxis;
        EXPECT_NE(gridOnly.pixel(x, 170), neither.pixel(x, 170)) << x;
        EXPECT_EQ(both.pixel(x, 170), axisOnly.pixel(x, 170)) << x;
    }
    EXPECT_GT(underAxis, 0);
    const LinePixels axes = linePixels(axisOnly, neither);
    EXPECT_GT(axes.drawn, 300);
    EXPECT_LT(axes.drawn, grey.drawn / 4);
    EXPECT_GT(axes.coloured, 100);

    // Control: both on is the default, and each pixel is the grey lines'
    // where no axis passes and the axes' where no grey line does.
    EXPECT_EQ(both, render(simulation, 240, 180, withoutOverlay()));
    int differing = 0;
    for (int y = 0; y < both.height(); ++y) {
        for (int x = 0; x < both.width(); ++x) {
            const bool onAxis = axisOnly.pixel(x, y) != neither.pixel(x, y);
            const bool onGrid = gridOnly.pixel(x, y) != neither.pixel(x, y);
            if (onAxis && onGrid) continue;  // an axis over a grey line
            const QRgb expected = onAxis ? axisOnly.pixel(x, y) : gridOnly.pixel(x, y);
            if (both.pixel(x, y) != expected) ++differing;
        }
    }
    EXPECT_EQ(differing, 0);
}

// A paused preview's frame line ends in a pause mark, and shows even with
// the frame counter off; playing, the counters are as they always were.
TEST_F(PreviewFrameTest, APausedPreviewIsMarkedOnTheFrameLine) {
    Simulation simulation(g);
    const FrameSnapshot snapshot = takeSnapshot(simulation, -1, [](int) { return true; });
    const QImage digits(":/fulgrane3d/pictures/digits.png");
    PreviewFrame frame;
    frame.grid = false;
    frame.axis = false;
    frame.counters = {true, false, false};
    const QImage playing = render(snapshot, 240, 240, frame);
    frame.paused = true;
    const QImage paused = render(snapshot, 240, 240, frame);

    // "0000/0060" in both; the mark after it only when paused.
    for (const QImage* image : {&playing, &paused}) {
        for (int i = 0; i < 4; ++i) EXPECT_TRUE(cellShows(*image, 10 * i, 0, digits, 0, 0, 10, 16)) << i;
    }
    EXPECT_EQ(brightPixels(playing, 90, 0, 120, 16), 0);
    EXPECT_GE(brightPixels(paused, 90, 0, 120, 16), 2 * 3 * 12);
    // Two bars: ink, a gap, ink along the mark's middle row.
    const std::vector<int> columns = inkColumns(paused, 90, 120, 0);
    EXPECT_EQ(inkGaps(columns).size(), 1u);
    // Outside the frame line the pictures are the same.
    EXPECT_EQ(playing.copy(0, 18, 240, 222), paused.copy(0, 18, 240, 222));

    frame.counters = {false, false, false};
    frame.paused = false;
    const QImage hidden = render(snapshot, 240, 240, frame);
    EXPECT_EQ(brightPixels(hidden, 0, 0, 120, 16), 0);
    frame.paused = true;
    const QImage shown = render(snapshot, 240, 240, frame);
    EXPECT_TRUE(cellShows(shown, 0, 0, digits, 0, 0, 10, 16));
    EXPECT_GE(brightPixels(shown, 90, 0, 120, 16), 2 * 3 * 12);
}

TEST_F(PreviewFrameTest, SelectedNodeShowsItsEmitterAroundTheParentParticles) {
    Node* selected = g.pSelNode();
    ASSERT_NE(selected, nullptr);
    selected->m_emitter.type = kEmitterBox;
    selected->m_emitter.size = {4, 4, 4};
    // The root particle has no size: keep the emitter's own.
    selected->m_emitter.scaleFix = 1;
    Simulation simulation(g);
    PreviewFrame frame = withoutOverlay();
    const QImage plain = render(simulation, 200, 200, frame);
    frame.selectedNodeId = selected->m_ID;
    const QImage shown = render(simulation, 200, 200, frame);
    // The box's near top edge (y = 2, z = -2) crosses the view's centre line above the origin.
    int brighter = 0;
    for (int y = 0; y < 100; ++y) {
        if (pixelAt(shown, 100, y).g > pixelAt(plain, 100, y).g + 40) ++brighter;
    }
    EXPECT_GT(brighter, 0);
}

}  // namespace
}  // namespace fg::test

namespace fg::test {
namespace {

// A host sharing the context (the editor's GL widget) may leave line mode,
// polygon offset, alpha-to-coverage and its own uniform buffer at binding
// 0: the frame draws as without them, and the host finds them unchanged.
TEST_F(PreviewFrameTest, HostStateNeitherLeaksInNorIsLost) {
    g.pSelNode()->m_timing.num = 5;
    Simulation reference(g);
    Simulation hosted(g);
    for (int i = 0; i < 10; ++i) {
        reference.step();
        hosted.step();
    }
    const QImage expected = render(reference, 160, 120);

    GLint alignment = 0;
    glGetIntegerv(GL_UNIFORM_BUFFER_OFFSET_ALIGNMENT, &alignment);
    const GLsizeiptr offset = std::max<GLint>(alignment, 16);
    GLuint buffer = 0;
    glGenBuffers(1, &buffer);
    glBindBuffer(GL_UNIFORM_BUFFER, buffer);
    glBufferData(GL_UNIFORM_BUFFER, offset + 256, nullptr, GL_STATIC_DRAW);
    glBindBufferRange(GL_UNIFORM_BUFFER, 0, buffer, offset, 256);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(2.0f, 3.0f);
    glEnable(GL_SAMPLE_ALPHA_TO_COVERAGE);

    const QImage drawn = render(hosted, 160, 120);

    GLint bound = 0;
    GLint64 start = 0;
    GLint64 size = 0;
    glGetIntegeri_v(GL_UNIFORM_BUFFER_BINDING, 0, &bound);
    glGetInteger64i_v(GL_UNIFORM_BUFFER_START, 0, &start);
    glGetInteger64i_v(GL_UNIFORM_BUFFER_SIZE, 0, &size);
    GLint mode[2] = {};
    glGetIntegerv(GL_POLYGON_MODE, mode);
    GLfloat factor = 0.0f;
    GLfloat units = 0.0f;
    glGetFloatv(GL_POLYGON_OFFSET_FACTOR, &factor);
    glGetFloatv(GL_POLYGON_OFFSET_UNITS, &units);
    const bool offsetOn = glIsEnabled(GL_POLYGON_OFFSET_FILL);
    const bool coverageOn = glIsEnabled(GL_SAMPLE_ALPHA_TO_COVERAGE);

    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glDisable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(0.0f, 0.0f);
    glDisable(GL_SAMPLE_ALPHA_TO_COVERAGE);
    glBindBufferBase(GL_UNIFORM_BUFFER, 0, 0);
    glDeleteBuffers(1, &buffer);

    EXPECT_EQ(drawn, expected);
    EXPECT_EQ(static_cast<GLuint>(bound), buffer);
    EXPECT_EQ(start, offset);
    EXPECT_EQ(size, 256);
    EXPECT_EQ(mode[0], GL_LINE);
    EXPECT_EQ(factor, 2.0f);
    EXPECT_EQ(units, 3.0f);
    EXPECT_TRUE(offsetOn);
    EXPECT_TRUE(coverageOn);
}

}  // namespace
}  // namespace fg::test
