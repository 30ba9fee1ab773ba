// The pictures of `render` and `export` end to end: projects written to a
// folder, drawn by the command-line tool, read back and checked pixel by
// pixel.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "FileMagic.h"
#include "model/EditorState.h"
#include "persistence/SaveIni.h"

namespace fg {
namespace {

namespace fs = std::filesystem;

struct Rgb {
    int r, g, b;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

std::ostream& operator<<(std::ostream& out, const Rgb& c) {
    return out << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

Rgb pixel(const QImage& image, int x, int y) {
    const QColor c = image.pixelColor(x, y);
    return {c.red(), c.green(), c.blue()};
}

// The white particles; the grey grid stays darker even where its lines cross.
bool bright(const QImage& image, int x, int y) {
    const Rgb c = pixel(image, x, y);
    return c.r > 245 && c.g > 245 && c.b > 245;
}

class CliPictures : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // CTest runs each case as its own process, in parallel: one folder per process.
        s_root = fs::path(::testing::TempDir()) / ("cli-pictures-" + std::to_string(::getpid()));
        fs::remove_all(s_root);
        fs::create_directories(s_root / "home");
        setenv("FULGRANE3D_HOME", (s_root / "home").c_str(), 1);
    }

    // Writes the project into its own folder and returns the folder.
    static fs::path writeProject(EditorState& g, const std::string& name) {
        const fs::path folder = s_root / name;
        fs::create_directories(folder);
        g.workDir = folder.string();
        const IoResult written = writeSaveIniFile(g);
        EXPECT_TRUE(written.ok) << written.message;
        return folder;
    }

    // Runs the tool; the exit code.
    static int run(const std::vector<std::string>& args) {
        std::string command = "'" FG_CLI_PATH "'";
        for (const std::string& arg : args) command += " '" + arg + "'";
        command += " >/dev/null 2>&1";
        return std::system(command.c_str());
    }

    static QImage render(const fs::path& project, int frame, int size) {
        const fs::path out = project / ("render" + std::to_string(frame) + ".png");
        EXPECT_EQ(run({"render", project.string(), "--frame", std::to_string(frame), "-o", out.string(), "--width",
                       std::to_string(size), "--height", std::to_string(size), "--no-overlay"}),
                  0);
        return QImage(QString::fromStdString(out.string()));
    }

    // The one exported frame `frame`, drawn at the project's frame size.
    static QImage exportFrame(const fs::path& project, int frame) {
        const fs::path out = project / ("export" + std::to_string(frame) + ".png");
        EXPECT_EQ(run({"export", project.string(), "-o", out.string(), "--start", std::to_string(frame), "--end",
                       std::to_string(frame), "--columns", "1", "--smooth", "1", "--no-alpha"}),
                  0);
        return QImage(QString::fromStdString(out.string()));
    }

    // A column of small white billboards rising from the origin: one is born
    // every frame and floats upwards.
    static EditorState risingColumn(Vec3f eye, int frameSize) {
        EditorState g;
        g.project.width = frameSize;
        g.project.height = frameSize;
        Node& column = *g.pSelNode();
        column.m_timing.end = 60;
        column.m_move.gravity = -100;
        column.m_scale.max = 2;
        g.camera = CameraPlacement{eye, {0, 0, 0}};
        return g;
    }

    static inline fs::path s_root;
};

// The column's centre in every row it shows, as offsets from the picture's
// middle; fails when the column is missing or too short to judge.
::testing::AssertionResult upright(const QImage& image, int minimumRows) {
    if (image.isNull()) return ::testing::AssertionFailure() << "no picture";
    const double middle = (image.width() - 1) / 2.0;
    int rows = 0;
    for (int y = 0; y < image.height(); ++y) {
        int count = 0;
        double sum = 0;
        for (int x = 0; x < image.width(); ++x) {
            if (bright(image, x, y)) {
                ++count;
                sum += x;
            }
        }
        if (count == 0) continue;
        ++rows;
        const double offset = sum / count - middle;
        if (std::abs(offset) > 1.5) {
            return ::testing::AssertionFailure() << "row " << y << " has the column " << offset << " px off the middle";
        }
    }
    if (rows < minimumRows) return ::testing::AssertionFailure() << "the column shows in " << rows << " rows only";
    return ::testing::AssertionSuccess();
}

int brightCount(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) count += bright(image, x, y) ? 1 : 0;
    }
    return count;
}

TEST_F(CliPictures, CountersCanBeLeftOutOfTheRenderedView) {
    // The picture of frame `frame` with the overlay and `counters` ("": the option left out).
    const auto renderWithCounters = [](const fs::path& project, int frame, const std::string& counters) {
        const fs::path out = project / ("counters" + std::to_string(frame) + counters + ".png");
        std::vector<std::string> args{"render", project.string(), "--frame", std::to_string(frame), "-o",
                                      out.string(), "--width", "160", "--height", "120"};
        if (!counters.empty()) args.insert(args.end(), {"--counters", counters});
        EXPECT_EQ(run(args), 0) << counters;
        return QImage(QString::fromStdString(out.string()));
    };
    // Nothing is born: only the frame counter tells two frames apart.
    EditorState g = risingColumn({0, 20, -60}, 32);
    g.pSelNode()->m_timing.num = 0;
    const fs::path project = writeProject(g, "counters");
    const QImage shown3 = renderWithCounters(project, 3, "");
    const QImage shown7 = renderWithCounters(project, 7, "");
    ASSERT_FALSE(shown3.isNull());
    EXPECT_NE(shown3, shown7);
    EXPECT_EQ(renderWithCounters(project, 7, "frame,particles,fps"), shown7);
    const QImage none3 = renderWithCounters(project, 3, "none");
    ASSERT_FALSE(none3.isNull());
    EXPECT_EQ(none3, renderWithCounters(project, 7, "none"));
    EXPECT_NE(none3, shown3);
    // The paused preview's picture: the frame line with its mark, whatever the counters.
    const fs::path pausedOut = project / "paused3.png";
    EXPECT_EQ(run({"render", project.string(), "--frame", "3", "-o", pausedOut.string(), "--width", "160", "--height",
                   "120", "--counters", "none", "--paused"}),
              0);
    const QImage paused3(QString::fromStdString(pausedOut.string()));
    ASSERT_FALSE(paused3.isNull());
    EXPECT_NE(paused3, none3);
    EXPECT_NE(paused3, renderWithCounters(project, 3, "frame"));
    // Only the frame counter, as the editor shows by default.
    EXPECT_NE(renderWithCounters(project, 3, "frame"), renderWithCounters(project, 7, "frame"));
    EXPECT_NE(run({"render", project.string(), "--frame", "1", "-o", (project / "x.png").string(), "--counters",
                   "frames"}),
              0);
}

TEST_F(CliPictures, OffAxisCameraKeepsTheWorldsYAxisUpright) {
    // The view list's "斜め左上", which used to come out rolled by 14.7°.
    EditorState g = risingColumn({-3, 3, -8}, 160);
    const fs::path project = writeProject(g, "off-axis");
    EXPECT_TRUE(upright(render(project, 30, 200), 40));
    EXPECT_TRUE(upright(exportFrame(project, 30), 30));
}

TEST_F(CliPictures, CameraBelowItsTargetLookingUpStillDraws) {
    EditorState g = risingColumn({0, -5, -5}, 160);
    const fs::path project = writeProject(g, "from-below");
    const QImage rendered = render(project, 30, 200);
    const QImage exported = exportFrame(project, 30);
    EXPECT_GT(brightCount(rendered), 100);
    EXPECT_GT(brightCount(exported), 100);
    EXPECT_TRUE(upright(rendered, 20));
}

using test::magicOf;

TEST_F(CliPictures, UpperCaseExtensionsPickTheirFormats) {
    EditorState g = risingColumn({0, 20, -60}, 32);
    const fs::path project = writeProject(g, "cases");
    const std::string end[] = {"--end", "3"};
    const std::pair<std::string, std::string> stills[] = {
        {"sheet.JPG", "jpeg"}, {"sheet.Png", "png"}, {"sheet.TIFF", "tiff"}, {"sheet.GIF", "gif"}, {"sheet.BMP", "bmp"}};
    for (const auto& [name, format] : stills) {
        EXPECT_EQ(run({"export", project.string(), "-o", (project / name).string(), end[0], end[1]}), 0) << name;
        EXPECT_EQ(magicOf(project / name), format) << name;
    }
    EXPECT_EQ(run({"export", project.string(), "-o", (project / "shot.JPG").string(), end[0], end[1], "--separate"}), 0);
    EXPECT_EQ(magicOf(project / "shot00002.JPG"), "jpeg");
    EXPECT_EQ(run({"export", project.string(), "-o", (project / "anim.WEBP").string(), end[0], end[1], "--animated"}), 0);
    EXPECT_EQ(magicOf(project / "anim.WEBP"), "webp");
    EXPECT_EQ(run({"export", project.string(), "-o", (project / "anim.GIF").string(), end[0], end[1], "--animated"}), 0);
    EXPECT_EQ(magicOf(project / "anim.GIF"), "gif");
    EXPECT_EQ(run({"render", project.string(), "--frame", "3", "-o", (project / "view.JPG").string()}), 0);
    EXPECT_EQ(magicOf(project / "view.JPG"), "jpeg");
}

TEST_F(CliPictures, TheSheetsJsonListsItsAnimation) {
    EditorState g = risingColumn({0, 20, -60}, 32);
    const fs::path project = writeProject(g, "meta");
    ASSERT_EQ(run({"export", project.string(), "-o", (project / "fire.png").string(), "--end", "5", "--step", "2",
                   "--meta", "json"}),
              0);
    QFile file(QString::fromStdString((project / "fire.json").string()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
    EXPECT_EQ(root["animations"].toObject()["fire"].toArray(), (QJsonArray{"fire00000", "fire00001", "fire00002"}));
    EXPECT_EQ(root["frames"].toObject().size(), 3);
}

TEST_F(CliPictures, RenderedFrameShowsTheAnimatedCellTheExportShows) {
    // A plane seen from behind (drawn, opaque, in the first culling pass)
    // whose texture steps through four cells, one per frame.
    EditorState g;
    g.project.width = 96;
    g.project.height = 96;
    g.camera = CameraPlacement{{0, 0, 10}, {0, 0, 0}};
    Node& plane = *g.pSelNode();
    plane.m_shape.type = kShapePlane;
    plane.m_scale.max = 40;
    plane.m_texture.ID = 0;
    plane.m_texture.name = "cells";
    plane.m_texture.isAnim = 1;
    plane.m_texture.w = 2;
    plane.m_texture.h = 2;
    plane.m_texture.speed = 100;
    plane.m_texture.isLoop = 1;
    const fs::path project = writeProject(g, "animated");
    QImage sheet(64, 64, QImage::Format_RGBA8888);
    const QColor colours[4] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) sheet.setPixelColor(x, y, colours[(y / 32) * 2 + x / 32]);
    }
    ASSERT_TRUE(sheet.save(QString::fromStdString((project / "cells.png").string())));

    const Rgb cells[4] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 0}};
    for (int frame = 2; frame <= 4; ++frame) {
        const QImage rendered = render(project, frame, 96);
        const QImage exported = exportFrame(project, frame);
        ASSERT_FALSE(rendered.isNull() || exported.isNull());
        // The particle is `frame` frames old; its cell is (age - 1) mod 4.
        EXPECT_EQ(pixel(exported, 48, 48), cells[(frame - 1) % 4]) << frame;
        EXPECT_EQ(pixel(rendered, 48, 48), pixel(exported, 48, 48)) << frame;
    }
}

}  // namespace
}  // namespace fg
