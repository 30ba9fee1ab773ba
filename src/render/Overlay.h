#pragma once
// The 2-D layer over the 3D view: the letterbox that shades what the export
// will not show and outlines what it will, the frame / particle / FPS
// counters and the three view-tool icons with the hovered one highlighted.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "model/Vec3.h"
#include "render/OverlayCounters.h"
#include "render/RenderError.h"
#include "render/Sprite.h"

namespace fg {

struct FrameSnapshot;
struct PreviewFrame;

class Overlay {
public:
    // Loads the mask, digit and icon pictures; null with *error when one is missing.
    static std::unique_ptr<Overlay> create(SpriteProgram& program, RenderError* error);

    // Masks the margins outside the exported frame's aspect (frameWidth /
    // frameHeight) and outlines the frame, in tones that stand out against
    // `backColor` (the project's background, 0..255 per channel).
    void drawLetterbox(int viewWidth, int viewHeight, int frameWidth, int frameHeight, Vec3f backColor);
    // One line per shown counter, 18 pixels apart from the top; a paused
    // preview's frame line ends in a pause mark. Returns the line's height
    // from where a note after the FPS counter goes (the start of the line
    // below the others when that counter is off).
    PixelRect drawCounters(int viewWidth, int viewHeight, const CounterOptions& options, const CounterValues& values);
    // The move, rotate and zoom icons in the top-right corner.
    void drawIcons(int viewWidth, int viewHeight, int hoveredTool);

    // Glyphs of the digit picture: 0-9, "/" and ":".
    static constexpr int kGlyphCount = 12;
    // How far each glyph is moved within its cell so that its ink sits in the
    // middle (a seven-segment "1" is drawn at the cell's right edge).
    const std::array<int, kGlyphCount>& glyphShifts() const { return m_glyphShift; }

private:
    explicit Overlay(SpriteProgram& program) : m_mask(program), m_solid(program), m_digits(program), m_icons(program) {}
    // Glyphs of 0-9, "/" and ":" from x; other characters are skipped.
    // Returns the x after the last glyph.
    float drawText(int viewWidth, int viewHeight, float x, float y, const std::string& text,
                   const SpriteTint& tint = {});
    // Two upright bars from x on the line at y.
    void drawPauseMark(int viewWidth, int viewHeight, float x, float y);
    // A plain rectangle of one colour.
    void fill(int viewWidth, int viewHeight, const PixelRect& area, const SpriteTint& colour);

    Sprite m_mask;
    Sprite m_solid;  // a white picture, tinted
    Sprite m_digits;
    Sprite m_icons;
    std::array<int, kGlyphCount> m_glyphShift{};
};

// The whole 2-D layer of a preview frame of `snapshot`: letterbox, counters
// and icons. Returns where a note after the FPS counter goes, as drawCounters.
PixelRect drawViewOverlay(Overlay& overlay, const FrameSnapshot& snapshot, const PreviewFrame& frame);

}  // namespace fg
