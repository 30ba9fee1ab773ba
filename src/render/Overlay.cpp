#include "render/Overlay.h"

#include <cstdio>

namespace fg {

namespace {

constexpr float kGlyphWidth = 10.0f;
constexpr float kGlyphHeight = 16.0f;
constexpr float kLineHeight = 18.0f;

int glyphIndex(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c == '/') return 10;
    if (c == ':') return 11;
    return -1;
}

std::string formatted(const char* format, int a, int b = 0) {
    char text[64];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

}  // namespace

std::unique_ptr<Overlay> Overlay::create(SpriteProgram& program, RenderError* error) {
    std::unique_ptr<Overlay> overlay(new Overlay(program));
    const bool ok = overlay->m_mask.load(":/fulgrane3d/pictures/mask.png", error) &&
                    overlay->m_digits.load(":/fulgrane3d/pictures/digits.png", error) &&
                    overlay->m_icons.load(":/fulgrane3d/pictures/icons.png", error);
    return ok ? std::move(overlay) : nullptr;
}

void Overlay::drawLetterbox(int viewWidth, int viewHeight, int frameWidth, int frameHeight) {
    // A frame without area has no aspect to show.
    if (frameWidth <= 0 || frameHeight <= 0 || viewWidth <= 0 || viewHeight <= 0) return;
    const float W = static_cast<float>(viewWidth);
    const float H = static_cast<float>(viewHeight);
    const float a = static_cast<float>(frameWidth) / static_cast<float>(frameHeight);
    const PixelRect whole{0.0f, 0.0f, static_cast<float>(m_mask.textureWidth()), static_cast<float>(m_mask.textureHeight())};
    if (a < W / H) {
        const float w = static_cast<float>(static_cast<int>((W - H * a) / 2.0f));
        m_mask.draw(viewWidth, viewHeight, {0.0f, 0.0f, w, H}, whole);
        m_mask.draw(viewWidth, viewHeight, {W - w, 0.0f, w, H}, whole);
    } else {
        const float h = static_cast<float>(static_cast<int>((H - W / a) / 2.0f));
        m_mask.draw(viewWidth, viewHeight, {0.0f, 0.0f, W, h}, whole);
        m_mask.draw(viewWidth, viewHeight, {0.0f, H - h, W, h}, whole);
    }
}

void Overlay::drawText(int viewWidth, int viewHeight, float x, float y, const std::string& text) {
    for (char c : text) {
        const int glyph = glyphIndex(c);
        if (glyph < 0) continue;
        m_digits.draw(viewWidth, viewHeight, {x, y, kGlyphWidth, kGlyphHeight},
                      {kGlyphWidth * static_cast<float>(glyph), 0.0f, kGlyphWidth, kGlyphHeight});
        x += kGlyphWidth;
    }
}

void Overlay::drawCounters(int viewWidth, int viewHeight, const CounterOptions& options, const CounterValues& values) {
    float y = 0.0f;
    if (options.showFrame) {
        drawText(viewWidth, viewHeight, 0.0f, y, formatted("%04d/%04d", values.completedFrame, values.effectFrames));
        y += kLineHeight;
    }
    if (options.showParticles) {
        m_digits.draw(viewWidth, viewHeight, {0.0f, y, 55.0f, 16.0f}, {38.0f, 16.0f, 55.0f, 16.0f});
        drawText(viewWidth, viewHeight, 55.0f, y, formatted(":%d", values.particles));
        y += kLineHeight;
    }
    if (options.showFps) {
        m_digits.draw(viewWidth, viewHeight, {0.0f, y, 32.0f, 16.0f}, {0.0f, 16.0f, 32.0f, 16.0f});
        drawText(viewWidth, viewHeight, 32.0f, y, formatted(":%d", values.fps));
    }
}

void Overlay::drawIcons(int viewWidth, int viewHeight, int hoveredTool) {
    for (int i = 1; i <= 3; ++i) {
        const float row = hoveredTool == i ? 32.0f : 0.0f;
        m_icons.draw(viewWidth, viewHeight, {static_cast<float>(viewWidth - 128 + 32 * i), 0.0f, 32.0f, 32.0f},
                     {32.0f * static_cast<float>(i), row, 32.0f, 32.0f});
    }
}

}  // namespace fg
