#pragma once
// Reads a video or animated PNG back with the same libraries that wrote it,
// as a player would: every frame as straight RGBA, with the stream's size,
// rate and length.

#include <QImage>
#include <string>
#include <vector>

namespace fg::test {

struct DecodedVideo {
    std::string error;  // empty when the file was read
    std::string codec;  // the stream's codec name ("h264", "vp9", "apng")
    int width = 0;
    int height = 0;
    int rateNum = 0;  // frames per second, as a fraction
    int rateDen = 1;
    double seconds = 0;        // the container's length (0 when it does not say)
    double framesSeconds = 0;  // from the first picture's start to the last one's end
    std::vector<QImage> frames;  // Format_RGBA8888
};

// `decoder`: a decoder by name (libvpx-vp9 keeps WebM's alpha; FFmpeg's own
// VP9 decoder drops it), or empty for the stream's usual one.
DecodedVideo decodeVideo(const std::string& path, const std::string& decoder = {});

// Peak signal-to-noise ratio of the colour channels, in dB (99 when equal).
double psnr(const QImage& a, const QImage& b);
// The largest difference of one channel (0 … 3: R, G, B, A) over the picture.
int largestDifference(const QImage& a, const QImage& b, int channel);

}  // namespace fg::test
