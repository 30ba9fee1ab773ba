#pragma once
// One animated file from the export's frames: GIF through giflib, WebP
// through libwebp's animation encoder. Both loop forever and keep the
// transparent background.

#include <QImage>
#include <string>
#include <string_view>
#include <vector>

namespace fg {

enum class AnimatedFormat { Gif, Webp };

// ".gif" or ".webp" (as typed, like the still formats); nothing for others.
bool animatedFormatFor(std::string_view extension, AnimatedFormat& format);

struct AnimationSettings {
    int frameDelayMs = 40;
    int quality = -1;  // WebP: -1 lossless, 0 … 100 lossy
};

// Encodes in memory, then writes the file with every write checked. Empty on
// success, otherwise why it failed. All frames have the same size.
std::string writeAnimatedGif(const std::vector<QImage>& frames, const AnimationSettings& settings,
                             const std::string& path);
std::string writeAnimatedWebp(const std::vector<QImage>& frames, const AnimationSettings& settings,
                              const std::string& path);

}  // namespace fg
