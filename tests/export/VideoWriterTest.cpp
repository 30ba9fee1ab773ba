// The video and animated PNG writers, read back with FFmpeg's own decoders:
// size, rate, length and every frame against the pictures handed over.

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "VideoDecode.h"
#include "persistence/FileBytes.h"
#include "persistence/Messages.h"
#include "render/export/VideoWriter.h"

namespace fg {
namespace {

namespace fs = std::filesystem;

constexpr QRgb kBackground = 0xff285078;  // the project's background, opaque
constexpr double kMp4Psnr = 27.0;  // hard gradients and a sharp spot on a tiny frame
constexpr double kWebmPsnr = 30.0;

// A picture that changes with `index`: smooth gradients, a soft moving spot
// and, unless opaque, an alpha ramp from left to right with clear corners.
QImage syntheticFrame(int index, int width, int height, bool opaque) {
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int dx = x - 4 - index * 3;
            const int dy = y - height / 2;
            const int spot = std::max(0, 255 - (dx * dx + dy * dy) * 8);
            const int r = std::min(255, (x * 255) / width + spot / 2);
            const int g = (y * 255) / height;
            const int b = std::min(255, (index * 37) % 128 + spot / 2);
            const bool corner = (x < 3 && y < 3) || (x >= width - 3 && y >= height - 3);
            const int a = opaque ? 255 : corner ? 0 : 64 + (x * 191) / width;
            image.setPixel(x, y, qRgba(r, g, b, a));
        }
    }
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The picture as it shows over the background.
QImage overBackground(const QImage& picture) {
    QImage canvas(picture.size(), QImage::Format_ARGB32_Premultiplied);
    canvas.fill(QColor::fromRgba(kBackground));
    QPainter(&canvas).drawImage(0, 0, picture);
    return canvas;
}

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class VideoWriterTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device seed;
        folder = fs::temp_directory_path() / ("fg-video-" + std::to_string(seed()));
        fs::create_directories(folder);
        settings.step = 2;
        settings.fps = 25;
        settings.background = kBackground;
    }
    void TearDown() override { fs::remove_all(folder); }

    // Writes `count` frames; empty on success, otherwise the first failure.
    Message write(const VideoCodec& codec, const std::string& name, int count, int width, int height,
                  bool opaque) {
        Message error;
        const std::unique_ptr<AnimationWriter> writer =
            beginVideo(codec, width, height, settings, (folder / name).string(), &error);
        if (!writer) return error;
        for (int i = 0; i < count; ++i) {
            QImage frame = syntheticFrame(i, width, height, opaque);
            if (opaque) frame = overBackground(frame);
            if (Message problem = writer->add(frame); !problem.empty()) return problem;
        }
        return writer->finish();
    }

    fs::path folder;
    AnimationSettings settings;
};

TEST_F(VideoWriterTest, QualityMapsOntoEachEncodersScale) {
    EXPECT_EQ(videoCrf(kMp4Video, -1), 17);
    EXPECT_EQ(videoCrf(kMp4Video, kDefaultVideoQuality), 17);
    EXPECT_EQ(videoCrf(kMp4Video, 0), 51);
    EXPECT_EQ(videoCrf(kMp4Video, 100), 1);
    EXPECT_EQ(videoCrf(kWebmVideo, -1), 20);
    EXPECT_EQ(videoCrf(kWebmVideo, 0), 63);
    EXPECT_EQ(videoCrf(kWebmVideo, 100), 0);
    EXPECT_EQ(videoSide(kMp4Video, 21), 22);
    EXPECT_EQ(videoSide(kMp4Video, 20), 20);
    EXPECT_EQ(videoSide(kWebmVideo, 21), 21);
    EXPECT_EQ(videoSide(kApngVideo, 21), 21);
}

// H.264 at an odd size: one more row in the background colour, the rate
// 25 ÷ 2 exactly, every frame close to the picture over the background.
// The added row shares its colour samples with the picture's last row
// (4:2:0), so only its brightness is the background's.
TEST_F(VideoWriterTest, Mp4IsEvenSizedOpaqueAndCloseToEveryFrame) {
    ASSERT_TRUE(write(kMp4Video, "clip.mp4", 6, 64, 47, true).empty());
    const test::DecodedVideo video = test::decodeVideo((folder / "clip.mp4").string());
    ASSERT_TRUE(video.error.empty()) << video.error;
    EXPECT_EQ(video.codec, "h264");
    EXPECT_EQ(video.width, 64);
    EXPECT_EQ(video.height, 48);
    EXPECT_EQ(video.rateNum * 2, video.rateDen * 25) << video.rateNum << "/" << video.rateDen;
    EXPECT_NEAR(video.seconds, 6 * 2 / 25.0, 0.005);
    EXPECT_NEAR(video.framesSeconds, 6 * 2 / 25.0, 0.005);
    ASSERT_EQ(video.frames.size(), 6u);
    const auto luma = [](QRgb c) { return 0.2126 * qRed(c) + 0.7152 * qGreen(c) + 0.0722 * qBlue(c); };
    for (int i = 0; i < 6; ++i) {
        const QImage& decoded = video.frames[static_cast<std::size_t>(i)];
        const QImage expected = overBackground(syntheticFrame(i, 64, 47, true));
        EXPECT_GT(test::psnr(decoded.copy(0, 0, 64, 47), expected), kMp4Psnr) << i;
        for (int x = 0; x < 64; x += 9) {
            EXPECT_NEAR(luma(decoded.pixel(x, 47)), luma(kBackground), 10) << x;
            EXPECT_GT(std::abs(luma(expected.pixel(x, 46)) - luma(kBackground)), 20) << "the last row is no background";
        }
    }
    EXPECT_EQ(namesIn(folder), std::vector<std::string>{"clip.mp4"});
}

TEST_F(VideoWriterTest, HigherQualityGivesALargerCloserVideo) {
    settings.quality = 10;
    ASSERT_TRUE(write(kMp4Video, "low.mp4", 4, 48, 32, true).empty());
    settings.quality = 95;
    ASSERT_TRUE(write(kMp4Video, "high.mp4", 4, 48, 32, true).empty());
    EXPECT_GT(fs::file_size(folder / "high.mp4"), fs::file_size(folder / "low.mp4"));
    const QImage expected = overBackground(syntheticFrame(0, 48, 32, true));
    const test::DecodedVideo low = test::decodeVideo((folder / "low.mp4").string());
    const test::DecodedVideo high = test::decodeVideo((folder / "high.mp4").string());
    ASSERT_FALSE(low.frames.empty());
    ASSERT_FALSE(high.frames.empty());
    EXPECT_GT(test::psnr(high.frames[0], expected), test::psnr(low.frames[0], expected));
}

// VP9 keeps the alpha plane; libvpx's own decoder returns it.
TEST_F(VideoWriterTest, WebmKeepsAlpha) {
    ASSERT_TRUE(write(kWebmVideo, "clip.webm", 5, 33, 24, false).empty());
    const test::DecodedVideo video = test::decodeVideo((folder / "clip.webm").string(), "libvpx-vp9");
    ASSERT_TRUE(video.error.empty()) << video.error;
    EXPECT_EQ(video.codec, "vp9");
    EXPECT_EQ(video.width, 33);
    EXPECT_EQ(video.height, 24);
    EXPECT_EQ(video.rateNum * 2, video.rateDen * 25) << video.rateNum << "/" << video.rateDen;
    EXPECT_NEAR(video.seconds, 5 * 2 / 25.0, 0.005);
    EXPECT_NEAR(video.framesSeconds, 5 * 2 / 25.0, 0.005);
    ASSERT_EQ(video.frames.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        const QImage& decoded = video.frames[static_cast<std::size_t>(i)];
        const QImage source = syntheticFrame(i, 33, 24, false);
        EXPECT_LE(test::largestDifference(decoded, source, 3), 12) << i;
        EXPECT_EQ(qAlpha(decoded.pixel(0, 0)), 0) << i;
        EXPECT_EQ(qAlpha(decoded.pixel(32, 23)), 0) << i;
        EXPECT_GT(test::psnr(overBackground(decoded.convertToFormat(QImage::Format_ARGB32_Premultiplied)),
                             overBackground(source)),
                  kWebmPsnr)
            << i;
    }
}

// Lossless: every frame comes back exactly, alpha included, and the file
// says to play for ever.
TEST_F(VideoWriterTest, AnimatedPngIsExactAndLoopsForever) {
    ASSERT_TRUE(write(kApngVideo, "clip.png", 5, 31, 17, false).empty());
    const test::DecodedVideo video = test::decodeVideo((folder / "clip.png").string());
    ASSERT_TRUE(video.error.empty()) << video.error;
    EXPECT_EQ(video.codec, "apng");
    EXPECT_EQ(video.width, 31);
    EXPECT_EQ(video.height, 17);
    EXPECT_EQ(video.rateNum * 2, video.rateDen * 25) << video.rateNum << "/" << video.rateDen;
    EXPECT_NEAR(video.framesSeconds, 5 * 2 / 25.0, 0.005);
    ASSERT_EQ(video.frames.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        const QImage expected = syntheticFrame(i, 31, 17, false).convertToFormat(QImage::Format_RGBA8888);
        EXPECT_EQ(video.frames[static_cast<std::size_t>(i)], expected) << i;
    }
    // acTL: the frame count, then the number of plays, 0 for ever.
    const std::string bytes = readFileBytes(folder / "clip.png").value_or("");
    const std::size_t control = bytes.find("acTL");
    ASSERT_NE(control, std::string::npos);
    ASSERT_GE(bytes.size(), control + 12);
    EXPECT_EQ(bytes.substr(control + 4, 8), std::string("\0\0\0\5\0\0\0\0", 8));
}

// The file grows on disk under a temporary name while frames come (past
// the output buffer's fixed 256 KB), and takes the chosen name only when
// finished.
TEST_F(VideoWriterTest, FramesGoToATemporaryFileAsTheyCome) {
    Message error;
    const std::string path = (folder / "stream.apng").string();
    const std::unique_ptr<AnimationWriter> writer = beginVideo(kApngVideo, 128, 128, settings, path, &error);
    ASSERT_TRUE(writer) << error.sourceText();
    std::mt19937 noise(7);
    for (int i = 0; i < 12; ++i) {
        QImage frame(128, 128, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < 128; ++y) {
            for (int x = 0; x < 128; ++x) frame.setPixel(x, y, static_cast<QRgb>(noise()) | 0xff000000u);
        }
        ASSERT_TRUE(writer->add(frame).empty());
    }
    const std::vector<std::string> names = namesIn(folder);
    ASSERT_EQ(names.size(), 1u);
    EXPECT_TRUE(temporaryOwner(names[0], "stream.apng").has_value()) << names[0];
    // Noise hardly compresses: 12 frames are some 590 KB.
    EXPECT_GT(fs::file_size(folder / names[0]), 300u * 1024);
    ASSERT_TRUE(writer->finish().empty());
    EXPECT_EQ(namesIn(folder), std::vector<std::string>{"stream.apng"});
}

TEST_F(VideoWriterTest, MissingEncoderImpossibleSizeAndNoFramesAreErrorsThatLeaveNothing) {
    VideoCodec missing = kMp4Video;
    missing.encoder = "no-such-encoder";
    Message error;
    EXPECT_FALSE(beginVideo(missing, 16, 16, settings, (folder / "a.mp4").string(), &error));
    EXPECT_EQ(error, Message("fg::export_text", kVideoLibraryLacks).arg("no-such-encoder"));

    error = {};
    EXPECT_FALSE(beginVideo(kMp4Video, 40001, 40000, settings, (folder / "b.mp4").string(), &error));
    EXPECT_EQ(error, Message("fg::export_text", kVideoSizeRefused).arg("libx264").arg("40002").arg("40000"));
    error = {};
    EXPECT_FALSE(beginVideo(kWebmVideo, 70000, 16, settings, (folder / "c.webm").string(), &error));
    EXPECT_EQ(error, Message("fg::export_text", kVideoSizeRefused).arg("libvpx-vp9").arg("70000").arg("16"));

    const std::unique_ptr<AnimationWriter> empty =
        beginVideo(kWebmVideo, 16, 16, settings, (folder / "d.webm").string(), &error);
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->finish(), Message::verbatim("no frames"));
    EXPECT_TRUE(namesIn(folder).empty());
}

TEST_F(VideoWriterTest, FullDiskIsReported) {
    for (const VideoCodec* codec : {&kMp4Video, &kWebmVideo, &kApngVideo}) {
        Message error;
        const std::unique_ptr<AnimationWriter> writer = beginVideo(*codec, 16, 16, settings, "/dev/full", &error);
        Message problem = error;
        for (int i = 0; writer && problem.empty() && i < 3; ++i) {
            problem = writer->add(overBackground(syntheticFrame(i, 16, 16, true)));
        }
        if (writer && problem.empty()) problem = writer->finish();
        EXPECT_EQ(problem, Message("fg::persistence_text", persistence_text::kDiskFull)) << codec->muxer;
    }
}

// A write that fails halfway (here the process's file size limit, as a disk
// that fills up) removes the temporary file and leaves the earlier file as
// it was.
TEST_F(VideoWriterTest, AFailedWriteLeavesTheEarlierFile) {
    const fs::path target = folder / "clip.webm";
    ASSERT_TRUE(writeFileBytes(target, "earlier"));
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 2000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const Message problem = write(kWebmVideo, "clip.webm", 8, 96, 64, false);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(problem, Message("fg::persistence_text", persistence_text::kFileTooLarge));
    EXPECT_EQ(namesIn(folder), std::vector<std::string>{"clip.webm"});
    EXPECT_EQ(readFileBytes(target), "earlier");
}

}  // namespace
}  // namespace fg
