#include "render/export/VideoWriter.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

#include <QColor>
#include <QImage>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>
#include <mutex>

#include "persistence/Messages.h"
#include "render/export/VideoOutputFile.h"

namespace fg {

int videoCrf(const VideoCodec& codec, int quality) {
    const int q = quality < 0 ? kDefaultVideoQuality : std::min(quality, 100);
    const int lowest = codec.maxCrf == kMp4Video.maxCrf ? 1 : 0;
    return lowest + ((codec.maxCrf - lowest) * (100 - q) + 50) / 100;
}

int videoSide(const VideoCodec& codec, int side) { return codec.evenSize ? side + (side & 1) : side; }

namespace {

struct CodecContextFree {
    void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct FormatContextFree {
    void operator()(AVFormatContext* context) const {
        if (context->pb) avio_closep(&context->pb);
        avformat_free_context(context);
    }
};
struct FrameFree {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct PacketFree {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct ScaleFree {
    void operator()(SwsContext* context) const { sws_freeContext(context); }
};
struct DictionaryFree {
    AVDictionary* dictionary = nullptr;
    ~DictionaryFree() { av_dict_free(&dictionary); }
};

// The library's own words for an error of its own; for a system error the
// program's reason (a full disk, no permission …) as the other writers give it.
Message libraryProblem(int code) {
    if (code < 0 && -code < 4096) return persistence_text::fileErrorReason(-code);
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return Message::verbatim(text);
}

Message lacking(const char* name) { return Message("fg::export_text", kVideoLibraryLacks).arg(name); }

AVPixelFormat pixelFormat(VideoPixels pixels) {
    switch (pixels) {
    case VideoPixels::Yuv420: return AV_PIX_FMT_YUV420P;
    case VideoPixels::Yuva420: return AV_PIX_FMT_YUVA420P;
    case VideoPixels::Rgba: break;
    }
    return AV_PIX_FMT_RGBA;
}

// The libraries' notes go to stderr unasked (x264 prints its statistics at
// every close); the export reports its failures in its own messages.
void quietLibraries() {
    static std::once_flag once;
    std::call_once(once, [] { av_log_set_level(AV_LOG_ERROR); });
}

// No scaling: the flags choose how the colour is subsampled to 4:2:0. A
// bicubic filter over the full-resolution chroma keeps thin coloured sparks
// far closer than taking every other sample (44 against 31 dB on a gradient).
constexpr int kScaleFlags = SWS_BICUBIC | SWS_ACCURATE_RND | SWS_FULL_CHR_H_INP;

class VideoAnimationWriter : public AnimationWriter {
public:
    VideoAnimationWriter(const VideoCodec& codec, int width, int height, const AnimationSettings& settings,
                         std::string path)
        : m_codec(codec),
          m_width(width),
          m_height(height),
          m_encodedWidth(videoSide(codec, width)),
          m_encodedHeight(videoSide(codec, height)),
          m_settings(settings),
          m_path(std::move(path)) {}

    Message open() {
        quietLibraries();
        const AVOutputFormat* container = av_guess_format(m_codec.muxer, nullptr, nullptr);
        if (!container) return lacking(m_codec.muxer);
        const AVCodec* encoder = avcodec_find_encoder_by_name(m_codec.encoder);
        if (!encoder) return lacking(m_codec.encoder);
        const AVPixelFormat pixels = pixelFormat(m_codec.pixels);
        if (m_width <= 0 || m_height <= 0 ||
            av_image_check_size2(static_cast<unsigned>(m_encodedWidth), static_cast<unsigned>(m_encodedHeight),
                                 INT64_MAX, pixels, 0, nullptr) < 0) {
            return sizeRefused();
        }
        if (Message problem = openEncoder(encoder, pixels); !problem.empty()) return problem;
        if (Message problem = openFile(container); !problem.empty()) return problem;

        m_frame.reset(av_frame_alloc());
        m_packet.reset(av_packet_alloc());
        if (!m_frame || !m_packet) return libraryProblem(AVERROR(ENOMEM));
        m_frame->format = pixels;
        m_frame->width = m_encodedWidth;
        m_frame->height = m_encodedHeight;
        if (const int code = av_frame_get_buffer(m_frame.get(), 0); code < 0) return libraryProblem(code);
        m_scale.reset(sws_getContext(m_encodedWidth, m_encodedHeight, AV_PIX_FMT_RGBA, m_encodedWidth,
                                     m_encodedHeight, pixels, kScaleFlags, nullptr, nullptr, nullptr));
        if (!m_scale) return Message::verbatim("no colour converter for the video");
        if (pixels != AV_PIX_FMT_RGBA) {
            // Full-range RGB to studio-range BT.709, as the stream is tagged.
            const int* bt709 = sws_getCoefficients(SWS_CS_ITU709);
            sws_setColorspaceDetails(m_scale.get(), bt709, 1, bt709, 0, 0, 1 << 16, 1 << 16);
        }
        if (m_encodedWidth != m_width || m_encodedHeight != m_height) {
            // The extra row or column of an even-sized video shows the background.
            m_padded = QImage(m_encodedWidth, m_encodedHeight, QImage::Format_RGBA8888);
            m_padded.fill(QColor::fromRgba(m_settings.background));
        }
        return {};
    }

    Message add(const QImage& frame) override {
        if (m_failed) return Message::verbatim("the video failed or was finished before");
        if (frame.width() != m_width || frame.height() != m_height) {
            return fail(Message::verbatim("a frame of another size"));
        }
        QImage rgba = frame.convertToFormat(QImage::Format_RGBA8888);
        if (!m_padded.isNull()) {
            const auto rowBytes = static_cast<std::size_t>(m_width) * 4;
            for (int y = 0; y < m_height; ++y) std::memcpy(m_padded.scanLine(y), rgba.constScanLine(y), rowBytes);
            rgba = m_padded;  // shared, not copied: the next frame writes into m_padded again
        }
        if (const int code = av_frame_make_writable(m_frame.get()); code < 0) return fail(libraryProblem(code));
        const std::uint8_t* const source[] = {rgba.constBits()};
        const int sourceStride[] = {static_cast<int>(rgba.bytesPerLine())};
        sws_scale(m_scale.get(), source, sourceStride, 0, m_encodedHeight, m_frame->data, m_frame->linesize);
        m_frame->pts = m_index++;
        if (const int code = avcodec_send_frame(m_encoder.get(), m_frame.get()); code < 0) {
            return fail(libraryProblem(code));
        }
        return fail(writePackets());
    }

    Message finish() override {
        if (m_failed) return Message::verbatim("the video failed or was finished before");
        if (m_index == 0) return fail(Message::verbatim("no frames"));
        if (const int code = avcodec_send_frame(m_encoder.get(), nullptr); code < 0) {
            return fail(libraryProblem(code));
        }
        if (Message problem = writePackets(); !problem.empty()) return fail(std::move(problem));
        if (const int code = av_write_trailer(m_container.get()); code < 0) return fail(libraryProblem(code));
        if (const int code = avio_closep(&m_container->pb); code < 0) return fail(libraryProblem(code));
        m_failed = true;  // finished: nothing more to add
        if (const int error = m_file.commit(); error != 0) return persistence_text::fileErrorReason(error);
        return {};
    }

private:
    Message sizeRefused() const {
        return Message("fg::export_text", kVideoSizeRefused)
            .arg(m_codec.encoder)
            .arg(std::to_string(m_encodedWidth))
            .arg(std::to_string(m_encodedHeight));
    }

    Message openEncoder(const AVCodec* encoder, AVPixelFormat pixels) {
        m_encoder.reset(avcodec_alloc_context3(encoder));
        if (!m_encoder) return libraryProblem(AVERROR(ENOMEM));
        AVCodecContext* context = m_encoder.get();
        const int fps = m_settings.fps > 0 ? m_settings.fps : 1;
        const int step = m_settings.step > 0 ? m_settings.step : 1;
        // Each picture lasts step ÷ fps seconds, exactly.
        av_reduce(&context->time_base.num, &context->time_base.den, step, fps, INT_MAX);
        context->framerate = av_inv_q(context->time_base);
        context->width = m_encodedWidth;
        context->height = m_encodedHeight;
        context->pix_fmt = pixels;
        context->sample_aspect_ratio = AVRational{1, 1};
        if (pixels != AV_PIX_FMT_RGBA) {
            context->color_range = AVCOL_RANGE_MPEG;
            context->color_primaries = AVCOL_PRI_BT709;
            context->color_trc = AVCOL_TRC_BT709;
            context->colorspace = AVCOL_SPC_BT709;
        }
        const AVOutputFormat* container = av_guess_format(m_codec.muxer, nullptr, nullptr);
        if (container->flags & AVFMT_GLOBALHEADER) context->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        DictionaryFree options;
        if (m_codec.maxCrf > 0) {
            // Constant quality, no bit-rate target.
            context->bit_rate = 0;
            av_dict_set_int(&options.dictionary, "crf", videoCrf(m_codec, m_settings.quality), 0);
        }
        if (pixels == AV_PIX_FMT_YUVA420P) {
            // libvpx's alternate reference frames do not work with a separate alpha plane.
            av_dict_set(&options.dictionary, "auto-alt-ref", "0", 0);
            // Its default speed is several seconds a frame; 4 keeps the quality.
            av_dict_set(&options.dictionary, "cpu-used", "4", 0);
            av_dict_set(&options.dictionary, "row-mt", "1", 0);
        }
        if (const int code = avcodec_open2(context, encoder, &options.dictionary); code < 0) {
            return code == AVERROR(EINVAL) ? sizeRefused() : libraryProblem(code);
        }
        return {};
    }

    Message openFile(const AVOutputFormat* container) {
        if (const int error = m_file.open(m_path); error != 0) return persistence_text::fileErrorReason(error);
        const std::string url = "file:" + m_file.writePath().string();
        AVFormatContext* made = nullptr;
        if (const int code = avformat_alloc_output_context2(&made, container, nullptr, url.c_str()); code < 0) {
            return libraryProblem(code);
        }
        m_container.reset(made);
        m_stream = avformat_new_stream(made, nullptr);
        if (!m_stream) return libraryProblem(AVERROR(ENOMEM));
        if (const int code = avcodec_parameters_from_context(m_stream->codecpar, m_encoder.get()); code < 0) {
            return libraryProblem(code);
        }
        m_stream->time_base = m_encoder->time_base;
        m_stream->avg_frame_rate = m_encoder->framerate;
        // Browsers show WebM's alpha only when the track says it has one.
        if (m_encoder->pix_fmt == AV_PIX_FMT_YUVA420P) av_dict_set(&m_stream->metadata, "alpha_mode", "1", 0);
        if (const int code = avio_open(&made->pb, url.c_str(), AVIO_FLAG_WRITE); code < 0) {
            return libraryProblem(code);
        }
        DictionaryFree options;
        // Animated PNG plays for ever.
        if (std::strcmp(m_codec.muxer, "apng") == 0) av_dict_set(&options.dictionary, "plays", "0", 0);
        if (const int code = avformat_write_header(made, &options.dictionary); code < 0) return libraryProblem(code);
        return {};
    }

    // Hands every packet the encoder has ready to the muxer.
    Message writePackets() {
        for (;;) {
            const int code = avcodec_receive_packet(m_encoder.get(), m_packet.get());
            if (code == AVERROR(EAGAIN) || code == AVERROR_EOF) return {};
            if (code < 0) return libraryProblem(code);
            // Every picture lasts one tick of the encoder's time base; the
            // last one's duration gives the file its full length.
            if (m_packet->duration == 0) m_packet->duration = 1;
            av_packet_rescale_ts(m_packet.get(), m_encoder->time_base, m_stream->time_base);
            m_packet->stream_index = m_stream->index;
            if (const int written = av_interleaved_write_frame(m_container.get(), m_packet.get()); written < 0) {
                return libraryProblem(written);
            }
        }
    }

    // After a failure nothing more is taken and the unfinished file goes at once.
    Message fail(Message problem) {
        if (problem.empty()) return problem;
        m_failed = true;
        if (m_container && m_container->pb) avio_closep(&m_container->pb);
        m_file.discard();
        return problem;
    }

    VideoCodec m_codec;
    int m_width;
    int m_height;
    int m_encodedWidth;
    int m_encodedHeight;
    AnimationSettings m_settings;
    std::string m_path;
    // Declared before the container, so that the container has closed the
    // file when an unfinished one is removed.
    VideoOutputFile m_file;
    std::unique_ptr<AVCodecContext, CodecContextFree> m_encoder;
    std::unique_ptr<AVFormatContext, FormatContextFree> m_container;
    AVStream* m_stream = nullptr;  // owned by the container
    std::unique_ptr<AVFrame, FrameFree> m_frame;
    std::unique_ptr<AVPacket, PacketFree> m_packet;
    std::unique_ptr<SwsContext, ScaleFree> m_scale;
    QImage m_padded;
    std::int64_t m_index = 0;
    bool m_failed = false;
};

}  // namespace

std::unique_ptr<AnimationWriter> beginVideo(const VideoCodec& codec, int width, int height,
                                            const AnimationSettings& settings, const std::string& path,
                                            Message* error) {
    auto writer = std::make_unique<VideoAnimationWriter>(codec, width, height, settings, path);
    if (Message problem = writer->open(); !problem.empty()) {
        if (error) *error = std::move(problem);
        return nullptr;
    }
    return writer;
}

std::unique_ptr<AnimationWriter> beginMp4(int width, int height, const AnimationSettings& settings,
                                          const std::string& path, Message* error) {
    return beginVideo(kMp4Video, width, height, settings, path, error);
}

std::unique_ptr<AnimationWriter> beginWebm(int width, int height, const AnimationSettings& settings,
                                           const std::string& path, Message* error) {
    return beginVideo(kWebmVideo, width, height, settings, path, error);
}

std::unique_ptr<AnimationWriter> beginApng(int width, int height, const AnimationSettings& settings,
                                           const std::string& path, Message* error) {
    return beginVideo(kApngVideo, width, height, settings, path, error);
}

}  // namespace fg
