#pragma once
// The curve window's mouse rules on a point list, apart from any widget:
// where a press, a drag and a right click put, move or remove points.
// Positions are in curve units (0..100, y growing downwards).

#include "model/Graph.h"

namespace fg {

// A canvas position in pixels to curve units and back. The drawing puts a
// point's marker centre at (w - 8) / 100 * x + 4; a press and a drag both
// use the inverse of that, so a point stays under the cursor.
struct CurveMapping {
    int width = 0;   // canvas size in pixels
    int height = 0;

    int toX(int px) const;
    int toY(int py) const;
    // The marker's top-left corner of point (x, y).
    double markerLeft(double x) const;
    double markerTop(double y) const;
};

// The index of the point nearest to (x, y) (the first on ties), or -1 for
// an empty list; `distance` gets its distance.
int nearestPoint(const GraphPoints& points, int x, int y, double& distance);

// A left press: selects the point it lands on or adds one there.
struct CurvePress {
    GraphPoints points;  // the list after the press (a new point sorted in)
    int selected = -1;
    bool added = false;
};
CurvePress pressCurve(const GraphPoints& points, int x, int y);

// A drag of the selected point to (x, y): the ends keep their x, a middle
// point stays one unit inside its neighbours, y stays within 0..100. With
// `allPoints` every other point moves up or down by as much as the dragged
// one did since the press (each within 0..100); without it they keep their
// place from the press.
void dragCurvePoint(GraphPoints& points, const GraphPoints& dragBase, int selected, int x, int y, bool allPoints);

// A right press: the middle point it lands on, which it deletes, or -1
// (the context menu opens instead).
int pointToDelete(const GraphPoints& points, int x, int y);

}  // namespace fg
