// The colour gradient over the four colour curves: what a stop writes reads
// back exactly, hand-made curves keep their shape when a stop is added,
// and moves and removals act on every curve at once.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "model/ColourGradient.h"
#include "model/Node.h"

namespace fg {
namespace {

std::unique_ptr<Node> plainNode() { return std::make_unique<Node>(nullptr, 1); }

// Curves drawn by hand, each with points at positions of its own.
GradientPoints handMade() {
    return {GraphPoints{{0, 0}, {25, 70}, {60, 20}, {100, 90}}, GraphPoints{{0, 40}, {40, 5}, {100, 60}},
            GraphPoints{{0, 100}, {15, 30}, {33.5f, 80}, {80, 10}, {100, 0}}, GraphPoints{{0, 0}, {100, 100}}};
}

SampleArray samplesOf(const GraphPoints& points) {
    Graph graph("", false);
    graph.setPoints(points);
    graph.rebuild();
    return graph.samples();
}

float largestChange(const SampleArray& a, const SampleArray& b) {
    float largest = 0.0f;
    for (std::size_t k = 0; k < a.size(); ++k) largest = std::max(largest, std::fabs(a[k] - b[k]));
    return largest;
}

TEST(ColourGradient, EveryLevelReadsBackAsWritten) {
    for (int level = 0; level <= 255; ++level) EXPECT_EQ(yToLevel(levelToY(level)), level) << level;
    EXPECT_EQ(levelToY(0), 100.0f);
    EXPECT_EQ(levelToY(255), 0.0f);
    EXPECT_EQ(levelToY(300), 0.0f);  // clamped
    EXPECT_EQ(factorToLevel(0.5f), 128);
    EXPECT_EQ(factorToLevel(std::nanf("")), 0);
}

TEST(ColourGradient, AStopWrittenOnAPlainNodeReadsBackExactlyOnAllFourCurves) {
    ColourGradient gradient(*plainNode());
    ASSERT_EQ(gradient.stops().size(), 2u);  // the curves' own ends
    EXPECT_TRUE(gradient.stops()[0].complete);
    EXPECT_EQ(gradient.stops()[0].colour, (GradientColour{255, 255, 255, 255}));

    const int stop = gradient.addStop(30.4f);
    ASSERT_EQ(stop, 1);
    EXPECT_EQ(gradient.stops()[1].position, 30.0f);  // on the grid
    const GradientColour ember{255, 96, 7, 200};
    ASSERT_TRUE(gradient.setColour(stop, ember));
    ASSERT_TRUE(gradient.setColour(2, GradientColour{40, 0, 0, 0}));
    for (int c = 0; c < 4; ++c) EXPECT_EQ(gradient.points()[static_cast<std::size_t>(c)].size(), 3u);

    // Again from the points alone, as the node holds them after the edit.
    const ColourGradient reread(gradient.points());
    const auto stops = reread.stops();
    ASSERT_EQ(stops.size(), 3u);
    EXPECT_EQ(stops[1].colour, ember);
    EXPECT_EQ(stops[2].colour, (GradientColour{40, 0, 0, 0}));
    EXPECT_TRUE(stops[1].complete);
    // The particle at the stop's age has the stop's colour: 30 frames of 100.
    EXPECT_EQ(reread.colourAt(30, 100), ember);
    EXPECT_EQ(reread.colourAt(60, 200), ember);
    EXPECT_EQ(reread.colourAt(100, 100), (GradientColour{40, 0, 0, 0}));
}

TEST(ColourGradient, AStopOnHandMadeCurvesKeepsTheirPointsAndShape) {
    const GradientPoints before = handMade();
    ColourGradient gradient(before);
    // Every point position of any curve is a stop; only the ends are complete.
    const auto shown = gradient.stops();
    std::vector<float> positions;
    for (const GradientStop& s : shown) positions.push_back(s.position);
    EXPECT_EQ(positions, (std::vector<float>{0, 15, 25, 33.5f, 40, 60, 80, 100}));
    EXPECT_FALSE(shown[1].complete);
    EXPECT_TRUE(shown.back().complete);
    // A partial stop shows the curve's point where there is one, else its value there.
    EXPECT_EQ(shown[2].colour.red, yToLevel(70));

    const int stop = gradient.addStop(50);
    EXPECT_TRUE(gradient.stops()[static_cast<std::size_t>(stop)].complete);
    for (std::size_t c = 0; c < 4; ++c) {
        const GraphPoints& after = gradient.points()[c];
        for (const GraphPoint& kept : before[c]) {
            EXPECT_NE(std::find(after.begin(), after.end(), kept), after.end()) << "curve " << c;
        }
        EXPECT_LE(largestChange(samplesOf(before[c]), samplesOf(after)), ColourGradient::kResolution) << c;
    }
    // A stop added where every curve already has a point changes nothing.
    const GradientPoints completed = gradient.points();
    EXPECT_EQ(gradient.addStop(0), 0);
    EXPECT_EQ(gradient.points(), completed);
}

TEST(ColourGradient, MovesAndRemovalsActOnEveryCurveAndKeepTheEnds) {
    ColourGradient gradient(*plainNode());
    const int a = gradient.addStop(20);
    const int b = gradient.addStop(50);
    ASSERT_EQ(a, 1);
    ASSERT_EQ(b, 2);
    gradient.setColour(b, GradientColour{10, 20, 30, 40});

    EXPECT_EQ(gradient.moveStop(b, 70.2f), 2);
    for (const GraphPoints& points : gradient.points()) {
        EXPECT_EQ(points.size(), 4u);
        EXPECT_EQ(points[2].x, 70.0f);
    }
    EXPECT_EQ(gradient.stops()[2].colour, (GradientColour{10, 20, 30, 40}));
    // Stops never pass each other: one unit inside the neighbours.
    gradient.moveStop(b, 5);
    EXPECT_EQ(gradient.stops()[2].position, 21.0f);
    gradient.moveStop(b, 1000);
    EXPECT_EQ(gradient.stops()[2].position, 99.0f);
    // The ends keep their place and cannot be removed.
    EXPECT_EQ(gradient.moveStop(0, 40), 0);
    EXPECT_EQ(gradient.stops()[0].position, 0.0f);
    EXPECT_FALSE(gradient.removeStop(0));
    EXPECT_FALSE(gradient.removeStop(3));
    EXPECT_FALSE(gradient.setColour(7, GradientColour{}));
    EXPECT_EQ(gradient.moveStop(-1, 10), -1);

    ASSERT_TRUE(gradient.removeStop(1));
    for (const GraphPoints& points : gradient.points()) {
        EXPECT_EQ(points.size(), 3u);
        EXPECT_EQ(points[1].x, 99.0f);
    }
}

TEST(ColourGradient, MovingAPartialStopCompletesItFirst) {
    ColourGradient gradient(handMade());
    // Position 40: only the green curve has a point there.
    const auto stops = gradient.stops();
    const auto at40 = std::find_if(stops.begin(), stops.end(), [](const GradientStop& s) { return s.position == 40; });
    ASSERT_NE(at40, stops.end());
    const GradientColour colour = at40->colour;
    const int index = gradient.moveStop(static_cast<int>(at40 - stops.begin()), 45);
    ASSERT_GE(index, 0);
    const GradientStop moved = gradient.stops()[static_cast<std::size_t>(index)];
    EXPECT_EQ(moved.position, 45.0f);
    EXPECT_TRUE(moved.complete);
    // It carries the colour it had (within the curves' resolution).
    EXPECT_NEAR(moved.colour.red, colour.red, 3);
    EXPECT_EQ(moved.colour.green, colour.green);
    EXPECT_NEAR(moved.colour.blue, colour.blue, 3);
    EXPECT_NEAR(moved.colour.alpha, colour.alpha, 3);
}

}  // namespace
}  // namespace fg
