#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QString>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "FileMagic.h"
#include "render/export/ImageFileWriter.h"
#include "render/export/SheetComposer.h"

namespace fg {
namespace {

namespace fs = std::filesystem;

class SheetComposerTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device seed;
        m_dir = fs::temp_directory_path() / ("fg-compose-" + std::to_string(seed()));
        fs::create_directories(m_dir / "render");
        fs::create_directories(m_dir / "out");
    }
    void TearDown() override { fs::remove_all(m_dir); }

    // A supersampled 400 × 200 frame: 1-pixel checkerboard of two colours.
    void writeCheckerFrame(int index, QColor a, QColor b) {
        QImage frame(400, 200, QImage::Format_ARGB32);
        for (int y = 0; y < frame.height(); ++y) {
            for (int x = 0; x < frame.width(); ++x) frame.setPixelColor(x, y, ((x + y) % 2) ? a : b);
        }
        ASSERT_TRUE(frame.save(QString::fromStdString(intermediateFramePath(m_dir / "render", index).string())));
    }

    ComposeRequest request(const std::string& file, int lastIndex) {
        ComposeRequest r;
        r.renderDir = m_dir / "render";
        r.lastIndex = lastIndex;
        r.plan.frameWidth = 200;
        r.plan.frameHeight = 100;
        r.plan.smooth = 2;
        r.plan.columns = 2;
        r.plan.rows = 2;
        r.backColor = {40, 80, 120};
        r.destination = (m_dir / "out" / file).string();
        return r;
    }

    static QImage load(const std::string& path) { return QImage(QString::fromStdString(path)); }

    fs::path m_dir;
};

TEST_F(SheetComposerTest, SheetCellsAreAreaAveragedAndPlacedRowByRow) {
    writeCheckerFrame(0, QColor(255, 255, 255), QColor(0, 0, 0));
    writeCheckerFrame(1, QColor(255, 0, 0), QColor(255, 0, 0));
    writeCheckerFrame(2, QColor(0, 0, 255), QColor(0, 0, 255));
    ComposeRequest r = request("sheet.png", 2);
    const ComposeResult result = composeExport(r);
    ASSERT_TRUE(result.ok()) << result.error.sourceText();
    ASSERT_EQ(result.written.size(), 1u);
    const QImage sheet = load(r.destination);
    ASSERT_EQ(sheet.size(), QSize(400, 200));
    // Cell 0: black and white pixels average to mid grey.
    const QColor grey = sheet.pixelColor(50, 50);
    EXPECT_NEAR(grey.red(), 128, 2);
    EXPECT_NEAR(grey.green(), 128, 2);
    EXPECT_EQ(grey.alpha(), 255);
    EXPECT_EQ(sheet.pixelColor(300, 50), QColor(255, 0, 0));   // cell 1: right of cell 0
    EXPECT_EQ(sheet.pixelColor(100, 150), QColor(0, 0, 255));  // cell 2: next row
    EXPECT_EQ(sheet.pixelColor(300, 150).alpha(), 0);          // no image 3: stays transparent
}

TEST_F(SheetComposerTest, TransparencyDependsOnTheFormat) {
    // One frame with a clear half and a half-transparent red half.
    QImage frame(400, 200, QImage::Format_ARGB32);
    frame.fill(QColor(0, 0, 0, 0));
    for (int y = 0; y < 200; ++y) {
        for (int x = 200; x < 400; ++x) frame.setPixelColor(x, y, QColor(255, 0, 0, 255));
    }
    ASSERT_TRUE(frame.save(QString::fromStdString(intermediateFramePath(m_dir / "render", 0).string())));

    for (const std::string file : {"a.png", "a.tif", "a.gif", "a.PNG"}) {
        ComposeRequest r = request(file, 0);
        r.plan.transparent = true;
        r.plan.columns = r.plan.rows = 1;
        ASSERT_TRUE(composeExport(r).ok()) << file;
        const QImage image = load(r.destination);
        ASSERT_FALSE(image.isNull()) << file;
        EXPECT_EQ(image.pixelColor(20, 50).alpha(), 0) << file;
        EXPECT_EQ(image.pixelColor(180, 50), QColor(255, 0, 0)) << file;
    }
    for (const std::string file : {"a.jpg", "a.bmp", "a.jpeg"}) {
        ComposeRequest r = request(file, 0);
        r.plan.transparent = true;  // asked for, but these formats are filled
        r.plan.columns = r.plan.rows = 1;
        ASSERT_TRUE(composeExport(r).ok()) << file;
        const QImage image = load(r.destination);
        ASSERT_FALSE(image.isNull()) << file;
        const QColor background = image.pixelColor(20, 50);
        EXPECT_NEAR(background.red(), 40, 4) << file;
        EXPECT_NEAR(background.green(), 80, 4) << file;
        EXPECT_NEAR(background.blue(), 120, 4) << file;
        EXPECT_EQ(background.alpha(), 255) << file;
    }
    // An opaque background was asked for: even PNG is filled.
    ComposeRequest r = request("opaque.png", 0);
    r.plan.transparent = false;
    ASSERT_TRUE(composeExport(r).ok());
    EXPECT_EQ(load(r.destination).pixelColor(20, 50), QColor(40, 80, 120));
    // The file really has the format its extension asks for.
    EXPECT_EQ(QImage(QString::fromStdString((m_dir / "out" / "a.PNG").string()), "png").isNull(), false);
    EXPECT_EQ(QImage(QString::fromStdString((m_dir / "out" / "a.jpg").string()), "jpeg").isNull(), false);
    EXPECT_EQ(QImage(QString::fromStdString((m_dir / "out" / "a.gif").string()), "gif").isNull(), false);
}

using test::magicOf;

TEST_F(SheetComposerTest, TheExtensionPicksTheFormatInAnyCase) {
    writeCheckerFrame(0, QColor(0, 255, 0), QColor(0, 0, 255));
    writeCheckerFrame(1, QColor(0, 255, 0), QColor(0, 0, 255));
    const std::pair<const char*, const char*> cases[] = {
        {"s.JPG", "jpeg"}, {"s.Jpeg", "jpeg"}, {"s.Png", "png"}, {"s.TIFF", "tiff"},
        {"s.TIF", "tiff"}, {"s.GIF", "gif"},   {"s.BMP", "bmp"}, {"s.WEBP", "png"},  // no still WebP
    };
    for (const auto& [name, format] : cases) {
        ComposeRequest sheet = request(name, 1);
        ASSERT_TRUE(composeExport(sheet).ok()) << name;
        EXPECT_EQ(magicOf(sheet.destination), format) << name;

        ComposeRequest separate = request(std::string("sep-") + name, 1);
        separate.plan.separateFiles = true;
        const ComposeResult written = composeExport(separate);
        ASSERT_TRUE(written.ok()) << name;
        ASSERT_EQ(written.written.size(), 2u);
        for (const std::string& file : written.written) EXPECT_EQ(magicOf(file), format) << file;
    }
    // A transparent background asked for in a JPEG named in capitals is filled.
    ComposeRequest filled = request("filled.JPG", 0);
    filled.plan.transparent = true;
    filled.plan.columns = filled.plan.rows = 1;
    ASSERT_TRUE(composeExport(filled).ok());
    EXPECT_EQ(load(filled.destination).pixelColor(10, 10).alpha(), 255);

    for (const auto& [name, format] : {std::pair{"a.WEBP", "webp"}, std::pair{"a.Gif", "gif"}}) {
        ComposeRequest animated = request(name, 1);
        animated.plan.engine.animated = true;
        ASSERT_TRUE(composeExport(animated).ok()) << name;
        EXPECT_EQ(magicOf(animated.destination), format) << name;
    }
}

TEST_F(SheetComposerTest, SeparateFilesAreNumbered) {
    for (int i = 0; i < 3; ++i) writeCheckerFrame(i, QColor(0, 255, 0), QColor(0, 255, 0));
    ComposeRequest r = request("fire.png", 2);
    r.plan.separateFiles = true;
    const ComposeResult result = composeExport(r);
    ASSERT_TRUE(result.ok()) << result.error.sourceText();
    ASSERT_EQ(result.written.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        const fs::path path = m_dir / "out" / ("fire0000" + std::to_string(i) + ".png");
        EXPECT_EQ(result.written[static_cast<std::size_t>(i)], path.string());
        const QImage image = load(path.string());
        EXPECT_EQ(image.size(), QSize(200, 100));
        EXPECT_EQ(image.pixelColor(10, 10), QColor(0, 255, 0));
    }
    EXPECT_FALSE(fs::exists(m_dir / "out" / "fire.png"));
}

TEST_F(SheetComposerTest, AFailedWriteIsReported) {
    writeCheckerFrame(0, QColor(1, 2, 3), QColor(1, 2, 3));
    ComposeRequest r = request("missing-folder/sheet.png", 0);
    const ComposeResult result = composeExport(r);
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.error.sourceText().find("画像ファイルを保存できませんでした。"), std::string::npos);
    EXPECT_TRUE(result.written.empty());
    ComposeRequest gif = request("missing-folder/sheet.gif", 0);
    EXPECT_FALSE(composeExport(gif).ok());
}

TEST_F(SheetComposerTest, AFrameThatCannotBeReadBackFailsNamingIt) {
    writeCheckerFrame(0, QColor(1, 2, 3), QColor(1, 2, 3));
    writeCheckerFrame(1, QColor(1, 2, 3), QColor(1, 2, 3));
    const fs::path second = intermediateFramePath(m_dir / "render", 1);
    const fs::path third = intermediateFramePath(m_dir / "render", 2);
    const std::string headline = "書き出し用の中間ファイルを保存できませんでした。\n";

    // Missing: the render stopped before it or the file was removed.
    ComposeRequest r = request("sheet.png", 2);
    ComposeResult result = composeExport(r);
    EXPECT_EQ(result.error.sourceText().substr(0, headline.size() + third.string().size() + 1), headline + third.string() + "\n");
    EXPECT_TRUE(result.written.empty());
    EXPECT_FALSE(fs::exists(r.destination));

    // Cut short, as a full disk leaves it.
    fs::resize_file(second, fs::file_size(second) / 2);
    r = request("fire.png", 1);
    r.plan.separateFiles = true;
    result = composeExport(r);
    EXPECT_EQ(result.error.sourceText().substr(0, headline.size() + second.string().size() + 1), headline + second.string() + "\n");
    EXPECT_EQ(result.written, std::vector<std::string>{(m_dir / "out" / "fire00000.png").string()});

    // Another size than the export renders: a stale file from another export.
    QImage small(40, 20, QImage::Format_ARGB32);
    small.fill(Qt::red);
    ASSERT_TRUE(small.save(QString::fromStdString(second.string())));
    result = composeExport(request("sheet.png", 1));
    EXPECT_EQ(result.error.sourceText(), headline + second.string() + "\n40×20 pixels instead of 400×200");
}

TEST_F(SheetComposerTest, NoOutputMayReplaceTheProject) {
    writeCheckerFrame(0, QColor(1, 2, 3), QColor(1, 2, 3));
    writeCheckerFrame(1, QColor(1, 2, 3), QColor(1, 2, 3));
    const fs::path project = m_dir / "out" / "x.nbx";
    {
        std::ofstream file(project, std::ios::binary);
        file << "NebrixData";
    }
    fs::create_symlink(project, m_dir / "out" / "link.png");
    fs::create_hard_link(project, m_dir / "out" / "hard.png");
    fs::copy_file(project, m_dir / "out" / "shot00001.png");
    fs::create_hard_link(m_dir / "out" / "shot00001.png", m_dir / "out" / "shot00001.nbx");
    const std::string sameFile[] = {
        project.string(), (m_dir / "out" / "." / "x.nbx").string(), (m_dir / "out" / "link.png").string(),
        (m_dir / "out" / "hard.png").string(), (m_dir / "out" / ".." / "out" / "x.nbx").string()};
    for (const std::string& destination : sameFile) {
        ComposeRequest r = request("unused.png", 1);
        r.destination = destination;
        r.sources = {project};
        const ComposeResult result = composeExport(r);
        EXPECT_EQ(result.error.sourceText(),
                  "書き出し先のファイルは開いているプロジェクトのファイルです。別のファイル名を指定してください。\n" +
                      destination);
        EXPECT_TRUE(result.written.empty());
    }
    std::ifstream kept(project, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "NebrixData");

    // Separate files: the second numbered name is the project (under another name).
    ComposeRequest r = request("shot.png", 1);
    r.plan.separateFiles = true;
    r.sources = {m_dir / "out" / "shot00001.nbx"};
    ComposeResult result = composeExport(r);
    EXPECT_EQ(result.error.sourceText(),
              "書き出し先のファイルは開いているプロジェクトのファイルです。別のファイル名を指定してください。\n" +
                  (m_dir / "out" / "shot00001.png").string());
    EXPECT_FALSE(fs::exists(m_dir / "out" / "shot00000.png"));  // nothing is written at all

    // A project that is not among the outputs leaves the export alone.
    r.sources = {project};
    result = composeExport(r);
    EXPECT_TRUE(result.ok()) << result.error.sourceText();
    EXPECT_EQ(result.written.size(), 2u);
}

TEST_F(SheetComposerTest, AnyBackgroundColourFromAFileFillsWithinRange) {
    writeCheckerFrame(0, QColor(0, 0, 0, 0), QColor(0, 0, 0, 0));
    ComposeRequest r = request("extreme.png", 0);
    r.plan.transparent = false;
    r.plan.columns = r.plan.rows = 1;
    r.backColor = {1e30f, -1e30f, std::numeric_limits<float>::quiet_NaN()};
    ASSERT_TRUE(composeExport(r).ok());
    EXPECT_EQ(load(r.destination).pixelColor(10, 10), QColor(255, 0, 0));
}

}  // namespace
}  // namespace fg

namespace fg {
namespace {

TEST(GifWriter, ReducesManyColoursToAPalette) {
    QImage gradient(256, 64, QImage::Format_ARGB32);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 256; ++x) gradient.setPixelColor(x, y, QColor(x, y * 4, 255 - x));
    }
    const std::string path = (std::filesystem::temp_directory_path() / "fg-gradient.gif").string();
    ASSERT_TRUE(writeImageFile(gradient, path, ImageFormat::Gif).empty());
    const QImage back(QString::fromStdString(path));
    std::filesystem::remove(path);
    ASSERT_EQ(back.size(), gradient.size());
    for (int x = 0; x < 256; x += 15) {
        const QColor c = back.pixelColor(x, 32);
        EXPECT_NEAR(c.red(), x, 40);  // 16 384 colours share 255 entries
        EXPECT_NEAR(c.green(), 128, 40);
        EXPECT_NEAR(c.blue(), 255 - x, 40);
        EXPECT_EQ(c.alpha(), 255);
    }
}

}  // namespace
}  // namespace fg
