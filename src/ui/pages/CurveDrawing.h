#pragma once
// Pictures of a curve: the full drawing of the curve window (markers, the
// dragged point's guide lines and value labels, the zero line of the speed
// curve) and the small image on the parameter pages' curve buttons.

#include <QColor>
#include <QSize>

#include "model/Graph.h"

class QPainter;

namespace fg {

// Draws `curve` into the rectangle (0, 0, size) of `painter`; `selected` is
// the index of the point being dragged, or -1.
void drawCurve(QPainter& painter, const Graph& curve, QSize size, int selected);

// The thumbnail: `background` filled, then the curve through every second
// sample in a white line of width 2.
void drawCurveThumbnail(QPainter& painter, const Graph& curve, QSize size, const QColor& background);

// The value label of a point at height y: percent of full value for a plain
// curve, -100..+100 for the speed curve.
int curveValueLabel(const Graph& curve, float y);

}  // namespace fg
