#pragma once
// Videos (H.264 in MP4, VP9 with alpha in WebM) and animated PNG through
// FFmpeg's libraries. Frames are converted and encoded as they are added and
// the muxer streams them into a temporary file beside the chosen one, so
// memory stays the same however many frames the export has.

#include <memory>
#include <string>

#include "model/Message.h"
#include "model/TextTemplate.h"
#include "render/export/AnimatedWriter.h"

namespace fg {

// Reasons of a failed video export, put after the file's name.
inline constexpr const char* kVideoLibraryLacks =
    FG_TRANSLATE_NOOP("fg::export_text", "インストールされているFFmpegのライブラリに「%1」がありません。");
inline constexpr const char* kVideoSizeRefused =
    FG_TRANSLATE_NOOP("fg::export_text", "「%1」は%2×%3ピクセルの画像を扱えません。");

enum class VideoPixels { Yuv420, Yuva420, Rgba };

// One kind of file: the container, the encoder and what it stores.
struct VideoCodec {
    const char* muxer;    // FFmpeg's name of the container
    const char* encoder;  // FFmpeg's name of the encoder
    VideoPixels pixels;
    bool evenSize;  // 4:2:0 without alpha: sides rounded up to even, the rest filled with the background
    int maxCrf;     // the encoder's constant-quality scale 0 … maxCrf; 0: lossless only
};

inline constexpr VideoCodec kMp4Video{"mp4", "libx264", VideoPixels::Yuv420, true, 51};
inline constexpr VideoCodec kWebmVideo{"webm", "libvpx-vp9", VideoPixels::Yuva420, false, 63};
inline constexpr VideoCodec kApngVideo{"apng", "apng", VideoPixels::Rgba, false, 0};

// The quality the export asks for when none is given (-1): visually
// lossless for effects (crf 17 for H.264, 20 for VP9).
inline constexpr int kDefaultVideoQuality = 68;

// The encoder's constant-quality value for quality 0 … 100 (-1: the
// default), higher quality giving a lower value. H.264 stops at 1: its 0 is
// a lossless mode few players can show.
int videoCrf(const VideoCodec& codec, int quality);

// The frame size the file holds.
int videoSide(const VideoCodec& codec, int side);

std::unique_ptr<AnimationWriter> beginVideo(const VideoCodec& codec, int width, int height,
                                            const AnimationSettings& settings, const std::string& path,
                                            Message* error);

}  // namespace fg
