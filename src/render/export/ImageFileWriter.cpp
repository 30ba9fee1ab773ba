#include "render/export/ImageFileWriter.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageWriter>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "persistence/FileBytes.h"
#include "persistence/Messages.h"
#include "render/export/GifSupport.h"

namespace fg {

Message writeExportBytes(const std::string& path, std::string_view bytes) {
    const FileWriteResult written = writeFileBytes(path, bytes, LinkRule::WriteThrough);
    return written ? Message() : persistence_text::fileErrorReason(written.error);
}

namespace {

// The picture in the pixel format the encoder should see: opaque for formats
// without alpha, straight (not premultiplied) alpha for the others.
QImage encoderInput(const QImage& image, const ExportFormat& format) {
    if (!format.keepsAlpha) return image.convertToFormat(QImage::Format_RGB32);
    if (!image.hasAlphaChannel() || image.format() == QImage::Format_ARGB32 ||
        image.format() == QImage::Format_RGBA8888) {
        return image;
    }
    return image.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

Message writeImageFile(const QImage& image, const std::string& path, ImageFormat id) {
    const ExportFormat* format = &exportFormat(id);
    if (format->still == nullptr) format = &exportFormats().front();
    return format->still(image, path, *format);
}

Message writeThroughQt(const QImage& image, const std::string& path, const ExportFormat& format) {
    // The caller has already filled the background where it must be opaque.
    QByteArray encoded;
    {
        QBuffer buffer(&encoded);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, format.qtName);
        if (!writer.write(encoderInput(image, format))) return Message::verbatim(writer.errorString().toStdString());
    }
    return writeExportBytes(path, std::string_view(encoded.constData(), static_cast<std::size_t>(encoded.size())));
}

Message writeGifFile(const QImage& image, const std::string& path, const ExportFormat&) {
    IndexedPicture picture;
    if (std::string problem = indexPicture(image, picture); !problem.empty()) return Message::verbatim(problem);
    const int width = picture.width;
    const int height = picture.height;
    std::vector<GifByteType>& indices = picture.indices;

    int error = 0;
    std::string encoded;
    std::unique_ptr<GifFileType, GifCloser> gif(EGifOpen(&encoded, appendGifBytes, &error));
    if (!gif) return Message::verbatim(gifError(error));
    std::unique_ptr<ColorMapObject, decltype(&GifFreeMapObject)> colorMap(GifMakeMapObject(256, picture.palette),
                                                                          &GifFreeMapObject);
    if (!colorMap) return Message::verbatim("GIF palette allocation failed");
    EGifSetGifVersion(gif.get(), true);
    if (EGifPutScreenDesc(gif.get(), width, height, 8, 0, colorMap.get()) == GIF_ERROR) {
        return Message::verbatim(gifError(gif->Error));
    }
    if (picture.anyClear) {
        GraphicsControlBlock control{};
        control.DisposalMode = DISPOSAL_UNSPECIFIED;
        control.TransparentColor = kGifTransparentIndex;
        GifByteType extension[4];
        const std::size_t length = EGifGCBToExtension(&control, extension);
        if (EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) == GIF_ERROR) {
            return Message::verbatim(gifError(gif->Error));
        }
    }
    if (EGifPutImageDesc(gif.get(), 0, 0, width, height, false, nullptr) == GIF_ERROR) {
        return Message::verbatim(gifError(gif->Error));
    }
    for (int y = 0; y < height; ++y) {
        if (EGifPutLine(gif.get(), indices.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width),
                        width) == GIF_ERROR) {
            return Message::verbatim(gifError(gif->Error));
        }
    }
    GifFileType* closing = gif.release();
    if (EGifCloseFile(closing, &error) == GIF_ERROR) return Message::verbatim(gifError(error));
    return writeExportBytes(path, encoded);
}

}  // namespace fg
