#include "VideoDecode.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace fg::test {
namespace {

std::string errorText(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

struct Reader {
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    AVFrame* frame = av_frame_alloc();
    AVPacket* packet = av_packet_alloc();
    SwsContext* scale = nullptr;
    ~Reader() {
        sws_freeContext(scale);
        av_packet_free(&packet);
        av_frame_free(&frame);
        avcodec_free_context(&codec);
        avformat_close_input(&format);
    }
};

QImage toRgba(Reader& reader, const AVFrame* frame) {
    const auto source = static_cast<AVPixelFormat>(frame->format);
    reader.scale = sws_getCachedContext(reader.scale, frame->width, frame->height, source, frame->width,
                                        frame->height, AV_PIX_FMT_RGBA, SWS_BICUBIC | SWS_ACCURATE_RND | SWS_FULL_CHR_H_INT,
                                        nullptr, nullptr, nullptr);
    if (source != AV_PIX_FMT_RGBA) {
        const int* bt709 = sws_getCoefficients(SWS_CS_ITU709);
        sws_setColorspaceDetails(reader.scale, bt709, 0, bt709, 1, 0, 1 << 16, 1 << 16);
    }
    QImage image(frame->width, frame->height, QImage::Format_RGBA8888);
    std::uint8_t* const target[] = {image.bits()};
    const int stride[] = {static_cast<int>(image.bytesPerLine())};
    sws_scale(reader.scale, frame->data, frame->linesize, 0, frame->height, target, stride);
    return image;
}

}  // namespace

DecodedVideo decodeVideo(const std::string& path, const std::string& decoderName) {
    DecodedVideo video;
    Reader reader;
    if (const int code = avformat_open_input(&reader.format, path.c_str(), nullptr, nullptr); code < 0) {
        video.error = "open: " + errorText(code);
        return video;
    }
    if (const int code = avformat_find_stream_info(reader.format, nullptr); code < 0) {
        video.error = "stream info: " + errorText(code);
        return video;
    }
    const int index = av_find_best_stream(reader.format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (index < 0) {
        video.error = "no video stream";
        return video;
    }
    const AVStream* stream = reader.format->streams[index];
    const AVCodec* decoder = decoderName.empty() ? avcodec_find_decoder(stream->codecpar->codec_id)
                                                 : avcodec_find_decoder_by_name(decoderName.c_str());
    if (!decoder) {
        video.error = "no decoder " + decoderName;
        return video;
    }
    reader.codec = avcodec_alloc_context3(decoder);
    avcodec_parameters_to_context(reader.codec, stream->codecpar);
    if (const int code = avcodec_open2(reader.codec, decoder, nullptr); code < 0) {
        video.error = "decoder: " + errorText(code);
        return video;
    }
    video.codec = avcodec_get_name(stream->codecpar->codec_id);
    video.width = stream->codecpar->width;
    video.height = stream->codecpar->height;
    const AVRational rate = stream->avg_frame_rate.num > 0 ? stream->avg_frame_rate : stream->r_frame_rate;
    video.rateNum = rate.num;
    video.rateDen = rate.den;
    if (reader.format->duration > 0) {
        video.seconds = static_cast<double>(reader.format->duration) / AV_TIME_BASE;
    } else if (stream->duration > 0) {
        video.seconds = static_cast<double>(stream->duration) * av_q2d(stream->time_base);
    }
    std::int64_t first = INT64_MAX;
    std::int64_t end = INT64_MIN;
    auto drain = [&]() {
        while (avcodec_receive_frame(reader.codec, reader.frame) >= 0) {
            const std::int64_t pts = reader.frame->best_effort_timestamp;
            first = std::min(first, pts);
            end = std::max(end, pts + reader.frame->pkt_duration);
            video.frames.push_back(toRgba(reader, reader.frame));
            av_frame_unref(reader.frame);
        }
    };
    while (av_read_frame(reader.format, reader.packet) >= 0) {
        if (reader.packet->stream_index == index) {
            avcodec_send_packet(reader.codec, reader.packet);
            drain();
        }
        av_packet_unref(reader.packet);
    }
    avcodec_send_packet(reader.codec, nullptr);
    drain();
    if (!video.frames.empty()) video.framesSeconds = static_cast<double>(end - first) * av_q2d(stream->time_base);
    return video;
}

double psnr(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGBA8888);
    const QImage y = b.convertToFormat(QImage::Format_RGBA8888);
    if (x.size() != y.size()) return 0;
    double sum = 0;
    long count = 0;
    for (int row = 0; row < x.height(); ++row) {
        const std::uint8_t* p = x.constScanLine(row);
        const std::uint8_t* q = y.constScanLine(row);
        for (int i = 0; i < x.width() * 4; ++i) {
            if (i % 4 == 3) continue;
            const double d = p[i] - q[i];
            sum += d * d;
            ++count;
        }
    }
    if (sum == 0) return 99;
    return 10 * std::log10(255.0 * 255.0 / (sum / static_cast<double>(count)));
}

int largestDifference(const QImage& a, const QImage& b, int channel) {
    const QImage x = a.convertToFormat(QImage::Format_RGBA8888);
    const QImage y = b.convertToFormat(QImage::Format_RGBA8888);
    if (x.size() != y.size()) return 256;
    int largest = 0;
    for (int row = 0; row < x.height(); ++row) {
        const std::uint8_t* p = x.constScanLine(row);
        const std::uint8_t* q = y.constScanLine(row);
        for (int i = channel; i < x.width() * 4; i += 4) largest = std::max(largest, std::abs(p[i] - q[i]));
    }
    return largest;
}

}  // namespace fg::test
