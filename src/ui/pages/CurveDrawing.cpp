#include "ui/pages/CurveDrawing.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPen>

#include "ui/PanelFont.h"
#include "ui/pages/CurveEditing.h"

namespace fg {
namespace {

const QColor kCanvas(50, 50, 50);
const QColor kGuide(180, 180, 180);
const QColor kZeroLine(80, 80, 80);
constexpr double kHalfMarker = Graph::kMarkerSize / 2.0;
constexpr int kLabelWidth = 40;
constexpr int kLabelHeight = 20;

// Sample k at (trunc((w - 8) * k / 100) + 4, (h - 8) * sample / 100 + 4).
QPointF samplePoint(const SampleArray& samples, QSize size, int k) {
    const int margin = Graph::kMarkerSize;
    const int x = (size.width() - margin) * k / 100;
    const double y = (size.height() - margin) * static_cast<double>(samples[static_cast<std::size_t>(k)]) / 100.0;
    return {x + kHalfMarker, y + kHalfMarker};
}

void drawSamples(QPainter& painter, const SampleArray& samples, QSize size, int step) {
    for (int k = 0; k + step <= 100; k += step) {
        painter.drawLine(samplePoint(samples, size, k), samplePoint(samples, size, k + step));
    }
}

QString percentText(int value) {
    return QString::asprintf(QCoreApplication::translate("fg::CurveWindow", "%d％").toUtf8().constData(), value);
}

void drawLabel(QPainter& painter, const QRect& box, int value) {
    painter.setFont(panelFont(box.height() / 2));
    painter.setPen(Qt::white);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, percentText(value));
}

// The guide lines through the dragged point and its two labels, kept
// inside the canvas whichever quarter the point is in.
void drawGuides(QPainter& painter, const Graph& curve, QSize size, const GraphPoint& point) {
    const CurveMapping mapping{size.width(), size.height()};
    const int w = size.width();
    const int h = size.height();
    const int px = static_cast<int>(mapping.markerLeft(point.x) + kHalfMarker);
    const int py = static_cast<int>(mapping.markerTop(point.y) + kHalfMarker);
    // Hairlines through pixel centres, so that they stay one pixel wide.
    painter.setPen(QPen(kGuide, 1.0));
    painter.drawLine(QPointF(px + 0.5, 0), QPointF(px + 0.5, h));
    painter.drawLine(QPointF(0, py + 0.5), QPointF(w, py + 0.5));

    const bool upper = point.y < 50.0f;
    const bool left = point.x < 50.0f;
    const int valueTop = upper ? py : py - kLabelHeight;
    const int positionTop = upper ? h - kLabelHeight : 0;
    const int valueLeft = left ? w - kLabelWidth : 0;
    const int positionLeft = left ? px : px - kLabelWidth;
    drawLabel(painter, QRect(valueLeft, valueTop, kLabelWidth, kLabelHeight), curveValueLabel(curve, point.y));
    drawLabel(painter, QRect(positionLeft, positionTop, kLabelWidth, kLabelHeight), static_cast<int>(point.x));
}

}  // namespace

int curveValueLabel(const Graph& curve, float y) {
    const int whole = static_cast<int>(y);
    return curve.isSpeed() ? (50 - whole) * 2 : 100 - whole;
}

void drawCurve(QPainter& painter, const Graph& curve, QSize size, int selected) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRect(QPoint(0, 0), size), kCanvas);
    if (curve.isSpeed()) {
        painter.setPen(QPen(kZeroLine, 1.0));
        const double zero = size.height() / 2 + 0.5;
        painter.drawLine(QPointF(0, zero), QPointF(size.width(), zero));
    }
    const GraphPoints& points = curve.points();
    if (selected >= 0 && selected < curve.pointCount()) {
        drawGuides(painter, curve, size, points[static_cast<std::size_t>(selected)]);
    }
    const CurveMapping mapping{size.width(), size.height()};
    const QPen curvePen(Qt::white, 3.0);
    painter.setPen(curvePen);
    painter.setBrush(Qt::NoBrush);
    for (const GraphPoint& point : points) {
        const int left = static_cast<int>(mapping.markerLeft(point.x));
        const int top = static_cast<int>(mapping.markerTop(point.y));
        painter.drawRect(left, top, Graph::kMarkerSize, Graph::kMarkerSize);
    }
    drawSamples(painter, curve.samples(), size, 1);
    painter.restore();
}

void drawCurveThumbnail(QPainter& painter, const Graph& curve, QSize size, const QColor& background) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRect(QPoint(0, 0), size), background);
    painter.setPen(QPen(Qt::white, 2.0));
    drawSamples(painter, curve.samples(), size, 2);
    painter.restore();
}

}  // namespace fg
