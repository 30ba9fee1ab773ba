#include "render/export/IntermediateFrames.h"

#include <QImageReader>
#include <QString>
#include <climits>
#include <cstdint>
#include <cstdio>

#include "render/export/ExportText.h"
#include "render/export/ImageFileWriter.h"

namespace fg {
namespace {

// Qt refuses to decode pictures above a process-wide allocation limit (128 MB
// by default), which a 2048 × 2048 frame at smoothing 6 far exceeds. The
// limit is only ever raised, to what a frame of this size needs.
void allowFramesOf(QSize size) {
    const std::int64_t pixels = std::int64_t{size.width()} * size.height();
    const std::int64_t megabytes = pixels / (1024 * 1024 / 4) + 1;  // 4 bytes a pixel
    const int needed = megabytes > INT_MAX ? INT_MAX : static_cast<int>(megabytes);
    const int current = QImageReader::allocationLimit();
    if (current != 0 && current < needed) QImageReader::setAllocationLimit(needed);
}

}  // namespace

std::filesystem::path intermediateFramePath(const std::filesystem::path& renderDir, int index) {
    char name[32];
    std::snprintf(name, sizeof name, "%05d.png", index);
    return renderDir / name;
}

Message intermediateFailure(const std::filesystem::path& file, Message reason) {
    return exportMessage(export_text::kIntermediateFailed).arg(file.string()).arg(std::move(reason));
}

Message writeIntermediateFrame(const QImage& frame, const std::filesystem::path& file) {
    Message reason = writeImageFile(frame, file.string(), ImageFormat::Png);
    return reason.empty() ? Message() : intermediateFailure(file, std::move(reason));
}

QImage readIntermediateFrame(const std::filesystem::path& file, QSize size, Message* error) {
    allowFramesOf(size);
    QImageReader reader(QString::fromStdString(file.string()), "png");
    QImage frame = reader.read();
    if (frame.isNull()) {
        if (error) *error = intermediateFailure(file, Message::verbatim(reader.errorString().toStdString()));
        return {};
    }
    if (frame.size() != size) {
        if (error) {
            char reason[96];
            std::snprintf(reason, sizeof reason, "%d×%d pixels instead of %d×%d", frame.width(), frame.height(),
                          size.width(), size.height());
            *error = intermediateFailure(file, Message::verbatim(reason));
        }
        return {};
    }
    return frame;
}

}  // namespace fg
