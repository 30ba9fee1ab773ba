#pragma once
// One animated file from the export's frames: GIF through giflib, WebP
// through libwebp's animation encoder, MP4, WebM and animated PNG through
// FFmpeg's libraries (VideoWriter.h). All but MP4 keep the transparent
// background; the animations loop forever. Frames are handed over one at a time and encoded
// as they come, so an animation holds one picture in memory, not all of them.

#include <QImage>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/Message.h"

namespace fg {

struct AnimationSettings {
    // Each picture stands for `step` frames of an effect played at `fps`.
    int step = 1;
    int fps = 25;
    int quality = -1;  // WebP: -1 lossless, 0 … 100 lossy; video: -1 the default, 0 … 100
    // Fills what a video adds around the frames (its sides rounded up to even).
    std::uint32_t background = 0xff000000;  // #AARRGGBB
};

// When picture `index` (from 0) ends, in whole 1/unitsPerSecond from the
// start: (index + 1) · step ÷ fps, truncated. Frame delays taken as the
// differences of these carry the fractions from frame to frame (33.3 ms in
// hundredths: 3, 3, 4, …), so the animation's total length never drifts
// from the effect's. A rate of 0 counts as one frame a second.
std::int64_t animationFrameEnd(const AnimationSettings& settings, int index, int unitsPerSecond);

// One animation being written: begin (the format's begin function), add
// every frame in order, finish. Every frame has the size given at the begin.
class AnimationWriter {
public:
    virtual ~AnimationWriter() = default;
    // Encodes the next frame. Empty on success, otherwise why it failed;
    // after a failure the writer takes nothing more.
    virtual Message add(const QImage& frame) = 0;
    // Ends the animation and replaces the file whole (writeExportBytes).
    virtual Message finish() = 0;
};

// Nothing, with *error set, when the encoder cannot be made.
using AnimationBegin = std::unique_ptr<AnimationWriter> (*)(int width, int height, const AnimationSettings& settings,
                                                            const std::string& path, Message* error);
std::unique_ptr<AnimationWriter> beginAnimatedGif(int width, int height, const AnimationSettings& settings,
                                                  const std::string& path, Message* error);
std::unique_ptr<AnimationWriter> beginAnimatedWebp(int width, int height, const AnimationSettings& settings,
                                                   const std::string& path, Message* error);
std::unique_ptr<AnimationWriter> beginMp4(int width, int height, const AnimationSettings& settings,
                                          const std::string& path, Message* error);
std::unique_ptr<AnimationWriter> beginWebm(int width, int height, const AnimationSettings& settings,
                                           const std::string& path, Message* error);
std::unique_ptr<AnimationWriter> beginApng(int width, int height, const AnimationSettings& settings,
                                           const std::string& path, Message* error);

// A whole sequence through `begin`; empty on success.
Message writeAnimation(AnimationBegin begin, const std::vector<QImage>& frames, const AnimationSettings& settings,
                       const std::string& path);

}  // namespace fg
