#include "model/ColourGradient.h"

#include <algorithm>
#include <cmath>

namespace fg {
namespace {

constexpr int kChannels = static_cast<int>(kGradientCurves.size());

std::size_t at(int i) { return static_cast<std::size_t>(i); }

float gridPosition(float position) {
    if (!std::isfinite(position)) return 0.0f;
    return std::clamp(std::round(position), 0.0f, 100.0f);
}

bool hasPointAt(const GraphPoints& points, float x) {
    return std::any_of(points.begin(), points.end(), [x](const GraphPoint& p) { return p.x == x; });
}

// The last point at x: where a curve jumps, the value it goes on with.
const GraphPoint* lastPointAt(const GraphPoints& points, float x) {
    for (auto it = points.rbegin(); it != points.rend(); ++it) {
        if (it->x == x) return &*it;
    }
    return nullptr;
}

// The samples' value at x, read as the evaluation reads them.
float sampleAt(const SampleArray& samples, float x) {
    const int i = std::clamp(static_cast<int>(x), 0, 100);
    if (i >= 100) return samples[100];
    const float f = x - static_cast<float>(i);
    return (1.0f - f) * samples[at(i)] + samples[at(i + 1)] * f;
}

void insertSorted(GraphPoints& points, GraphPoint point) {
    const auto place = std::upper_bound(points.begin(), points.end(), point.x,
                                        [](float x, const GraphPoint& p) { return x < p.x; });
    points.insert(place, point);
}

SampleArray samplesOf(const GraphPoints& points) {
    Graph graph("", false);
    graph.setPoints(points);
    graph.rebuild();
    return graph.samples();
}

// Adds a point at x with the curve's present value, then pins the curve
// where the new point bent it by more than the resolution: each round puts
// a point with the old value at the sample that moved most. A point on
// every whole position reproduces the old samples there exactly, so this
// ends within 101 rounds.
void addKeepingShape(GraphPoints& points, float x) {
    const SampleArray before = samplesOf(points);
    insertSorted(points, {x, sampleAt(before, x)});
    for (int round = 0; round <= 100; ++round) {
        const SampleArray after = samplesOf(points);
        int worst = -1;
        float largest = ColourGradient::kResolution;
        for (int k = 0; k <= 100; ++k) {
            const float moved = std::fabs(after[at(k)] - before[at(k)]);
            if (moved > largest && !hasPointAt(points, static_cast<float>(k))) {
                largest = moved;
                worst = k;
            }
        }
        if (worst < 0) return;
        insertSorted(points, {static_cast<float>(worst), before[at(worst)]});
    }
}

}  // namespace

float levelToY(int level) {
    const int clamped = std::clamp(level, 0, 255);
    return static_cast<float>(100.0 - static_cast<double>(clamped) * 100.0 / 255.0);
}

int yToLevel(float y) {
    const double level = (100.0 - static_cast<double>(y)) * 255.0 / 100.0;
    return std::clamp(static_cast<int>(std::lround(level)), 0, 255);
}

int factorToLevel(float factor) {
    if (!std::isfinite(factor)) return 0;
    return std::clamp(static_cast<int>(std::lround(static_cast<double>(factor) * 255.0)), 0, 255);
}

ColourGradient::ColourGradient(const Node& node) {
    for (int c = 0; c < kChannels; ++c) {
        m_points[at(c)] = node.curve(kGradientCurves[at(c)]).points();
        m_curves.push_back(node.curve(kGradientCurves[at(c)]));
    }
}

ColourGradient::ColourGradient(const GradientPoints& points) : m_points(points) {
    for (int c = 0; c < kChannels; ++c) {
        m_curves.emplace_back("", false);
        rebuildCurve(c);
    }
}

void ColourGradient::rebuildCurve(int channel) {
    Graph& graph = m_curves[at(channel)];
    graph.setPoints(m_points[at(channel)]);
    graph.rebuild();
    // A list the rebuild had to repair is what the curve now holds.
    m_points[at(channel)] = graph.points();
}

std::vector<float> ColourGradient::stopPositions() const {
    std::vector<float> positions;
    for (const GraphPoints& points : m_points) {
        for (const GraphPoint& p : points) positions.push_back(p.x);
    }
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    return positions;
}

std::vector<GradientStop> ColourGradient::stops() const {
    std::vector<GradientStop> stops;
    for (const float x : stopPositions()) {
        GradientStop stop;
        stop.position = x;
        stop.complete = true;
        std::array<int, 4> levels{};
        for (int c = 0; c < kChannels; ++c) {
            const GraphPoint* point = lastPointAt(m_points[at(c)], x);
            if (point == nullptr) stop.complete = false;
            const float y = point != nullptr ? point->y : sampleAt(m_curves[at(c)].samples(), x);
            levels[at(c)] = yToLevel(y);
        }
        stop.colour = {levels[0], levels[1], levels[2], levels[3]};
        stops.push_back(stop);
    }
    return stops;
}

GradientColour ColourGradient::colourAt(int position, int span) const {
    const auto level = [&](int c) { return factorToLevel(m_curves[at(c)].evaluate(position, span)); };
    return {level(0), level(1), level(2), level(3)};
}

void ColourGradient::complete(float position) {
    for (int c = 0; c < kChannels; ++c) {
        GraphPoints& points = m_points[at(c)];
        if (hasPointAt(points, position)) continue;
        addKeepingShape(points, position);
        rebuildCurve(c);
    }
}

int ColourGradient::addStop(float position) {
    const float x = gridPosition(position);
    complete(x);
    const std::vector<float> positions = stopPositions();
    return static_cast<int>(std::find(positions.begin(), positions.end(), x) - positions.begin());
}

bool ColourGradient::setColour(int stop, GradientColour colour) {
    const std::vector<float> positions = stopPositions();
    if (stop < 0 || stop >= static_cast<int>(positions.size())) return false;
    const float x = positions[at(stop)];
    complete(x);
    const std::array<int, 4> levels{colour.red, colour.green, colour.blue, colour.alpha};
    for (int c = 0; c < kChannels; ++c) {
        GraphPoints& points = m_points[at(c)];
        // Every point at x: a jump there becomes one colour.
        for (GraphPoint& p : points) {
            if (p.x == x) p.y = levelToY(levels[at(c)]);
        }
        rebuildCurve(c);
    }
    return true;
}

int ColourGradient::moveStop(int stop, float position) {
    std::vector<float> positions = stopPositions();
    if (stop < 0 || stop >= static_cast<int>(positions.size())) return -1;
    const float from = positions[at(stop)];
    if (from == 0.0f || from == 100.0f) return stop;
    // Completing may pin the curves with points of their own, which become
    // the stop's neighbours: the room is measured afterwards.
    complete(from);
    positions = stopPositions();
    const int index = static_cast<int>(std::find(positions.begin(), positions.end(), from) - positions.begin());
    const float low = positions[at(index - 1)] + 1.0f;
    const float high = positions[at(index + 1)] - 1.0f;
    if (low > high) return index;  // neighbours two units apart: no room
    const float to = std::clamp(gridPosition(position), low, high);
    if (to == from) return index;
    for (int c = 0; c < kChannels; ++c) {
        for (GraphPoint& p : m_points[at(c)]) {
            if (p.x == from) p.x = to;
        }
        rebuildCurve(c);
    }
    return index;
}

bool ColourGradient::removeStop(int stop) {
    const std::vector<float> positions = stopPositions();
    const int count = static_cast<int>(positions.size());
    if (stop <= 0 || stop >= count - 1) return false;
    const float x = positions[at(stop)];
    for (int c = 0; c < kChannels; ++c) {
        GraphPoints& points = m_points[at(c)];
        points.erase(std::remove_if(points.begin(), points.end(), [x](const GraphPoint& p) { return p.x == x; }),
                     points.end());
        rebuildCurve(c);
    }
    return true;
}

}  // namespace fg
