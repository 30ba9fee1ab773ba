#pragma once
// A node's colour over a particle's life seen as a gradient: its red, green,
// blue and opacity curves read and written together. Nothing is stored
// besides the four curves, so a project file does not change by being
// looked at this way.
//
// A stop is a position (0..100, the curves' x) where at least one of the
// four curves has a point; it is complete when all four have one. Its
// colour is, per channel, the value of that curve's point there (the last
// one where a curve jumps) or else the curve's own value at that position.
// Every edit of a stop first completes it: a curve without a point there
// gets one with its present value, plus as few extra points as it takes to
// keep the curve everywhere within kResolution of what it was. Points
// elsewhere stay unless a stop at their position is moved or removed.
//
// Channel levels are whole numbers 0..255 (factor × 255, rounded); a level
// written to a stop reads back the same.

#include <array>
#include <vector>

#include "model/Graph.h"
#include "model/Node.h"

namespace fg {

// The curves in the order the gradient's points list them.
inline constexpr std::array<int, 4> kGradientCurves{kCurveRed, kCurveGreen, kCurveBlue, kCurveOpacity};
using GradientPoints = std::array<GraphPoints, 4>;

struct GradientColour {
    int red = 255;
    int green = 255;
    int blue = 255;
    int alpha = 255;
    friend bool operator==(const GradientColour&, const GradientColour&) = default;
};

struct GradientStop {
    float position = 0.0f;
    GradientColour colour;
    bool complete = false;  // all four curves have a point at this position
};

class ColourGradient {
public:
    // The largest change, in the curves' y units, that completing a stop
    // may make to a curve's samples away from the stop: one grid unit.
    static constexpr float kResolution = 1.0f;

    explicit ColourGradient(const Node& node);
    explicit ColourGradient(const GradientPoints& points);

    const GradientPoints& points() const { return m_points; }
    // The four curves as built from the points (for evaluation and drawing).
    const Graph& curve(int channel) const { return m_curves[static_cast<std::size_t>(channel)]; }

    // Ordered by position; the first is at 0 and the last at 100.
    std::vector<GradientStop> stops() const;
    // The colour at age `position` of a life of `span` frames, by the
    // curves' own evaluation (the one the simulation uses).
    GradientColour colourAt(int position, int span) const;

    // A stop at `position` (rounded to the grid, clamped to 0..100) with
    // the colour the gradient has there; an existing stop there is completed.
    // Returns the stop's index.
    int addStop(float position);
    // The stop's colour on all four curves (levels clamped to 0..255).
    // False when there is no such stop.
    bool setColour(int stop, GradientColour colour);
    // The stop to `position` (rounded; a middle stop stays one unit inside
    // its neighbours, the end stops keep theirs). Returns its index after
    // the move (the same index: stops do not pass each other), or -1.
    int moveStop(int stop, float position);
    // Removes the points at a middle stop from every curve. False for the
    // end stops and for no such stop.
    bool removeStop(int stop);

private:
    void rebuildCurve(int channel);
    void complete(float position);
    std::vector<float> stopPositions() const;

    GradientPoints m_points;
    std::vector<Graph> m_curves;
};

// A level 0..255 as a curve's y (0 is the top, full value) and back.
float levelToY(int level);
int yToLevel(float y);
// A factor 0..1 (a curve's evaluation) as a level.
int factorToLevel(float factor);

}  // namespace fg
