#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>
#include <csignal>
#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <set>
#include <vector>
#include <string>

#include "persistence/FileSizeLimit.h"
#include "persistence/FileBytes.h"
#include "persistence/Messages.h"
#include "render/export/ImageFileWriter.h"
#include "render/export/SheetComposer.h"
#include "render/export/IntermediateFrames.h"

namespace fg {
namespace {

namespace fs = std::filesystem;

// Noise compresses badly, so every format writes well over a few kilobytes.
QImage noise(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    std::mt19937 random(7);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) image.setPixel(x, y, static_cast<QRgb>(random()) | 0xFF000000u);
    }
    return image;
}

using test::FileSizeLimit;

class ImageFileWriterTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device seed;
        m_dir = fs::temp_directory_path() / ("fg-writer-" + std::to_string(seed()));
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }
    fs::path m_dir;
};

TEST_F(ImageFileWriterTest, EveryFormatReportsAFullDevice) {
    const QImage picture = noise(64, 64);
    for (const char* extension : {".png", ".jpg", ".tif", ".bmp", ".gif"}) {
        // The name picks the format; the link leads to a device that is always full.
        const fs::path link = m_dir / (std::string("full") + extension);
        fs::create_symlink("/dev/full", link);
        EXPECT_EQ(writeImageFile(picture, link.string(), formatForExtension(extension)).sourceText(), persistence_text::kDiskFull)
            << extension;
        EXPECT_TRUE(fs::is_symlink(link)) << extension;  // not ours to remove
    }
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
}

TEST_F(ImageFileWriterTest, AFileCutShortIsReportedAndLeavesTheEarlierFile) {
    const QImage picture = noise(128, 128);
    const QImage small = noise(8, 8);
    for (const char* extension : {".png", ".jpg", ".tif", ".bmp", ".gif"}) {
        const fs::path file = m_dir / (std::string("cut") + extension);
        const fs::path earlier = m_dir / (std::string("earlier") + extension);
        ASSERT_EQ(writeImageFile(small, earlier.string(), formatForExtension(extension)).sourceText(), "") << extension;
        const auto before = readFileBytes(earlier);
        std::string error;
        std::string overEarlier;
        {
            const FileSizeLimit limit(4096);
            error = writeImageFile(picture, file.string(), formatForExtension(extension)).sourceText();
            overEarlier = writeImageFile(picture, earlier.string(), formatForExtension(extension)).sourceText();
        }
        EXPECT_EQ(error, persistence_text::kFileTooLarge) << extension;
        EXPECT_EQ(overEarlier, persistence_text::kFileTooLarge) << extension;
        EXPECT_FALSE(fs::exists(file)) << extension;
        EXPECT_EQ(readFileBytes(earlier), before) << extension;  // byte for byte
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 5);  // no temporaries
    // A complete write of the same picture passes and reads back whole.
    const fs::path file = m_dir / "whole.png";
    ASSERT_EQ(writeImageFile(picture, file.string(), ImageFormat::Png).sourceText(), "");
    EXPECT_EQ(QImage(QString::fromStdString(file.string())).convertToFormat(QImage::Format_ARGB32), picture);
}

TEST_F(ImageFileWriterTest, AnIntermediateFrameCutShortNamesTheFile) {
    const fs::path file = intermediateFramePath(m_dir, 3);
    std::string error;
    {
        const FileSizeLimit limit(4096);
        error = writeIntermediateFrame(noise(128, 128), file).sourceText();
    }
    EXPECT_EQ(error, "書き出し用の中間ファイルを保存できませんでした。\n" + file.string() + "\n" +
                         persistence_text::kFileTooLarge);
    EXPECT_FALSE(fs::exists(file));
}

// Every kind of output of an export (a sheet and its JSON, separate files,
// an animation) that fails part-way, on a full disk or when the export is
// killed, leaves the previous export's file as it was and no temporary file.
TEST_F(ImageFileWriterTest, AFailedExportLeavesThePreviousFilesUntouched) {
    fs::create_directories(m_dir / "render");
    fs::create_directories(m_dir / "out");
    QSize frameSize;
    const auto renderFrames = [&](const QImage& frame) {
        for (int i = 0; i < 2; ++i) {
            EXPECT_TRUE(frame.save(QString::fromStdString(intermediateFramePath(m_dir / "render", i).string())));
        }
        frameSize = frame.size();
    };
    const auto compose = [&](const std::string& name, const std::function<void(ComposeRequest&)>& choose) {
        const QSize frame = frameSize;
        ComposeRequest r;
        r.renderDir = m_dir / "render";
        r.lastIndex = 1;
        r.plan.frameWidth = frame.width();
        r.plan.frameHeight = frame.height();
        r.plan.columns = 2;
        r.destination = (m_dir / "out" / name).string();
        choose(r);
        return composeExport(r);
    };
    const auto sheet = [](ComposeRequest& r) { r.plan.engine.metaJson = true; };
    const auto separate = [](ComposeRequest& r) { r.plan.separateFiles = true; };
    const auto animated = [](ComposeRequest& r) { r.plan.engine.animated = true; };
    struct Case {
        std::string name;
        std::function<void(ComposeRequest&)> choose;
        std::vector<std::string> files;
    };
    const std::vector<Case> cases = {{"sheet.png", sheet, {"sheet.png", "sheet.json"}},
                                     {"shot.png", separate, {"shot00000.png", "shot00001.png"}},
                                     {"anim.gif", animated, {"anim.gif"}},
                                     {"anim.webp", animated, {"anim.webp"}}};
    const QImage plain = QImage(32, 32, QImage::Format_ARGB32);
    for (const Case& c : cases) {
        QImage flat = plain;
        flat.fill(Qt::red);
        renderFrames(flat);
        const ComposeResult first = compose(c.name, c.choose);
        ASSERT_TRUE(first.ok()) << first.error.sourceText();
        std::vector<std::optional<std::string>> before;
        for (const std::string& file : c.files) before.push_back(readFileBytes(m_dir / "out" / file));

        renderFrames(noise(128, 128));
        ComposeResult second;
        {
            const FileSizeLimit limit(1024);  // far less than the noise compresses to
            second = compose(c.name, c.choose);
        }
        EXPECT_FALSE(second.ok()) << c.name;
        EXPECT_NE(second.error.sourceText().find(persistence_text::kFileTooLarge), std::string::npos)
            << second.error.sourceText();
        for (std::size_t i = 0; i < c.files.size(); ++i) {
            EXPECT_EQ(readFileBytes(m_dir / "out" / c.files[i]), before[i]) << c.files[i];
        }
    }
    // The metadata is written the same way: a JSON cut short keeps the old one.
    const fs::path json = m_dir / "out" / "sheet.json";
    const auto jsonBefore = readFileBytes(json);
    {
        const FileSizeLimit limit(16);
        EXPECT_EQ(writeExportBytes(json.string(), std::string(4096, ' ')).sourceText(), persistence_text::kFileTooLarge);
    }
    EXPECT_EQ(readFileBytes(json), jsonBefore);
    std::set<std::string> left;
    for (const auto& entry : fs::directory_iterator(m_dir / "out")) left.insert(entry.path().filename().string());
    EXPECT_EQ(left, (std::set<std::string>{"sheet.png", "sheet.json", "shot00000.png", "shot00001.png", "anim.gif",
                                           "anim.webp"}));
}

}  // namespace
}  // namespace fg
