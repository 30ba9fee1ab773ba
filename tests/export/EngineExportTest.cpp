// The export's choices for game engines, read back as a loader would: the
// metadata through Qt's JSON reader, the sheets pixel by pixel, the animated
// files through giflib and libwebp's demuxer.

#include <gif_lib.h>
#include <gtest/gtest.h>
#include <webp/decode.h>
#include <webp/demux.h>

#include <QColor>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRect>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "render/export/ImageFileWriter.h"
#include "render/export/SheetComposer.h"
#include "render/export/SheetLayout.h"
#include "render/export/SheetMetadata.h"

namespace fg {
namespace {

namespace fs = std::filesystem;

const QColor kColours[] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 0}, {0, 255, 255}};

class EngineExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device seed;
        m_dir = fs::temp_directory_path() / ("fg-engine-" + std::to_string(seed()));
        fs::create_directories(m_dir / "render");
        fs::create_directories(m_dir / "out");
        // Five 60 × 40 frames: the left half in the frame's colour, the
        // right half white, a transparent top-left corner pixel.
        for (int i = 0; i < 5; ++i) {
            QImage frame(60, 40, QImage::Format_ARGB32);
            frame.fill(kColours[i]);
            for (int y = 0; y < 40; ++y) {
                for (int x = 30; x < 60; ++x) frame.setPixelColor(x, y, QColor(255, 255, 255));
            }
            frame.setPixelColor(0, 0, QColor(0, 0, 0, 0));
            ASSERT_TRUE(frame.save(QString::fromStdString(intermediateFramePath(m_dir / "render", i).string())));
        }
    }
    void TearDown() override { fs::remove_all(m_dir); }

    ComposeRequest request(const std::string& file) const {
        ComposeRequest r;
        r.renderDir = m_dir / "render";
        r.lastIndex = 4;
        r.plan.start = 1;
        r.plan.end = 10;
        r.plan.step = 2;
        r.plan.imageCount = 5;
        r.plan.frameWidth = 60;
        r.plan.frameHeight = 40;
        r.plan.columns = 3;
        r.plan.rows = 2;
        r.fps = 30;
        r.backColor = {40, 80, 120};
        r.destination = (m_dir / "out" / file).string();
        return r;
    }

    static QJsonObject readJson(const std::string& path) {
        QFile file(QString::fromStdString(path));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
        QJsonParseError error{};
        const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
        return document.object();
    }

    static QRect rectOf(const QJsonObject& frame) {
        const QJsonObject r = frame["frame"].toObject();
        return {r["x"].toInt(), r["y"].toInt(), r["w"].toInt(), r["h"].toInt()};
    }

    fs::path m_dir;
};

TEST_F(EngineExportTest, MetadataDescribesEveryCellOfAPaddedPowerOfTwoSheet) {
    ComposeRequest r = request("fire.png");
    r.plan.engine.metaJson = true;
    r.plan.engine.padding = 2;
    r.plan.engine.pow2 = true;
    const ComposeResult result = composeExport(r);
    ASSERT_TRUE(result.ok()) << result.error.sourceText();
    const std::string jsonPath = (m_dir / "out" / "fire.json").string();
    ASSERT_EQ(result.written, (std::vector<std::string>{r.destination, jsonPath}));

    const QImage sheet(QString::fromStdString(r.destination));
    // 3 × (60 + 4) = 192 → 256; 2 × (40 + 4) = 88 → 128.
    ASSERT_EQ(sheet.size(), QSize(256, 128));
    const QJsonObject root = readJson(jsonPath);
    const QJsonObject meta = root["meta"].toObject();
    EXPECT_EQ(meta["image"].toString(), "fire.png");
    EXPECT_EQ(meta["format"].toString(), "RGBA8888");
    EXPECT_EQ(meta["app"].toString(), "Fulgrane3D");
    EXPECT_EQ(meta["scale"].toString(), "1");
    EXPECT_EQ(meta["size"].toObject()["w"].toInt(), 256);
    EXPECT_EQ(meta["size"].toObject()["h"].toInt(), 128);

    const QJsonObject frames = root["frames"].toObject();
    ASSERT_EQ(frames.size(), 5);
    // One animation of every frame in order, named after the file, as
    // PixiJS's Spritesheet lists them.
    const QJsonObject animations = root["animations"].toObject();
    EXPECT_EQ(animations.keys(), QStringList{"fire"});
    EXPECT_EQ(animations["fire"].toArray(),
              (QJsonArray{"fire00000", "fire00001", "fire00002", "fire00003", "fire00004"}));
    std::vector<QRect> rects;
    for (int i = 0; i < 5; ++i) {
        const QString name = QString("fire%1").arg(i, 5, 10, QChar('0'));
        ASSERT_TRUE(frames.contains(name)) << name.toStdString();
        const QJsonObject frame = frames[name].toObject();
        EXPECT_FALSE(frame["rotated"].toBool());
        EXPECT_FALSE(frame["trimmed"].toBool());
        EXPECT_EQ(frame["duration"].toInt(), 67);  // 2 frames at 30 fps
        EXPECT_EQ(frame["sourceSize"].toObject()["w"].toInt(), 60);
        EXPECT_EQ(frame["sourceSize"].toObject()["h"].toInt(), 40);
        EXPECT_EQ(frame["spriteSourceSize"].toObject()["x"].toInt(), 0);
        const QRect rect = rectOf(frame);
        EXPECT_EQ(rect, QRect((i % 3) * 64 + 2, (i / 3) * 44 + 2, 60, 40));
        EXPECT_TRUE(sheet.rect().contains(rect)) << i;
        for (const QRect& other : rects) EXPECT_FALSE(rect.intersects(other)) << i;
        rects.push_back(rect);
        // The picture written there is this frame's.
        EXPECT_EQ(sheet.pixelColor(rect.left() + 10, rect.top() + 20), kColours[i]) << i;
        EXPECT_EQ(sheet.pixelColor(rect.right(), rect.bottom()), QColor(255, 255, 255)) << i;
        EXPECT_EQ(sheet.pixelColor(rect.left(), rect.top()).alpha(), 0) << i;
        // Exactly two clear pixels on every side.
        for (int d = 1; d <= 2; ++d) {
            EXPECT_EQ(sheet.pixelColor(rect.left() - d, rect.top() + 20).alpha(), 0);
            EXPECT_EQ(sheet.pixelColor(rect.right() + d, rect.top() + 20).alpha(), 0);
            EXPECT_EQ(sheet.pixelColor(rect.left() + 20, rect.top() - d).alpha(), 0);
            EXPECT_EQ(sheet.pixelColor(rect.left() + 20, rect.bottom() + d).alpha(), 0);
        }
    }
    // Beyond the cells the power-of-two sheet is transparent.
    EXPECT_EQ(sheet.pixelColor(200, 50).alpha(), 0);
    EXPECT_EQ(sheet.pixelColor(100, 100).alpha(), 0);
}

TEST_F(EngineExportTest, ExtrudedPaddingRepeatsTheEdgePixels) {
    ComposeRequest r = request("extruded.png");
    r.plan.engine.padding = 3;
    r.plan.engine.extrude = true;
    ASSERT_TRUE(composeExport(r).ok());
    const QImage sheet(QString::fromStdString(r.destination));
    ASSERT_EQ(sheet.size(), QSize(3 * 66, 2 * 46));
    for (int i = 0; i < 5; ++i) {
        const int left = (i % 3) * 66 + 3;
        const int top = (i / 3) * 46 + 3;
        for (int d = 1; d <= 3; ++d) {
            EXPECT_EQ(sheet.pixelColor(left - d, top + 20), kColours[i]) << i << " " << d;
            EXPECT_EQ(sheet.pixelColor(left + 59 + d, top + 20), QColor(255, 255, 255)) << i;
            EXPECT_EQ(sheet.pixelColor(left + 10, top - d), kColours[i]) << i;
            EXPECT_EQ(sheet.pixelColor(left + 10, top + 39 + d), kColours[i]) << i;
            // The corner repeats the (transparent) corner pixel.
            EXPECT_EQ(sheet.pixelColor(left - d, top - d).alpha(), 0) << i;
            EXPECT_EQ(sheet.pixelColor(left + 59 + d, top + 39 + d), QColor(255, 255, 255)) << i;
        }
    }
}

TEST_F(EngineExportTest, SeparateFilesGetOneEntryEach) {
    ComposeRequest r = request("spark.png");
    r.plan.separateFiles = true;
    r.plan.engine.metaJson = true;
    r.plan.engine.pow2 = true;
    const ComposeResult result = composeExport(r);
    ASSERT_TRUE(result.ok()) << result.error.sourceText();
    ASSERT_EQ(result.written.size(), 6u);
    EXPECT_EQ(QImage(QString::fromStdString(result.written[0])).size(), QSize(64, 64));
    const QJsonObject root = readJson(result.written.back());
    const QJsonObject frames = root["frames"].toObject();
    ASSERT_EQ(frames.size(), 5);
    EXPECT_EQ(rectOf(frames["spark00004.png"].toObject()), QRect(0, 0, 60, 40));
    EXPECT_EQ(root["animations"].toObject()["spark"].toArray(),
              (QJsonArray{"spark00000.png", "spark00001.png", "spark00002.png", "spark00003.png", "spark00004.png"}));
}

TEST_F(EngineExportTest, LayoutWithoutChoicesIsThePlainSheet) {
    const SheetLayout plain = sheetLayout(4, 3, 200, 100, EngineExportOptions{});
    EXPECT_EQ(plain.width, 800);
    EXPECT_EQ(plain.height, 300);
    EXPECT_EQ(plain.frame(5).x, 200);
    EXPECT_EQ(plain.frame(5).y, 100);
    EXPECT_EQ(nextPowerOfTwo(1), 1);
    EXPECT_EQ(nextPowerOfTwo(513), 1024);
    EXPECT_EQ(nextPowerOfTwo(512), 512);
    EXPECT_EQ(frameDurationMs(1, 60), 17);
    EXPECT_EQ(frameDurationMs(3, 0), 3000);  // a zero rate counts as one frame a second
}

std::vector<unsigned char> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST_F(EngineExportTest, AnimatedGifLoopsForeverWithTheFrameDelayAndClearCorners) {
    ComposeRequest r = request("fire.gif");
    r.plan.engine.animated = true;
    const ComposeResult result = composeExport(r);
    ASSERT_TRUE(result.ok()) << result.error.sourceText();
    ASSERT_EQ(result.written, std::vector<std::string>{r.destination});

    int error = 0;
    GifFileType* gif = DGifOpenFileName(r.destination.c_str(), &error);
    ASSERT_NE(gif, nullptr) << GifErrorString(error);
    ASSERT_EQ(DGifSlurp(gif), GIF_OK);
    EXPECT_EQ(gif->SWidth, 60);
    EXPECT_EQ(gif->SHeight, 40);
    ASSERT_EQ(gif->ImageCount, 5);
    // giflib files the extensions before the first image with that image.
    bool loopsForever = false;
    const SavedImage& first = gif->SavedImages[0];
    for (int e = 0; e + 1 < first.ExtensionBlockCount; ++e) {
        const ExtensionBlock& block = first.ExtensionBlocks[e];
        if (block.Function == APPLICATION_EXT_FUNC_CODE && block.ByteCount == 11 &&
            std::string(reinterpret_cast<char*>(block.Bytes), 11) == "NETSCAPE2.0") {
            const ExtensionBlock& loop = first.ExtensionBlocks[e + 1];
            loopsForever = loop.ByteCount == 3 && loop.Bytes[0] == 1 && loop.Bytes[1] == 0 && loop.Bytes[2] == 0;
        }
    }
    EXPECT_TRUE(loopsForever);
    for (int i = 0; i < gif->ImageCount; ++i) {
        GraphicsControlBlock control{};
        ASSERT_EQ(DGifSavedExtensionToGCB(gif, i, &control), GIF_OK);
        EXPECT_EQ(control.DisposalMode, DISPOSE_BACKGROUND);
        const SavedImage& image = gif->SavedImages[i];
        ASSERT_NE(image.ImageDesc.ColorMap, nullptr);
        EXPECT_EQ(image.RasterBits[0], control.TransparentColor) << i;  // the corner
        const GifColorType colour = image.ImageDesc.ColorMap->Colors[image.RasterBits[20 * 60 + 10]];
        EXPECT_EQ(QColor(colour.Red, colour.Green, colour.Blue), kColours[i]) << i;
    }
    DGifCloseFile(gif, &error);
}

// Each frame's delay as giflib reads it back, in hundredths of a second.
std::vector<int> gifDelays(const std::string& path) {
    int error = 0;
    GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
    if (gif == nullptr) return {};
    std::vector<int> delays;
    if (DGifSlurp(gif) == GIF_OK) {
        for (int i = 0; i < gif->ImageCount; ++i) {
            GraphicsControlBlock control{};
            if (DGifSavedExtensionToGCB(gif, i, &control) == GIF_OK) delays.push_back(control.DelayTime);
        }
    }
    DGifCloseFile(gif, &error);
    return delays;
}

// GIF delays are whole hundredths: the fractions are carried from frame to
// frame so the whole animation lasts exactly as long as the effect's frames.
TEST_F(EngineExportTest, AnimatedGifDelaysAddUpToTheEffectsDuration) {
    ComposeRequest r = request("timed.gif");
    r.plan.engine.animated = true;
    ASSERT_TRUE(composeExport(r).ok());
    // 2 frames at 30 fps: 66.7 ms each, 333 ms for five.
    EXPECT_EQ(gifDelays(r.destination), (std::vector<int>{6, 7, 7, 6, 7}));

    r.plan.step = 1;  // 33.3 ms each
    ASSERT_TRUE(composeExport(r).ok());
    EXPECT_EQ(gifDelays(r.destination), (std::vector<int>{3, 3, 4, 3, 3}));

    r.fps = 12;  // 83.3 ms each
    ASSERT_TRUE(composeExport(r).ok());
    EXPECT_EQ(gifDelays(r.destination), (std::vector<int>{8, 8, 9, 8, 8}));

    // Browsers stretch delays below 2 hundredths to a tenth of a second:
    // 60 fps is shown as fast as GIF allows.
    r.fps = 60;
    ASSERT_TRUE(composeExport(r).ok());
    EXPECT_EQ(gifDelays(r.destination), (std::vector<int>{2, 2, 2, 2, 2}));
}

// Frame count, loop count, size, each frame's duration and the corner's alpha.
void expectWebpAnimation(const std::string& path, bool lossless) {
    const std::vector<unsigned char> bytes = fileBytes(path);
    WebPData data{bytes.data(), bytes.size()};
    WebPDemuxer* demux = WebPDemux(&data);
    ASSERT_NE(demux, nullptr);
    EXPECT_EQ(WebPDemuxGetI(demux, WEBP_FF_CANVAS_WIDTH), 60u);
    EXPECT_EQ(WebPDemuxGetI(demux, WEBP_FF_CANVAS_HEIGHT), 40u);
    EXPECT_EQ(WebPDemuxGetI(demux, WEBP_FF_FRAME_COUNT), 5u);
    EXPECT_EQ(WebPDemuxGetI(demux, WEBP_FF_LOOP_COUNT), 0u);
    EXPECT_TRUE(WebPDemuxGetI(demux, WEBP_FF_FORMAT_FLAGS) & ALPHA_FLAG);
    WebPDemuxDelete(demux);

    WebPAnimDecoderOptions options;
    ASSERT_TRUE(WebPAnimDecoderOptionsInit(&options));
    options.color_mode = MODE_RGBA;
    WebPAnimDecoder* decoder = WebPAnimDecoderNew(&data, &options);
    ASSERT_NE(decoder, nullptr);
    for (int i = 0; i < 5; ++i) {
        uint8_t* pixels = nullptr;
        int timestamp = 0;
        ASSERT_TRUE(WebPAnimDecoderGetNext(decoder, &pixels, &timestamp));
        // 66.7 ms each, the fractions carried: the end of frame i in whole ms.
        EXPECT_EQ(timestamp, (i + 1) * 200 / 3) << i;
        EXPECT_EQ(pixels[3], 0) << i;  // the corner stays clear
        const uint8_t* inside = pixels + (20 * 60 + 10) * 4;
        EXPECT_EQ(inside[3], 255) << i;
        if (lossless) {
            EXPECT_EQ(QColor(inside[0], inside[1], inside[2]), kColours[i]) << i;
        } else {
            EXPECT_NEAR(inside[0], kColours[i].red(), 24) << i;
            EXPECT_NEAR(inside[1], kColours[i].green(), 24) << i;
        }
    }
    EXPECT_FALSE(WebPAnimDecoderHasMoreFrames(decoder));
    WebPAnimDecoderDelete(decoder);
}

TEST_F(EngineExportTest, AnimatedWebpIsLosslessByDefaultAndLossyOnRequest) {
    ComposeRequest r = request("fire.webp");
    r.plan.engine.animated = true;
    ASSERT_TRUE(composeExport(r).ok());
    expectWebpAnimation(r.destination, true);

    ComposeRequest lossy = request("lossy.webp");
    lossy.plan.engine.animated = true;
    lossy.plan.engine.quality = 60;
    ASSERT_TRUE(composeExport(lossy).ok());
    expectWebpAnimation(lossy.destination, false);
    EXPECT_NE(fileBytes(lossy.destination), fileBytes(r.destination));
}

}  // namespace
}  // namespace fg
