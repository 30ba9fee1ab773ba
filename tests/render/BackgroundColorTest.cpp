// The background colour is clamped to 0..255 before any conversion.

#include <gtest/gtest.h>

#include <cmath>

#include "render/BackgroundColor.h"

namespace fg {
namespace {

TEST(BackgroundColor, ChannelsClampToTheRangeBeforeConverting) {
    const Rgb8 bytes = backgroundBytes({1e30f, -1e30f, 127.9f});
    EXPECT_EQ(bytes.r, 255);
    EXPECT_EQ(bytes.g, 0);
    EXPECT_EQ(bytes.b, 127);
    const Rgb8 edges = backgroundBytes({255.0f, 0.0f, -3e38f});
    EXPECT_EQ(edges.r, 255);
    EXPECT_EQ(edges.g, 0);
    EXPECT_EQ(edges.b, 0);
    EXPECT_EQ(backgroundBytes({std::nanf(""), 3e38f, 0.5f}).r, 0);

    EXPECT_EQ(backgroundUnit({1e30f, -1e30f, 51.0f}), (Vec3f{1.0f, 0.0f, 51.0f / 255.0f}));
}

}  // namespace
}  // namespace fg
