#pragma once
// One animated file from the export's frames: GIF through giflib, WebP
// through libwebp's animation encoder. Both loop forever and keep the
// transparent background.

#include <QImage>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fg {

enum class AnimatedFormat { Gif, Webp };

// ".gif" or ".webp" in any case, like the still formats; nothing for others.
bool animatedFormatFor(std::string_view extension, AnimatedFormat& format);

struct AnimationSettings {
    // Each picture stands for `step` frames of an effect played at `fps`.
    int step = 1;
    int fps = 25;
    int quality = -1;  // WebP: -1 lossless, 0 … 100 lossy
};

// When picture `index` (from 0) ends, in whole 1/unitsPerSecond from the
// start: (index + 1) · step ÷ fps, truncated. Frame delays taken as the
// differences of these carry the fractions from frame to frame (33.3 ms in
// hundredths: 3, 3, 4, …), so the animation's total length never drifts
// from the effect's. A rate of 0 counts as one frame a second.
std::int64_t animationFrameEnd(const AnimationSettings& settings, int index, int unitsPerSecond);

// Encodes in memory, then replaces the file whole (writeExportBytes). Empty
// on success, otherwise why it failed. All frames have the same size.
std::string writeAnimatedGif(const std::vector<QImage>& frames, const AnimationSettings& settings,
                             const std::string& path);
std::string writeAnimatedWebp(const std::vector<QImage>& frames, const AnimationSettings& settings,
                              const std::string& path);

}  // namespace fg
