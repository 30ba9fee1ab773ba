#include "ui/ToolbarArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include "ui/Commands.h"

namespace fg {
namespace {

constexpr int kCellWidth = kToolbarButtonWidth;
constexpr int kCellHeight = kToolbarHeight;

const QColor kInk(225, 228, 235);
const QColor kAccent(110, 160, 240);

// Each icon is drawn in a 24 × 24 box centred in its cell.
using IconPainter = void (*)(QPainter&);

QPen inkPen(qreal width = 1.6) { return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void drawNew(QPainter& p) {
    p.setPen(inkPen());
    QPainterPath page;
    page.moveTo(5, 2);
    page.lineTo(14, 2);
    page.lineTo(19, 7);
    page.lineTo(19, 22);
    page.lineTo(5, 22);
    page.closeSubpath();
    p.drawPath(page);
    p.drawPolyline(QPolygonF({QPointF(14, 2), QPointF(14, 7), QPointF(19, 7)}));
    p.setPen(QPen(kAccent, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12, 11), QPointF(12, 19));
    p.drawLine(QPointF(8, 15), QPointF(16, 15));
}

void drawOpen(QPainter& p) {
    p.setPen(inkPen());
    QPainterPath back;
    back.moveTo(2, 20);
    back.lineTo(2, 5);
    back.lineTo(9, 5);
    back.lineTo(11, 8);
    back.lineTo(19, 8);
    back.lineTo(19, 11);
    p.drawPath(back);
    QPainterPath front;
    front.moveTo(2, 20);
    front.lineTo(6, 11);
    front.lineTo(23, 11);
    front.lineTo(19, 20);
    front.closeSubpath();
    p.fillPath(front, QColor(kAccent.red(), kAccent.green(), kAccent.blue(), 90));
    p.drawPath(front);
}

void drawSave(QPainter& p) {
    p.setPen(inkPen());
    QPainterPath disk;
    disk.moveTo(3, 3);
    disk.lineTo(18, 3);
    disk.lineTo(21, 6);
    disk.lineTo(21, 21);
    disk.lineTo(3, 21);
    disk.closeSubpath();
    p.drawPath(disk);
    p.drawRect(QRectF(7, 3, 9, 6));
    p.fillRect(QRectF(7, 13, 10, 8), QColor(kAccent.red(), kAccent.green(), kAccent.blue(), 120));
    p.drawRect(QRectF(7, 13, 10, 8));
}

void drawExport(QPainter& p) {
    p.setPen(inkPen());
    p.drawRect(QRectF(2, 5, 15, 14));
    p.drawPolyline(QPolygonF({QPointF(3, 17), QPointF(8, 11), QPointF(11, 14), QPointF(13, 12), QPointF(16, 16)}));
    p.drawEllipse(QPointF(12.5, 8.5), 1.3, 1.3);
    p.setPen(QPen(kAccent, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(14, 12), QPointF(22, 12));
    p.drawPolyline(QPolygonF({QPointF(19, 9), QPointF(22, 12), QPointF(19, 15)}));
}

void drawTurnArrow(QPainter& p, bool toLeft) {
    p.save();
    if (!toLeft) {
        p.translate(24, 0);
        p.scale(-1, 1);
    }
    p.setPen(inkPen(2.0));
    QPainterPath arc;
    arc.moveTo(5, 9);
    arc.lineTo(15, 9);
    arc.cubicTo(QPointF(23, 9), QPointF(23, 20), QPointF(15, 20));
    arc.lineTo(9, 20);
    p.drawPath(arc);
    p.drawPolyline(QPolygonF({QPointF(9, 4), QPointF(4, 9), QPointF(9, 14)}));
    p.restore();
}

void drawUndo(QPainter& p) { drawTurnArrow(p, true); }
void drawRedo(QPainter& p) { drawTurnArrow(p, false); }

void drawRemake(QPainter& p) {
    p.setPen(inkPen(2.0));
    p.drawArc(QRectF(4, 4, 16, 16), 60 * 16, 270 * 16);
    p.drawPolyline(QPolygonF({QPointF(15, 2), QPointF(17, 6), QPointF(13, 8)}));
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawEllipse(QPointF(12, 12), 2.5, 2.5);
}

void drawProjectSettings(QPainter& p) {
    const qreal rows[] = {6, 12, 18};
    const qreal knobs[] = {15, 8, 13};
    for (int i = 0; i < 3; ++i) {
        p.setPen(inkPen());
        p.drawLine(QPointF(3, rows[i]), QPointF(21, rows[i]));
        p.setPen(QPen(kInk, 1.2));
        p.setBrush(kAccent);
        p.drawRect(QRectF(knobs[i] - 2, rows[i] - 3, 4, 6));
    }
}

void drawCameraSettings(QPainter& p) {
    p.setPen(inkPen());
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(2, 7, 20, 13), 2, 2);
    p.drawRect(QRectF(8, 4, 8, 3));
    p.setBrush(QColor(kAccent.red(), kAccent.green(), kAccent.blue(), 140));
    p.drawEllipse(QPointF(12, 13.5), 4.2, 4.2);
}

void drawBackgroundColor(QPainter& p) {
    const QColor swatches[] = {QColor(220, 70, 60), QColor(80, 190, 90), QColor(70, 110, 230)};
    for (int i = 0; i < 3; ++i) p.fillRect(QRectF(4 + i * 6, 6, 6, 12), swatches[i]);
    p.setPen(inkPen());
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(3, 5, 19, 14));
}

void drawHistoryList(QPainter& p) {
    p.setPen(inkPen());
    for (int i = 0; i < 4; ++i) p.drawLine(QPointF(2, 5 + i * 5), QPointF(11, 5 + i * 5));
    p.drawEllipse(QPointF(17, 14), 5.5, 5.5);
    p.setPen(QPen(kAccent, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(17, 14), QPointF(17, 10.5));
    p.drawLine(QPointF(17, 14), QPointF(19.5, 15.5));
}

void drawViewList(QPainter& p) {
    p.setPen(inkPen());
    QPainterPath eye;
    eye.moveTo(2, 9);
    eye.quadTo(QPointF(12, 0), QPointF(22, 9));
    eye.quadTo(QPointF(12, 18), QPointF(2, 9));
    p.drawPath(eye);
    p.setBrush(kAccent);
    p.drawEllipse(QPointF(12, 9), 2.6, 2.6);
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(4, 17), QPointF(20, 17));
    p.drawLine(QPointF(4, 21), QPointF(20, 21));
}

void drawHelp(QPainter& p) {
    p.setPen(inkPen());
    p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
    p.setPen(QPen(kAccent, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath mark;
    mark.moveTo(8.8, 9);
    mark.cubicTo(QPointF(8.8, 5), QPointF(15.5, 5), QPointF(15.2, 9));
    mark.cubicTo(QPointF(15, 11.5), QPointF(12, 11.5), QPointF(12, 14));
    p.drawPath(mark);
    p.drawPoint(QPointF(12, 17.5));
}

// The transport buttons: a pause sign while playing, a play triangle while
// paused, a step back or forward (a bar and a triangle).
void drawPause(QPainter& p) {
    p.setPen(inkPen(1.2));
    p.setBrush(kAccent);
    p.drawRoundedRect(QRectF(6, 5, 4.5, 14), 1, 1);
    p.drawRoundedRect(QRectF(13.5, 5, 4.5, 14), 1, 1);
}

void drawPlay(QPainter& p) {
    p.setPen(inkPen(1.2));
    p.setBrush(kAccent);
    p.drawPolygon(QPolygonF({QPointF(7, 4.5), QPointF(19, 12), QPointF(7, 19.5)}));
}

void drawStep(QPainter& p, bool forward) {
    p.save();
    if (!forward) {
        p.translate(24, 0);
        p.scale(-1, 1);
    }
    p.setPen(inkPen(1.2));
    p.setBrush(kAccent);
    p.drawPolygon(QPolygonF({QPointF(5, 5.5), QPointF(15, 12), QPointF(5, 18.5)}));
    p.setBrush(kInk);
    p.drawRoundedRect(QRectF(16.5, 5.5, 3, 13), 0.8, 0.8);
    p.restore();
}

void drawStepBack(QPainter& p) { drawStep(p, false); }
void drawStepForward(QPainter& p) { drawStep(p, true); }

// In toolbar order, then the play face.
constexpr int kCellCount = kToolbarButtonCount + 1;
constexpr IconPainter kIcons[kCellCount] = {
    drawNew,           drawOpen,           drawSave,            drawExport,      drawUndo,     drawRedo,    drawRemake,
    drawProjectSettings, drawCameraSettings, drawBackgroundColor, drawHistoryList, drawViewList, drawHelp,
    drawPause,         drawStepBack,       drawStepForward,     drawPlay,
};
static_assert(kCellCount * kCellWidth == kToolbarSheetWidth);
static_assert(kToolbarPlayFace == kCellCount - 1);

void drawCell(QPainter& p, int index, bool pressed) {
    const QRectF cell(index * kCellWidth, pressed ? kCellHeight : 0, kCellWidth, kCellHeight);
    QLinearGradient face(cell.topLeft(), cell.bottomLeft());
    face.setColorAt(0.0, pressed ? QColor(28, 28, 30) : QColor(78, 78, 82));
    face.setColorAt(1.0, pressed ? QColor(44, 44, 48) : QColor(52, 52, 56));
    p.fillRect(cell, face);
    // A sunken or raised edge, so the face shows its state.
    p.setPen(pressed ? QColor(16, 16, 16) : QColor(104, 104, 110));
    p.drawLine(cell.topLeft() + QPointF(0.5, 0.5), cell.topRight() + QPointF(-0.5, 0.5));
    p.setPen(pressed ? QColor(60, 60, 64) : QColor(30, 30, 32));
    p.drawLine(cell.bottomLeft() + QPointF(0.5, -0.5), cell.bottomRight() + QPointF(-0.5, -0.5));

    p.save();
    const qreal shift = pressed ? 1.0 : 0.0;
    p.translate(cell.left() + (kCellWidth - 24) / 2.0 + shift, cell.top() + (kCellHeight - 24) / 2.0 + shift);
    p.setOpacity(pressed ? 0.85 : 1.0);
    kIcons[index](p);
    p.restore();
}

}  // namespace

QImage drawToolbarSheet() {
    QImage sheet(kToolbarSheetWidth, kToolbarSheetHeight, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(Qt::transparent);
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < kCellCount; ++i) {
        drawCell(p, i, false);
        drawCell(p, i, true);
    }
    return sheet;
}

QImage toolbarFace(const QImage& sheet, int position, bool pressed) {
    return sheet.copy(position * kCellWidth, pressed ? kCellHeight : 0, kCellWidth, kCellHeight);
}

QImage toolbarStripPattern(const QImage& sheet) { return sheet.copy(2, 0, 3, kCellHeight); }

}  // namespace fg
