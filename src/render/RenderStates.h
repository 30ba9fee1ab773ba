#pragma once
// The fixed pipeline states particles, lines and sprites are drawn with.
// Front faces are the counter-clockwise ones as seen on screen, and depth
// clipping is off: geometry in front of the near plane or behind the far
// plane is kept with its depth clamped to 0..1 instead of being cut away.

namespace fg {

enum class CullMode { None, Front, Back };
// Alpha: straight alpha blending. Additive: colour added with source alpha
// (alpha itself blends normally). Replace: the source overwrites.
enum class BlendMode { Alpha, Additive, Replace };
enum class DepthUse {
    PreviewOpaque,       // test on, writes on, less
    PreviewTranslucent,  // test on, writes off, less
    Overlay,             // test on, writes off, less
    Export,              // test off, writes off
};

// Each call sets every GL flag its state depends on.
void applyCull(CullMode mode);
void applyBlend(BlendMode mode);
void applyDepth(DepthUse use);

}  // namespace fg
