#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QColor>
#include <QImage>
#include <QString>
#include <csignal>
#include <filesystem>
#include <random>
#include <string>

#include "persistence/FileSizeLimit.h"
#include "render/export/ImageFileWriter.h"
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
        EXPECT_EQ(writeImageFile(picture, link.string(), formatForExtension(extension)), "No space left on device")
            << extension;
        EXPECT_TRUE(fs::is_symlink(link)) << extension;  // not ours to remove
    }
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
}

TEST_F(ImageFileWriterTest, AFileCutShortIsReportedAndRemoved) {
    const QImage picture = noise(128, 128);
    for (const char* extension : {".png", ".jpg", ".tif", ".bmp", ".gif"}) {
        const fs::path file = m_dir / (std::string("cut") + extension);
        std::string error;
        {
            const FileSizeLimit limit(4096);
            error = writeImageFile(picture, file.string(), formatForExtension(extension));
        }
        EXPECT_EQ(error, "File too large") << extension;
        EXPECT_FALSE(fs::exists(file)) << extension;
    }
    // A complete write of the same picture passes and reads back whole.
    const fs::path file = m_dir / "whole.png";
    ASSERT_EQ(writeImageFile(picture, file.string(), ImageFormat::Png), "");
    EXPECT_EQ(QImage(QString::fromStdString(file.string())).convertToFormat(QImage::Format_ARGB32), picture);
}

TEST_F(ImageFileWriterTest, AnIntermediateFrameCutShortNamesTheFile) {
    const fs::path file = intermediateFramePath(m_dir, 3);
    std::string error;
    {
        const FileSizeLimit limit(4096);
        error = writeIntermediateFrame(noise(128, 128), file);
    }
    EXPECT_EQ(error, "書き出し用の中間ファイルを保存できませんでした。\n" + file.string() + "\nFile too large");
    EXPECT_FALSE(fs::exists(file));
}

}  // namespace
}  // namespace fg
