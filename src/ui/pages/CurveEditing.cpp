#include "ui/pages/CurveEditing.h"

#include <algorithm>
#include <cmath>

namespace fg {
namespace {

constexpr int kMargin = Graph::kMarkerSize;
constexpr int kHalfMarker = Graph::kMarkerSize / 2;

int scaled(int pixels, int size) {
    const int span = std::max(1, size - kMargin);
    return (pixels - kHalfMarker) * 100 / span;
}

float clampUnit(float v) { return std::clamp(v, 0.0f, 100.0f); }

}  // namespace

int CurveMapping::toX(int px) const { return scaled(px, width); }

int CurveMapping::toY(int py) const { return scaled(py, height); }

double CurveMapping::markerLeft(double x) const { return (width - kMargin) / 100.0 * x; }

double CurveMapping::markerTop(double y) const { return (height - kMargin) / 100.0 * y; }

int nearestPoint(const GraphPoints& points, int x, int y, double& distance) {
    int best = -1;
    distance = 0.0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double d = std::hypot(static_cast<double>(points[i].x) - x, static_cast<double>(points[i].y) - y);
        if (best < 0 || d < distance) {
            best = static_cast<int>(i);
            distance = d;
        }
    }
    return best;
}

CurvePress pressCurve(const GraphPoints& points, int x, int y) {
    CurvePress press{points, -1, false};
    if (points.empty()) return press;
    // Beyond either end the press means that end's point. A press in the
    // margin left of the canvas stays at x = 0 and one above or below it
    // within 0..100, so no point is ever added outside the grid.
    if (x >= 100) {
        x = 100;
        y = static_cast<int>(points.back().y);
    } else if (x <= 0) {
        x = 0;
        y = static_cast<int>(points.front().y);
    }
    y = std::clamp(y, 0, 100);

    double distance = 0.0;
    const int nearest = nearestPoint(points, x, y, distance);
    if (distance < Graph::kPickRadius) {
        press.selected = nearest;
        return press;
    }
    const GraphPoint added{static_cast<float>(x), static_cast<float>(y)};
    press.points.push_back(added);
    std::stable_sort(press.points.begin(), press.points.end(),
                     [](const GraphPoint& a, const GraphPoint& b) { return a.x < b.x; });
    for (std::size_t i = press.points.size(); i-- > 0;) {
        if (press.points[i] == added) {
            press.selected = static_cast<int>(i);
            break;
        }
    }
    press.added = true;
    return press;
}

void dragCurvePoint(GraphPoints& points, const GraphPoints& dragBase, int selected, int x, int y, bool allPoints) {
    const int count = static_cast<int>(points.size());
    if (selected < 0 || selected >= count || dragBase.size() != points.size()) return;
    const auto at = [](int i) { return static_cast<std::size_t>(i); };
    GraphPoint& moved = points[at(selected)];
    moved.x = static_cast<float>(x);
    moved.y = static_cast<float>(y);
    if (selected == 0) {
        moved.x = 0.0f;
    } else if (selected == count - 1) {
        moved.x = 100.0f;
    } else {
        const float previous = points[at(selected - 1)].x;
        if (previous >= moved.x) moved.x = previous + 1.0f;
        const float next = points[at(selected + 1)].x;
        if (next <= moved.x) moved.x = next - 1.0f;
    }
    moved.y = clampUnit(moved.y);

    const float dy = moved.y - dragBase[at(selected)].y;
    for (int i = 0; i < count; ++i) {
        if (i == selected) continue;
        const float base = dragBase[at(i)].y;
        points[at(i)].y = allPoints ? clampUnit(base + dy) : base;
    }
}

int pointToDelete(const GraphPoints& points, int x, int y) {
    double distance = 0.0;
    const int nearest = nearestPoint(points, x, y, distance);
    const bool middle = nearest > 0 && nearest < static_cast<int>(points.size()) - 1;
    return middle && distance < Graph::kPickRadius ? nearest : -1;
}

}  // namespace fg
