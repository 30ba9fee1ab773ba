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

Message encoderError(WebPAnimEncoder* encoder) {
    const char* text = WebPAnimEncoderGetError(encoder);
    return Message::verbatim(text && *text ? text : "WebP encoding failed");
}

// libwebp's animation encoder compresses each frame as it is added and keeps
// only the compressed frames and the previous canvas.
class WebpAnimationWriter : public AnimationWriter {
public:
    WebpAnimationWriter(int width, int height, const AnimationSettings& settings, std::string path)
        : m_width(width), m_height(height), m_settings(settings), m_path(std::move(path)) {}

    Message open() {
        WebPAnimEncoderOptions options;
        if (!WebPAnimEncoderOptionsInit(&options)) return Message::verbatim("libwebp version mismatch");
        options.anim_params.loop_count = 0;  // forever
        options.anim_params.bgcolor = 0x00000000;
        m_encoder.reset(WebPAnimEncoderNew(m_width, m_height, &options));
        if (!m_encoder) return Message::verbatim("WebP encoder could not be made");
        if (!WebPConfigInit(&m_config)) return Message::verbatim("libwebp version mismatch");
        if (m_settings.quality < 0) {
            m_config.lossless = 1;
            m_config.quality = 75.0f;  // effort of the lossless search, not loss
        } else {
            m_config.lossless = 0;
            m_config.quality = static_cast<float>(m_settings.quality);
        }
        m_config.exact = 1;  // keep the colour under transparent pixels as drawn
        return {};
    }

    Message add(const QImage& frame) override {
        if (m_failed) return Message::verbatim("the WebP animation failed before");
        const QImage rgba = frame.convertToFormat(QImage::Format_RGBA8888);
        PictureGuard guard;
        if (!WebPPictureInit(&guard.picture)) return fail(Message::verbatim("libwebp version mismatch"));
        guard.picture.use_argb = 1;
        guard.picture.width = m_width;
        guard.picture.height = m_height;
        guard.made = true;
        if (!WebPPictureImportRGBA(&guard.picture, rgba.constBits(), static_cast<int>(rgba.bytesPerLine()))) {
            return fail(Message::verbatim("no memory for a WebP frame"));
        }
        if (!WebPAnimEncoderAdd(m_encoder.get(), &guard.picture, m_timestamp, &m_config)) {
            return fail(encoderError(m_encoder.get()));
        }
        // Whole milliseconds from the start, so the durations carry their fractions.
        m_timestamp = static_cast<int>(std::min<std::int64_t>(animationFrameEnd(m_settings, m_index++, 1000),
                                                              std::numeric_limits<int>::max()));
        return {};
    }

    Message finish() override {
        if (m_failed) return Message::verbatim("the WebP animation failed before");
        if (m_index == 0) return Message::verbatim("no frames");
        // The end time gives the last frame its duration.
        if (!WebPAnimEncoderAdd(m_encoder.get(), nullptr, m_timestamp, nullptr)) return encoderError(m_encoder.get());
        WebPData data;
        WebPDataInit(&data);
        if (!WebPAnimEncoderAssemble(m_encoder.get(), &data)) return encoderError(m_encoder.get());
        Message problem =
            writeExportBytes(m_path, std::string_view(reinterpret_cast<const char*>(data.bytes), data.size));
        WebPDataClear(&data);
        m_failed = true;  // finished: nothing more to add
        return problem;
    }

private:
    Message fail(Message problem) {
        m_failed = true;
        return problem;
    }

    int m_width;
    int m_height;
    AnimationSettings m_settings;
    std::string m_path;
    std::unique_ptr<WebPAnimEncoder, EncoderDeleter> m_encoder;
    WebPConfig m_config{};
    int m_index = 0;
    int m_timestamp = 0;
    bool m_failed = false;
};

}  // namespace

std::unique_ptr<AnimationWriter> beginAnimatedWebp(int width, int height, const AnimationSettings& settings,
                                                   const std::string& path, Message* error) {
    auto writer = std::make_unique<WebpAnimationWriter>(width, height, settings, path);
    if (Message problem = writer->open(); !problem.empty()) {
        if (error) *error = std::move(problem);
        return nullptr;
    }
    return writer;
}

}  // namespace fg
