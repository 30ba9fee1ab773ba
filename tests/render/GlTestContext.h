#pragma once
// A headless GL context shared by the pixel tests of one program, with the
// three programs loaded once. Tests render into their own RenderTarget and
// compare pixels of the read-back picture.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <cmath>
#include <memory>
#include <string>

#include "render/EglContext.h"
#include "render/LineProgram.h"
#include "render/PolyProgram.h"
#include "render/RenderTarget.h"
#include "render/SpriteProgram.h"

namespace fg::test {

class GlTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        std::string error;
        s_context = EglContext::create(&error);
        ASSERT_TRUE(s_context) << error;
        RenderError failure;
        s_line = LineProgram::load(&failure);
        ASSERT_TRUE(s_line) << failure.caption << ": " << failure.message;
        s_poly = PolyProgram::load(&failure);
        ASSERT_TRUE(s_poly) << failure.caption << ": " << failure.message;
        s_sprite = SpriteProgram::load(&failure);
        ASSERT_TRUE(s_sprite) << failure.caption << ": " << failure.message;
    }
    static void TearDownTestSuite() {
        s_sprite.reset();
        s_poly.reset();
        s_line.reset();
        s_context.reset();
    }
    void SetUp() override { ASSERT_TRUE(s_context && s_context->makeCurrent()); }

    static void clear(const RenderTarget& target, float r, float g, float b, float a = 1.0f, float depth = 1.0f) {
        target.bind();
        glClearColor(r, g, b, a);
        glClearDepth(depth);
        glDepthMask(GL_TRUE);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }

    static inline std::unique_ptr<EglContext> s_context;
    static inline std::unique_ptr<LineProgram> s_line;
    static inline std::unique_ptr<PolyProgram> s_poly;
    static inline std::unique_ptr<SpriteProgram> s_sprite;
};

// Channel values 0..255 of a pixel, origin top-left.
struct Rgba8 {
    int r, g, b, a;
};

inline Rgba8 pixelAt(const QImage& image, int x, int y) {
    const QColor c = image.pixelColor(x, y);
    return {c.red(), c.green(), c.blue(), c.alpha()};
}

// Whether each channel is within `tolerance` of the expected value.
inline ::testing::AssertionResult near(const Rgba8& actual, const Rgba8& expected, int tolerance = 2) {
    const bool ok = std::abs(actual.r - expected.r) <= tolerance && std::abs(actual.g - expected.g) <= tolerance &&
                    std::abs(actual.b - expected.b) <= tolerance && std::abs(actual.a - expected.a) <= tolerance;
    if (ok) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got (" << actual.r << ", " << actual.g << ", " << actual.b << ", "
                                         << actual.a << "), expected (" << expected.r << ", " << expected.g << ", "
                                         << expected.b << ", " << expected.a << ")";
}

// 0..1 to 0..255 as the target stores it.
inline int byteOf(float value) { return static_cast<int>(std::lround(value * 255.0f)); }

}  // namespace fg::test
