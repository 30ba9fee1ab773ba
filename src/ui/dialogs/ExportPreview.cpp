#include "ui/dialogs/ExportPreview.h"

#include <QPainter>
#include <QRadialGradient>
#include <algorithm>

namespace fg {
namespace {

// Cells beyond this many are summed up by the outline alone.
constexpr int kMostCellsDrawn = 4096;

void drawCell(QPainter& painter, const QRectF& cell) {
    painter.setPen(QPen(QColor(90, 90, 110), 1));
    painter.setBrush(QColor(24, 24, 34));
    painter.drawRect(cell);
    if (cell.width() < 4.0 || cell.height() < 4.0) return;
    // A spark in the cell: the picture the image will hold.
    const QPointF centre = cell.center();
    const double radius = std::min(cell.width(), cell.height()) * 0.3;
    QRadialGradient glow(centre, radius);
    glow.setColorAt(0.0, QColor(255, 220, 140));
    glow.setColorAt(1.0, QColor(255, 90, 20, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, radius, radius);
}

}  // namespace

ExportPreview::ExportPreview(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("exportPreview"));
    setMinimumSize(sizeHint());
}

void ExportPreview::showLayout(int images, int columns, int rows, int frameWidth, int frameHeight, bool separate) {
    m_images = std::max(images, 0);
    m_columns = std::max(columns, 1);
    m_rows = std::max(rows, 0);
    m_frameWidth = std::max(frameWidth, 1);
    m_frameHeight = std::max(frameHeight, 1);
    m_separate = separate;
    update();
}

QRectF ExportPreview::sheetRect() const {
    const QRectF area = QRectF(rect()).adjusted(kInset, kInset, -kInset, -kInset);
    if (m_separate) {
        const double side = std::min({static_cast<double>(kSingleCell), area.width(), area.height()});
        return QRectF(area.center().x() - side / 2.0, area.center().y() - side / 2.0, side, side);
    }
    if (m_rows == 0) return {};
    const double sheetWidth = static_cast<double>(m_columns) * m_frameWidth;
    const double sheetHeight = static_cast<double>(m_rows) * m_frameHeight;
    const double scale = std::min(area.width() / sheetWidth, area.height() / sheetHeight);
    const double width = sheetWidth * scale;
    const double height = sheetHeight * scale;
    return QRectF(area.center().x() - width / 2.0, area.center().y() - height / 2.0, width, height);
}

int ExportPreview::cellsDrawn() const {
    if (m_separate) return 1;
    if (m_rows == 0) return 0;
    return std::min(m_images, kMostCellsDrawn);
}

void ExportPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), QColor(60, 60, 60));
    const QRectF sheet = sheetRect();
    if (sheet.isEmpty()) return;
    if (m_separate) {
        drawCell(painter, sheet);
        return;
    }
    const double cellWidth = sheet.width() / m_columns;
    const double cellHeight = sheet.height() / m_rows;
    painter.setPen(QPen(QColor(140, 140, 160), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(sheet);
    const int cells = cellsDrawn();
    for (int i = 0; i < cells; ++i) {
        const QRectF cell(sheet.left() + (i % m_columns) * cellWidth, sheet.top() + (i / m_columns) * cellHeight,
                          cellWidth, cellHeight);
        drawCell(painter, cell);
    }
}

}  // namespace fg
