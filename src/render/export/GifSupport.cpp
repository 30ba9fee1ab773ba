#include "render/export/GifSupport.h"

#include <cstdint>
#include <unordered_map>

namespace fg {
namespace {

bool exactPalette(const std::vector<GifByteType>& red, const std::vector<GifByteType>& green,
                  const std::vector<GifByteType>& blue, const std::vector<bool>& clear, GifColorType* palette,
                  std::vector<GifByteType>& indices) {
    std::unordered_map<std::uint32_t, GifByteType> entries;
    for (std::size_t i = 0; i < red.size(); ++i) {
        if (clear[i]) continue;
        const std::uint32_t key = (std::uint32_t{red[i]} << 16) | (std::uint32_t{green[i]} << 8) | blue[i];
        auto [it, added] = entries.try_emplace(key, static_cast<GifByteType>(entries.size()));
        if (added) {
            if (entries.size() > 255) return false;
            palette[it->second] = GifColorType{red[i], green[i], blue[i]};
        }
        indices[i] = it->second;
    }
    return true;
}

}  // namespace

std::string indexPicture(const QImage& image, IndexedPicture& out) {
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    const int width = source.width();
    const int height = source.height();
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    std::vector<GifByteType> red(count), green(count), blue(count);
    std::vector<bool> clear(count);
    out.width = width;
    out.height = height;
    out.indices.assign(count, 0);
    out.anyClear = false;
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x);
            red[i] = static_cast<GifByteType>(qRed(row[x]));
            green[i] = static_cast<GifByteType>(qGreen(row[x]));
            blue[i] = static_cast<GifByteType>(qBlue(row[x]));
            clear[i] = qAlpha(row[x]) < 128;
            out.anyClear = out.anyClear || clear[i];
        }
    }
    if (!exactPalette(red, green, blue, clear, out.palette, out.indices)) {
        int paletteSize = 255;
        if (GifQuantizeBuffer(static_cast<unsigned>(width), static_cast<unsigned>(height), &paletteSize, red.data(),
                              green.data(), blue.data(), out.indices.data(), out.palette) == GIF_ERROR) {
            return "GIF colour reduction failed";
        }
    }
    if (out.anyClear) {
        for (std::size_t i = 0; i < count; ++i) {
            if (clear[i]) out.indices[i] = kGifTransparentIndex;
        }
    }
    return {};
}

int appendGifBytes(GifFileType* gif, const GifByteType* bytes, int length) {
    static_cast<std::string*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes),
                                                     static_cast<std::size_t>(length));
    return length;
}

std::string gifError(int code) {
    const char* text = GifErrorString(code);
    return text ? text : "GIF error";
}

}  // namespace fg
