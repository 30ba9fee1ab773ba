// The curve window's presets: each gives the shape its name promises,
// evaluated as the simulation evaluates a curve, on a plain curve and on the
// speed curve, and each is a well-formed point list.

#include <gtest/gtest.h>

#include "model/CurvePresets.h"
#include "model/Graph.h"

namespace fg {
namespace {

// The factor at `percent` of a 100-frame life of a plain curve with `preset`.
float valueAt(CurvePreset preset, int percent) {
    Graph graph("test", false);
    graph.setPoints(presetPoints(preset));
    graph.rebuild();
    return graph.evaluate(percent, 100);
}

TEST(CurvePresets, EachGivesTheShapeItsNamePromises) {
    for (const int t : {0, 30, 100}) EXPECT_FLOAT_EQ(valueAt(CurvePreset::Constant, t), 1.0f) << t;

    EXPECT_NEAR(valueAt(CurvePreset::LinearUp, 0), 0.0f, 1e-6f);
    EXPECT_NEAR(valueAt(CurvePreset::LinearUp, 25), 0.25f, 0.011f);
    EXPECT_NEAR(valueAt(CurvePreset::LinearUp, 100), 1.0f, 1e-6f);
    EXPECT_NEAR(valueAt(CurvePreset::LinearDown, 25), 0.75f, 0.011f);

    // Ease in lags the straight line, ease out leads it, both from 0 to 1.
    EXPECT_NEAR(valueAt(CurvePreset::EaseIn, 50), 0.25f, 0.011f);
    EXPECT_NEAR(valueAt(CurvePreset::EaseOut, 50), 0.75f, 0.011f);
    for (const int t : {10, 30, 70, 90}) {
        EXPECT_LT(valueAt(CurvePreset::EaseIn, t), valueAt(CurvePreset::LinearUp, t)) << t;
        EXPECT_GT(valueAt(CurvePreset::EaseOut, t), valueAt(CurvePreset::LinearUp, t)) << t;
    }
    EXPECT_NEAR(valueAt(CurvePreset::EaseIn, 100), 1.0f, 1e-6f);
    EXPECT_NEAR(valueAt(CurvePreset::EaseOut, 0), 0.0f, 1e-6f);

    EXPECT_NEAR(valueAt(CurvePreset::FadeInOut, 0), 0.0f, 1e-6f);
    // Rising over the first fifth (the rebuild rounds the corner a little).
    EXPECT_GT(valueAt(CurvePreset::FadeInOut, 10), 0.3f);
    EXPECT_LT(valueAt(CurvePreset::FadeInOut, 10), valueAt(CurvePreset::FadeInOut, 19));
    EXPECT_NEAR(valueAt(CurvePreset::FadeInOut, 50), 1.0f, 1e-6f);
    EXPECT_NEAR(valueAt(CurvePreset::FadeInOut, 100), 0.0f, 1e-6f);

    EXPECT_NEAR(valueAt(CurvePreset::Pulse, 25), 0.0f, 1e-6f);
    EXPECT_NEAR(valueAt(CurvePreset::Pulse, 50), 1.0f, 1e-6f);
    EXPECT_NEAR(valueAt(CurvePreset::Pulse, 75), 0.0f, 1e-6f);
}

TEST(CurvePresets, EveryPresetIsAWellFormedListThatReachesTheSpeedCurvesEnds) {
    for (const CurvePreset preset : kCurvePresets) {
        const GraphPoints points = presetPoints(preset);
        EXPECT_TRUE(curve::isWellFormed(points)) << static_cast<int>(preset);
    }
    // On the speed curve the top is full speed forwards and the bottom full speed back.
    GraphSpeed speed("speed");
    speed.setPoints(presetPoints(CurvePreset::LinearUp));
    speed.rebuild();
    EXPECT_LT(speed.evaluate(0, 100), -0.9f);
    EXPECT_GT(speed.evaluate(100, 100), 0.9f);
}

}  // namespace
}  // namespace fg
