#include "render/export/ImageFileWriter.h"

#include <gif_lib.h>

#include <QImageWriter>
#include <QString>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

namespace fg {
namespace {

const char* qtFormatName(ImageFormat format) {
    switch (format) {
        case ImageFormat::Bmp: return "bmp";
        case ImageFormat::Jpeg: return "jpeg";
        case ImageFormat::Tiff: return "tiff";
        case ImageFormat::Gif:
        case ImageFormat::Png: break;
    }
    return "png";
}

struct GifCloser {
    void operator()(GifFileType* gif) const {
        int error = 0;
        EGifCloseFile(gif, &error);
    }
};

// Pictures with at most 255 visible colours keep them exactly; larger ones
// go through giflib's colour reduction.
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

std::string gifError(int code) {
    const char* text = GifErrorString(code);
    return text ? text : "GIF error";
}

}  // namespace

std::string writeImageFile(const QImage& image, const std::string& path, ImageFormat format) {
    if (format == ImageFormat::Gif) return writeGifFile(image, path);
    QImage out = image;
    // Formats without alpha get the picture as it would show over black; the
    // caller has already filled the background where it must be opaque.
    if (format == ImageFormat::Jpeg || format == ImageFormat::Bmp) out = image.convertToFormat(QImage::Format_RGB32);
    else out = image.convertToFormat(QImage::Format_ARGB32);
    QImageWriter writer(QString::fromStdString(path), qtFormatName(format));
    if (!writer.write(out)) return writer.errorString().toStdString();
    return {};
}

std::string writeGifFile(const QImage& image, const std::string& path) {
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    const int width = source.width();
    const int height = source.height();
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    std::vector<GifByteType> red(count), green(count), blue(count), indices(count);
    std::vector<bool> clear(count);
    bool anyClear = false;
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x);
            red[i] = static_cast<GifByteType>(qRed(row[x]));
            green[i] = static_cast<GifByteType>(qGreen(row[x]));
            blue[i] = static_cast<GifByteType>(qBlue(row[x]));
            clear[i] = qAlpha(row[x]) < 128;
            anyClear |= clear[i];
        }
    }

    // Entry 255 stays free for the transparent pixels.
    GifColorType palette[256] = {};
    if (!exactPalette(red, green, blue, clear, palette, indices)) {
        int paletteSize = 255;
        if (GifQuantizeBuffer(static_cast<unsigned>(width), static_cast<unsigned>(height), &paletteSize, red.data(),
                              green.data(), blue.data(), indices.data(), palette) == GIF_ERROR) {
            return "GIF colour reduction failed";
        }
    }
    constexpr int kTransparentIndex = 255;
    if (anyClear) {
        for (std::size_t i = 0; i < count; ++i) {
            if (clear[i]) indices[i] = kTransparentIndex;
        }
    }

    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(EGifOpenFileName(path.c_str(), false, &error));
    if (!gif) return gifError(error);
    std::unique_ptr<ColorMapObject, decltype(&GifFreeMapObject)> colorMap(GifMakeMapObject(256, palette),
                                                                          &GifFreeMapObject);
    if (!colorMap) return "GIF palette allocation failed";
    EGifSetGifVersion(gif.get(), true);
    if (EGifPutScreenDesc(gif.get(), width, height, 8, 0, colorMap.get()) == GIF_ERROR) return gifError(gif->Error);
    if (anyClear) {
        GraphicsControlBlock control{};
        control.DisposalMode = DISPOSAL_UNSPECIFIED;
        control.TransparentColor = kTransparentIndex;
        GifByteType extension[4];
        const std::size_t length = EGifGCBToExtension(&control, extension);
        if (EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) == GIF_ERROR) {
            return gifError(gif->Error);
        }
    }
    if (EGifPutImageDesc(gif.get(), 0, 0, width, height, false, nullptr) == GIF_ERROR) return gifError(gif->Error);
    for (int y = 0; y < height; ++y) {
        if (EGifPutLine(gif.get(), indices.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width),
                        width) == GIF_ERROR) {
            return gifError(gif->Error);
        }
    }
    GifFileType* closing = gif.release();
    if (EGifCloseFile(closing, &error) == GIF_ERROR) return gifError(error);
    return {};
}

}  // namespace fg
