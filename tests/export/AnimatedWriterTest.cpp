// The animated writers against bytes pinned from the whole-sequence writers
// they replaced: frames handed over one at a time must give the same file.

#include <gtest/gtest.h>

#include <QImage>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "persistence/FileBytes.h"
#include "persistence/Messages.h"
#include "render/export/AnimatedWriter.h"

namespace fg {
namespace {

namespace fs = std::filesystem;

// A picture that changes with `index`: a gradient (more colours than a GIF
// palette holds on the larger frames), a moving spot and clear corners.
QImage syntheticFrame(int index, int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool corner = (x < 4 && y < 4) || (x >= width - 4 && y >= height - 4);
            const bool spot = (x - index * 3) * (x - index * 3) + (y - height / 2) * (y - height / 2) < 36;
            const int r = (x * 255) / width;
            const int g = (y * 255) / height;
            const int b = spot ? 255 : (index * 37) % 256;
            image.setPixel(x, y, corner ? qRgba(0, 0, 0, 0) : qRgba(r, g, b, 255));
        }
    }
    return image;
}

std::vector<QImage> syntheticFrames(int count, int width, int height) {
    std::vector<QImage> frames;
    for (int i = 0; i < count; ++i) frames.push_back(syntheticFrame(i, width, height));
    return frames;
}

// FNV-1a over the file: enough to tell any change of a byte.
std::uint64_t fileHash(const std::filesystem::path& path) {
    const std::optional<std::string> bytes = readFileBytes(path);
    if (!bytes) return 0;
    std::uint64_t hash = 1469598103934665603ull;
    for (const char c : *bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

class AnimatedWriterTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("fg-animated-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        std::filesystem::create_directories(folder);
        settings.step = 2;
        settings.fps = 30;
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::filesystem::path folder;
    AnimationSettings settings;
};

// Pinned from the writers that took the whole sequence at once.
constexpr std::uint64_t kSmallGif = 0xb450cee3420760ddull;
constexpr std::uint64_t kLargeGif = 0x2d771fee5a76087bull;
constexpr std::uint64_t kLosslessWebp = 0xbb758d0e05c036feull;
constexpr std::uint64_t kLossyWebp = 0x31f61fb1b94ec42dull;

TEST_F(AnimatedWriterTest, WholeSequenceBytes) {
    const std::vector<QImage> small = syntheticFrames(6, 12, 10);
    const std::vector<QImage> large = syntheticFrames(5, 40, 30);
    ASSERT_TRUE(writeAnimation(beginAnimatedGif, small, settings, (folder / "small.gif").string()).empty());
    ASSERT_TRUE(writeAnimation(beginAnimatedGif, large, settings, (folder / "large.gif").string()).empty());
    ASSERT_TRUE(writeAnimation(beginAnimatedWebp, large, settings, (folder / "lossless.webp").string()).empty());
    settings.quality = 60;
    ASSERT_TRUE(writeAnimation(beginAnimatedWebp, large, settings, (folder / "lossy.webp").string()).empty());
    EXPECT_EQ(fileHash(folder / "small.gif"), kSmallGif);
    EXPECT_EQ(fileHash(folder / "large.gif"), kLargeGif);
    EXPECT_EQ(fileHash(folder / "lossless.webp"), kLosslessWebp);
    EXPECT_EQ(fileHash(folder / "lossy.webp"), kLossyWebp);
}

// Each frame made just before it is added and dropped right after: the
// same bytes as the whole sequence.
TEST_F(AnimatedWriterTest, FramesOneAtATimeGiveTheSameBytes) {
    struct Case {
        AnimationBegin begin;
        int quality;
        const char* name;
        std::uint64_t hash;
    };
    for (const Case& c : {Case{beginAnimatedGif, -1, "large.gif", kLargeGif},
                          Case{beginAnimatedWebp, -1, "lossless.webp", kLosslessWebp},
                          Case{beginAnimatedWebp, 60, "lossy.webp", kLossyWebp}}) {
        settings.quality = c.quality;
        Message error;
        const std::unique_ptr<AnimationWriter> writer = c.begin(40, 30, settings, (folder / c.name).string(), &error);
        ASSERT_TRUE(writer) << error.sourceText();
        for (int i = 0; i < 5; ++i) ASSERT_TRUE(writer->add(syntheticFrame(i, 40, 30)).empty()) << c.name;
        EXPECT_FALSE(fs::exists(folder / c.name)) << "written only when finished";
        ASSERT_TRUE(writer->finish().empty()) << c.name;
        EXPECT_EQ(fileHash(folder / c.name), c.hash) << c.name;
    }
}

TEST_F(AnimatedWriterTest, NoFramesOrAnUnwritableFileIsAnError) {
    Message error;
    for (AnimationBegin begin : {beginAnimatedGif, beginAnimatedWebp}) {
        const std::unique_ptr<AnimationWriter> empty = begin(8, 8, settings, (folder / "none").string(), &error);
        ASSERT_TRUE(empty);
        EXPECT_EQ(empty->finish(), Message::verbatim("no frames"));
        const std::unique_ptr<AnimationWriter> full = begin(8, 8, settings, "/dev/full", &error);
        ASSERT_TRUE(full);
        ASSERT_TRUE(full->add(syntheticFrame(0, 8, 8)).empty());
        EXPECT_EQ(full->finish(), Message("fg::persistence_text", persistence_text::kDiskFull));
    }
    EXPECT_FALSE(fs::exists(folder / "none"));
}

}  // namespace
}  // namespace fg
