#include "ui/pages/CurveDrawing.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <array>
#include <utility>

#include "model/Node.h"
#include "ui/PanelFont.h"
#include "ui/pages/CurveEditing.h"

namespace fg {
namespace {

const QColor kCanvas(50, 50, 50);
const QColor kGuide(180, 180, 180);
const QColor kZeroLine(80, 80, 80);
const QColor kGridLine(62, 62, 62);
const QColor kAxisLabel(135, 135, 135);
const QColor kCurrentMarker(255, 196, 80);
constexpr int kGridStep = 10;
constexpr int kAxisFontSize = 7;
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

// The marker centre of curve coordinate v on an axis `size` pixels long.
int axisPixel(int size, double v) {
    const CurveMapping mapping{size, size};
    return static_cast<int>(mapping.markerLeft(v) + kHalfMarker);
}

void drawGrid(QPainter& painter, QSize size) {
    painter.setPen(QPen(kGridLine, 1.0));
    for (int v = 0; v <= 100; v += kGridStep) {
        const double x = axisPixel(size.width(), v) + 0.5;
        const double y = axisPixel(size.height(), v) + 0.5;
        painter.drawLine(QPointF(x, 0), QPointF(x, size.height()));
        painter.drawLine(QPointF(0, y), QPointF(size.width(), y));
    }
}

// The widest grid step (10, 20 or 50 units) whose labels are at least
// `needed` pixels apart, or 0 when none is.
int labelStep(int size, int needed) {
    const double unit = (size - Graph::kMarkerSize) / 100.0;
    for (const int step : {10, 20, 50}) {
        if (unit * step >= needed) return step;
    }
    return 0;
}

// Values along the left edge, positions along the bottom, each beside its
// grid line; on a canvas too small for them some or all are left out.
void drawAxisLabels(QPainter& painter, const Graph& curve, QSize size) {
    const QFont font = panelFont(kAxisFontSize);
    const QFontMetrics metrics(font);
    const int labelWidth = metrics.horizontalAdvance(percentText(curve.isSpeed() ? -100 : 100)) + 2;
    const int labelHeight = metrics.height();
    const int w = size.width();
    const int h = size.height();
    if (w < 2 * labelWidth + 8 || h < 3 * labelHeight) return;
    painter.setFont(font);
    painter.setPen(kAxisLabel);

    const int left = kHalfMarker + 2;
    const int stepY = labelStep(h, labelHeight + 2);
    int usedDownTo = 0;  // from the top
    for (int y = 0; stepY > 0 && y <= 100; y += stepY) {
        const int py = axisPixel(h, y);
        const int top = y == 0 ? py + 1 : py - labelHeight;
        if (y > 0 && top < usedDownTo + 4) continue;
        usedDownTo = top + labelHeight;
        painter.drawText(QRect(left, top, labelWidth, labelHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         percentText(curveValueLabel(curve, static_cast<float>(y))));
    }
    const int stepX = labelStep(w, labelWidth + 6);
    const int bottom = axisPixel(h, 100) - labelHeight;
    int usedUpTo = left + labelWidth;  // the value label in the corner
    for (int x = stepX; stepX > 0 && x <= 100; x += stepX) {
        const int px = axisPixel(w, x);
        const bool last = x == 100;
        const int boxLeft = last ? px - 2 - labelWidth : px + 2;
        if (boxLeft < usedUpTo + 4) continue;
        const Qt::Alignment align = (last ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
        painter.drawText(QRect(boxLeft, bottom, labelWidth, labelHeight), static_cast<int>(align.toInt()),
                         percentText(x));
        usedUpTo = boxLeft + labelWidth;
    }
}

}  // namespace

int curveValueLabel(const Graph& curve, float y) {
    const int whole = static_cast<int>(y);
    return curve.isSpeed() ? (50 - whole) * 2 : 100 - whole;
}

int curveHeightForValue(const Graph& curve, int value) {
    return curve.isSpeed() ? 50 - value / 2 : 100 - value;
}

void drawCurve(QPainter& painter, const Graph& curve, QSize size, int selected) {
    CurveLook look;
    look.selected = selected;
    drawCurve(painter, curve, size, look);
}

void drawCurve(QPainter& painter, const Graph& curve, QSize size, const CurveLook& look) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRect(QPoint(0, 0), size), kCanvas);
    if (look.grid) {
        drawGrid(painter, size);
        drawAxisLabels(painter, curve, size);
    }
    if (curve.isSpeed()) {
        painter.setPen(QPen(kZeroLine, 1.0));
        const double zero = size.height() / 2 + 0.5;
        painter.drawLine(QPointF(0, zero), QPointF(size.width(), zero));
    }
    for (const CurveBehind& other : look.behind) {
        if (other.curve == nullptr) continue;
        painter.setPen(QPen(other.colour, 2.0));
        drawSamples(painter, other.curve->samples(), size, 1);
    }
    const GraphPoints& points = curve.points();
    if (look.selected >= 0 && look.selected < curve.pointCount()) {
        drawGuides(painter, curve, size, points[static_cast<std::size_t>(look.selected)]);
    }
    const CurveMapping mapping{size.width(), size.height()};
    const QPen curvePen(Qt::white, 3.0);
    painter.setBrush(Qt::NoBrush);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const int left = static_cast<int>(mapping.markerLeft(points[i].x));
        const int top = static_cast<int>(mapping.markerTop(points[i].y));
        const bool current = static_cast<int>(i) == look.current;
        painter.setPen(current ? QPen(kCurrentMarker, 3.0) : curvePen);
        painter.drawRect(left, top, Graph::kMarkerSize, Graph::kMarkerSize);
    }
    painter.setPen(curvePen);
    drawSamples(painter, curve.samples(), size, 1);
    painter.restore();
}

std::vector<CurveBehind> otherColourCurves(const Node& node, int graphNumber) {
    const std::array<std::pair<int, QColor>, 4> faintColours{{
        {kCurveRed, QColor(165, 70, 70)},
        {kCurveGreen, QColor(70, 145, 70)},
        {kCurveBlue, QColor(85, 105, 190)},
        {kCurveOpacity, QColor(165, 165, 165)},
    }};
    std::vector<CurveBehind> others;
    const bool colour = graphNumber >= kCurveRed && graphNumber <= kCurveOpacity;
    if (!colour) return others;
    for (const auto& [number, faint] : faintColours) {
        if (number != graphNumber) others.push_back({&node.curve(number), faint});
    }
    return others;
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
