#pragma once
// Pictures of a curve: the full drawing of the curve window (value grid and
// axis labels, other curves faintly behind, markers, the dragged point's
// guide lines and value labels, the zero line of the speed curve) and the
// small image on the parameter pages' curve buttons.

#include <QColor>
#include <QSize>
#include <vector>

#include "model/Graph.h"

class QPainter;

namespace fg {

class Node;

// A curve drawn thin and faint behind the one being edited.
struct CurveBehind {
    const Graph* curve = nullptr;
    QColor colour;
};

// What the curve window adds to the bare curve.
struct CurveLook {
    int selected = -1;  // the point being dragged: guide lines and labels
    int current = -1;   // the point the number fields show: a filled marker
    bool grid = false;  // lines every 10 units with axis labels
    std::vector<CurveBehind> behind;
};

// Draws `curve` into the rectangle (0, 0, size) of `painter`.
void drawCurve(QPainter& painter, const Graph& curve, QSize size, const CurveLook& look);
// The bare curve with `selected` (or -1) being dragged.
void drawCurve(QPainter& painter, const Graph& curve, QSize size, int selected);

// The thumbnail: `background` filled, then the curve through every second
// sample in a white line of width 2.
void drawCurveThumbnail(QPainter& painter, const Graph& curve, QSize size, const QColor& background);

// The value label of a point at height y: percent of full value for a plain
// curve, -100..+100 for the speed curve.
int curveValueLabel(const Graph& curve, float y);
// The whole grid height whose label is `value` (for the speed curve an odd
// value goes to the even one nearer zero, the grid having no half units).
int curveHeightForValue(const Graph& curve, int value);

// The colour curves (red, green, blue, opacity) of `node` other than
// `graphNumber`, each in its faint colour; empty unless `graphNumber` is
// one of them.
std::vector<CurveBehind> otherColourCurves(const Node& node, int graphNumber);

}  // namespace fg
