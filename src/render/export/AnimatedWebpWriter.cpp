#include <webp/encode.h>
#include <webp/mux.h>

#include <algorithm>
#include <limits>
#include <memory>

#include "render/export/AnimatedWriter.h"
#include "render/export/ImageFileWriter.h"

namespace fg {
namespace {

struct EncoderDeleter {
    void operator()(WebPAnimEncoder* encoder) const { WebPAnimEncoderDelete(encoder); }
};

struct PictureGuard {
    WebPPicture picture{};
    bool made = false;
    ~PictureGuard() {
        if (made) WebPPictureFree(&picture);
    }
};

std::string encoderError(WebPAnimEncoder* encoder) {
    const char* text = WebPAnimEncoderGetError(encoder);
    return text && *text ? text : "WebP encoding failed";
}

}  // namespace

std::string writeAnimatedWebp(const std::vector<QImage>& frames, const AnimationSettings& settings,
                              const std::string& path) {
    if (frames.empty()) return "no frames";
    const int width = frames.front().width();
    const int height = frames.front().height();
    WebPAnimEncoderOptions options;
    if (!WebPAnimEncoderOptionsInit(&options)) return "libwebp version mismatch";
    options.anim_params.loop_count = 0;  // forever
    options.anim_params.bgcolor = 0x00000000;
    std::unique_ptr<WebPAnimEncoder, EncoderDeleter> encoder(WebPAnimEncoderNew(width, height, &options));
    if (!encoder) return "WebP encoder could not be made";

    WebPConfig config;
    if (!WebPConfigInit(&config)) return "libwebp version mismatch";
    if (settings.quality < 0) {
        config.lossless = 1;
        config.quality = 75.0f;  // effort of the lossless search, not loss
    } else {
        config.lossless = 0;
        config.quality = static_cast<float>(settings.quality);
    }
    config.exact = 1;  // keep the colour under transparent pixels as drawn

    int timestamp = 0;
    for (std::size_t index = 0; index < frames.size(); ++index) {
        const QImage& frame = frames[index];
        const QImage rgba = frame.convertToFormat(QImage::Format_RGBA8888);
        PictureGuard guard;
        if (!WebPPictureInit(&guard.picture)) return "libwebp version mismatch";
        guard.picture.use_argb = 1;
        guard.picture.width = width;
        guard.picture.height = height;
        guard.made = true;
        if (!WebPPictureImportRGBA(&guard.picture, rgba.constBits(), static_cast<int>(rgba.bytesPerLine()))) {
            return "no memory for a WebP frame";
        }
        if (!WebPAnimEncoderAdd(encoder.get(), &guard.picture, timestamp, &config)) return encoderError(encoder.get());
        // Whole milliseconds from the start, so the durations carry their fractions.
        timestamp = static_cast<int>(std::min<std::int64_t>(
            animationFrameEnd(settings, static_cast<int>(index), 1000), std::numeric_limits<int>::max()));
    }
    // The end time gives the last frame its duration.
    if (!WebPAnimEncoderAdd(encoder.get(), nullptr, timestamp, nullptr)) return encoderError(encoder.get());
    WebPData data;
    WebPDataInit(&data);
    if (!WebPAnimEncoderAssemble(encoder.get(), &data)) return encoderError(encoder.get());
    std::string problem =
        writeExportBytes(path, std::string_view(reinterpret_cast<const char*>(data.bytes), data.size));
    WebPDataClear(&data);
    return problem;
}

}  // namespace fg
