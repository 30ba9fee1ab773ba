#include "render/export/CellExtrude.h"

#include <QRgb>
#include <algorithm>

namespace fg {

void extrudeCell(QImage& sheet, const CellRect& frame, int padding) {
    if (padding <= 0 || frame.width <= 0 || frame.height <= 0) return;
    const QImage::Format format = sheet.format();
    if (format != QImage::Format_ARGB32_Premultiplied && format != QImage::Format_ARGB32 &&
        format != QImage::Format_RGB32) {
        sheet = sheet.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    sheet.bits();  // detach first: rows below are read and written in place
    const int top = std::max(frame.y - padding, 0);
    const int bottom = std::min(frame.y + frame.height + padding, sheet.height());
    const int left = std::max(frame.x - padding, 0);
    const int right = std::min(frame.x + frame.width + padding, sheet.width());
    for (int y = top; y < bottom; ++y) {
        const int sourceY = std::clamp(y, frame.y, frame.y + frame.height - 1);
        const auto* source = reinterpret_cast<const QRgb*>(sheet.constScanLine(sourceY));
        auto* row = reinterpret_cast<QRgb*>(sheet.scanLine(y));
        for (int x = left; x < right; ++x) {
            const bool inside = y >= frame.y && y < frame.y + frame.height && x >= frame.x && x < frame.x + frame.width;
            if (inside) continue;
            row[x] = source[std::clamp(x, frame.x, frame.x + frame.width - 1)];
        }
    }
}

}  // namespace fg
