#pragma once
// What the still and the animated GIF writers share: the picture reduced to
// one palette with a transparent entry, and giflib's in-memory output.

#include <gif_lib.h>

#include <QImage>
#include <string>
#include <vector>

namespace fg {

inline constexpr int kGifTransparentIndex = 255;

// One picture as palette indices. Entry 255 is kept for the pixels with
// alpha below one half.
struct IndexedPicture {
    int width = 0;
    int height = 0;
    std::vector<GifByteType> indices;
    GifColorType palette[256] = {};
    bool anyClear = false;
};

// Pictures with at most 255 visible colours keep them exactly; larger ones
// go through giflib's colour reduction. Empty on success.
std::string indexPicture(const QImage& image, IndexedPicture& out);

struct GifCloser {
    void operator()(GifFileType* gif) const {
        int error = 0;
        EGifCloseFile(gif, &error);
    }
};

// giflib's output callback: appends to the std::string in UserData.
int appendGifBytes(GifFileType* gif, const GifByteType* bytes, int length);

std::string gifError(int code);

}  // namespace fg
