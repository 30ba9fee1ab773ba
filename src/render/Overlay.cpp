#include "render/Overlay.h"

#include <QImage>
#include <cstdio>

#include "render/BackgroundColor.h"
#include "render/FrameSnapshot.h"
#include "render/RenderStates.h"
#include "render/Renderer.h"

namespace fg {

namespace {

constexpr int kGlyphCells = 10;  // width of a glyph's cell in the digit picture
constexpr float kGlyphWidth = 10.0f;
constexpr float kGlyphHeight = 16.0f;
constexpr float kLineHeight = 18.0f;
// On a dark background the margins are washed towards white by this much;
// on a light one the mask picture darkens them.
constexpr float kLightenOpacity = 0.3f;
constexpr SpriteTint kLightLine{1.0f, 1.0f, 1.0f, 1.0f};
constexpr SpriteTint kDarkLine{0.0f, 0.0f, 0.0f, 1.0f};
// The particle line while the live-particle limit holds spawns back.
constexpr SpriteTint kWarning{1.0f, 0.45f, 0.3f, 1.0f};
constexpr PixelRect kLimitLabel{94.0f, 16.0f, 34.0f, 16.0f};
// The pause mark after the frame line: two upright bars in the glyphs' white
// with their shadow one pixel down and right, as the digit picture has it.
constexpr float kPauseGap = 5.0f;   // between the last glyph and the first bar
constexpr float kPauseBar = 3.0f;   // each bar's width
constexpr float kPauseSpace = 3.0f; // between the bars
constexpr float kPauseTop = 2.0f;
constexpr float kPauseHeight = 12.0f;
constexpr SpriteTint kInk{1.0f, 1.0f, 1.0f, 1.0f};
constexpr SpriteTint kShadow{0.0f, 0.0f, 0.0f, 200.0f / 255.0f};

const char* const kDigitsPicture = ":/fulgrane3d/pictures/digits.png";

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

// Per glyph: the move that centres its ink (any pixel not fully clear,
// shadow included) in its cell, rounded to whole pixels.
std::array<int, Overlay::kGlyphCount> measureGlyphShifts(const QImage& sheet) {
    std::array<int, Overlay::kGlyphCount> shifts{};
    if (sheet.isNull()) return shifts;
    const QImage picture = sheet.convertToFormat(QImage::Format_ARGB32);
    for (int glyph = 0; glyph < Overlay::kGlyphCount; ++glyph) {
        int left = kGlyphCells;
        int right = -1;
        for (int column = 0; column < kGlyphCells; ++column) {
            const int x = glyph * kGlyphCells + column;
            for (int y = 0; y < static_cast<int>(kGlyphHeight) && x < picture.width() && y < picture.height(); ++y) {
                if (qAlpha(picture.pixel(x, y)) == 0) continue;
                left = std::min(left, column);
                right = std::max(right, column);
            }
        }
        if (right < left) continue;  // an empty cell stays where it is
        const int width = right - left + 1;
        shifts[static_cast<std::size_t>(glyph)] = (kGlyphCells - width + 1) / 2 - left;
    }
    return shifts;
}

bool isDark(Vec3f backColor) {
    const Rgb8 c = backgroundBytes(backColor);
    return 299 * c.r + 587 * c.g + 114 * c.b < 128 * 1000;
}

}  // namespace

std::unique_ptr<Overlay> Overlay::create(SpriteProgram& program, RenderError* error) {
    std::unique_ptr<Overlay> overlay(new Overlay(program));
    const bool ok = overlay->m_mask.load(":/fulgrane3d/pictures/mask.png", error) &&
                    overlay->m_solid.load(":/fulgrane3d/pictures/white.png", error) &&
                    overlay->m_digits.load(kDigitsPicture, error) &&
                    overlay->m_icons.load(":/fulgrane3d/pictures/icons.png", error);
    if (!ok) return nullptr;
    overlay->m_glyphShift = measureGlyphShifts(QImage(kDigitsPicture));
    return overlay;
}

void Overlay::fill(int viewWidth, int viewHeight, const PixelRect& area, const SpriteTint& colour) {
    if (area.w <= 0.0f || area.h <= 0.0f) return;
    const PixelRect whole{0.0f, 0.0f, static_cast<float>(m_solid.textureWidth()),
                          static_cast<float>(m_solid.textureHeight())};
    m_solid.draw(viewWidth, viewHeight, area, whole, colour);
}

void Overlay::drawLetterbox(int viewWidth, int viewHeight, int frameWidth, int frameHeight, Vec3f backColor) {
    // A frame without area has no aspect to show.
    if (frameWidth <= 0 || frameHeight <= 0 || viewWidth <= 0 || viewHeight <= 0) return;
    const float W = static_cast<float>(viewWidth);
    const float H = static_cast<float>(viewHeight);
    const float a = static_cast<float>(frameWidth) / static_cast<float>(frameHeight);
    // The two margins, each with the edge it shares with the exported frame.
    const bool sides = a < W / H;
    const float m = sides ? static_cast<float>(static_cast<int>((W - H * a) / 2.0f))
                          : static_cast<float>(static_cast<int>((H - W / a) / 2.0f));
    const PixelRect first = sides ? PixelRect{0.0f, 0.0f, m, H} : PixelRect{0.0f, 0.0f, W, m};
    const PixelRect second = sides ? PixelRect{W - m, 0.0f, m, H} : PixelRect{0.0f, H - m, W, m};

    // Shading alone vanishes on some backgrounds (darkening black): lighten
    // what the export leaves out on a dark background, darken it on a light one.
    const bool dark = isDark(backColor);
    const PixelRect whole{0.0f, 0.0f, static_cast<float>(m_mask.textureWidth()), static_cast<float>(m_mask.textureHeight())};
    for (const PixelRect& margin : {first, second}) {
        if (dark) {
            fill(viewWidth, viewHeight, margin, {1.0f, 1.0f, 1.0f, kLightenOpacity});
        } else {
            m_mask.draw(viewWidth, viewHeight, margin, whole);
        }
    }

    // The outline: inside the margins, a line against the frame's edge that
    // contrasts with the background, then one of the opposite tone, so the
    // edge shows on any colour.
    const SpriteTint& inner = dark ? kLightLine : kDarkLine;
    const SpriteTint& outer = dark ? kDarkLine : kLightLine;
    const float outerWidth = m >= 2.0f ? 1.0f : 0.0f;
    if (m < 1.0f) return;
    if (sides) {
        fill(viewWidth, viewHeight, {m - 1.0f, 0.0f, 1.0f, H}, inner);
        fill(viewWidth, viewHeight, {m - 2.0f, 0.0f, outerWidth, H}, outer);
        fill(viewWidth, viewHeight, {W - m, 0.0f, 1.0f, H}, inner);
        fill(viewWidth, viewHeight, {W - m + 1.0f, 0.0f, outerWidth, H}, outer);
    } else {
        fill(viewWidth, viewHeight, {0.0f, m - 1.0f, W, 1.0f}, inner);
        fill(viewWidth, viewHeight, {0.0f, m - 2.0f, W, outerWidth}, outer);
        fill(viewWidth, viewHeight, {0.0f, H - m, W, 1.0f}, inner);
        fill(viewWidth, viewHeight, {0.0f, H - m + 1.0f, W, outerWidth}, outer);
    }
}

float Overlay::drawText(int viewWidth, int viewHeight, float x, float y, const std::string& text,
                        const SpriteTint& tint) {
    // A fixed advance keeps the numbers from jittering as they change; each
    // glyph's ink is centred in its cell, so a narrow "1" leaves no gap on one side.
    for (char c : text) {
        const int glyph = glyphIndex(c);
        if (glyph < 0) continue;
        const float shift = static_cast<float>(m_glyphShift[static_cast<std::size_t>(glyph)]);
        m_digits.draw(viewWidth, viewHeight, {x + shift, y, kGlyphWidth, kGlyphHeight},
                      {kGlyphWidth * static_cast<float>(glyph), 0.0f, kGlyphWidth, kGlyphHeight}, tint);
        x += kGlyphWidth;
    }
    return x;
}

PixelRect Overlay::drawCounters(int viewWidth, int viewHeight, const CounterOptions& options,
                                const CounterValues& values) {
    float y = 0.0f;
    if (options.showFrame || values.paused) {
        const float end =
            drawText(viewWidth, viewHeight, 0.0f, y, formatted("%04d/%04d", values.completedFrame, values.effectFrames));
        if (values.paused) drawPauseMark(viewWidth, viewHeight, end + kPauseGap, y);
        y += kLineHeight;
    }
    if (options.showParticles || values.particleLimitReached) {
        const SpriteTint tint = values.particleLimitReached ? kWarning : SpriteTint{};
        m_digits.draw(viewWidth, viewHeight, {0.0f, y, 55.0f, 16.0f}, {38.0f, 16.0f, 55.0f, 16.0f}, tint);
        const float end = drawText(viewWidth, viewHeight, 55.0f, y, formatted(":%d", values.particles), tint);
        if (values.particleLimitReached) {
            m_digits.draw(viewWidth, viewHeight, {end + 4.0f, y, kLimitLabel.w, kLimitLabel.h}, kLimitLabel, tint);
        }
        y += kLineHeight;
    }
    if (!options.showFps) return {0.0f, y, 0.0f, kGlyphHeight};
    m_digits.draw(viewWidth, viewHeight, {0.0f, y, 32.0f, 16.0f}, {0.0f, 16.0f, 32.0f, 16.0f});
    const float end = drawText(viewWidth, viewHeight, 32.0f, y, formatted(":%d", values.fps));
    return {end + kPauseGap, y, 0.0f, kGlyphHeight};
}

void Overlay::drawPauseMark(int viewWidth, int viewHeight, float x, float y) {
    for (const float bar : {x, x + kPauseBar + kPauseSpace}) {
        fill(viewWidth, viewHeight, {bar + 1.0f, y + kPauseTop + 1.0f, kPauseBar, kPauseHeight}, kShadow);
    }
    for (const float bar : {x, x + kPauseBar + kPauseSpace}) {
        fill(viewWidth, viewHeight, {bar, y + kPauseTop, kPauseBar, kPauseHeight}, kInk);
    }
}

void Overlay::drawIcons(int viewWidth, int viewHeight, int hoveredTool) {
    for (int i = 1; i <= 3; ++i) {
        const float row = hoveredTool == i ? 32.0f : 0.0f;
        m_icons.draw(viewWidth, viewHeight, {static_cast<float>(viewWidth - 128 + 32 * i), 0.0f, 32.0f, 32.0f},
                     {32.0f * static_cast<float>(i), row, 32.0f, 32.0f});
    }
}

PixelRect drawViewOverlay(Overlay& overlay, const FrameSnapshot& snapshot, const PreviewFrame& frame) {
    applyDepth(DepthUse::Overlay);
    if (frame.project) {
        overlay.drawLetterbox(frame.viewWidth, frame.viewHeight, frame.project->width, frame.project->height,
                              frame.project->backColor);
    }
    CounterValues values;
    values.completedFrame = static_cast<int>(snapshot.frame) - 1;
    values.effectFrames = frame.project ? frame.project->frame : 0;
    values.particles = snapshot.particleCount;
    values.fps = frame.fps.value_or(snapshot.stepRate);
    values.particleLimitReached = snapshot.particleLimitReached;
    values.paused = frame.paused;
    const PixelRect note = overlay.drawCounters(frame.viewWidth, frame.viewHeight, frame.counters, values);
    overlay.drawIcons(frame.viewWidth, frame.viewHeight, frame.hoveredTool);
    return note;
}

}  // namespace fg
