#pragma once
// The 2-D layer over the 3D view: the letterbox that shades what the export
// will not show, the frame / particle / FPS counters and the three view-tool
// icons with the hovered one highlighted.

#include <cstdint>
#include <memory>
#include <string>

#include "render/OverlayCounters.h"
#include "render/RenderError.h"
#include "render/Sprite.h"

namespace fg {

class Overlay {
public:
    // Loads the mask, digit and icon pictures; null with *error when one is missing.
    static std::unique_ptr<Overlay> create(SpriteProgram& program, RenderError* error);

    // Masks the margins outside the exported frame's aspect (frameWidth / frameHeight).
    void drawLetterbox(int viewWidth, int viewHeight, int frameWidth, int frameHeight);
    // One line per shown counter, 18 pixels apart from the top.
    void drawCounters(int viewWidth, int viewHeight, const CounterOptions& options, const CounterValues& values);
    // The move, rotate and zoom icons in the top-right corner.
    void drawIcons(int viewWidth, int viewHeight, int hoveredTool);

private:
    explicit Overlay(SpriteProgram& program) : m_mask(program), m_digits(program), m_icons(program) {}
    // Glyphs of 0-9, "/" and ":" from x; other characters are skipped.
    void drawText(int viewWidth, int viewHeight, float x, float y, const std::string& text);

    Sprite m_mask;
    Sprite m_digits;
    Sprite m_icons;
};

}  // namespace fg
