#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <thread>

#include "model/Graph.h"

namespace fg {
namespace {

Graph curveWith(const GraphPoints& points, bool speed = false) {
    Graph graph = speed ? GraphSpeed("s") : Graph("g", false);
    graph.setPoints(points);
    graph.rebuild();
    return graph;
}

TEST(GraphEvaluate, NewCurvesHaveTheirInitialShape) {
    const Graph plain("p", false);
    const Graph rising("r", true);
    const GraphSpeed speed("s");
    for (int position : {0, 1, 17, 30, 59, 60, 500}) {
        EXPECT_FLOAT_EQ(plain.evaluate(position, 60), 1.0f) << position;
        EXPECT_FLOAT_EQ(speed.evaluate(position, 60), 1.0f) << position;
    }
    EXPECT_FLOAT_EQ(rising.evaluate(0, 60), 0.0f);
    EXPECT_FLOAT_EQ(rising.evaluate(30, 60), 0.5f);
    EXPECT_FLOAT_EQ(rising.evaluate(60, 60), 1.0f);
    EXPECT_FLOAT_EQ(rising.evaluate(90, 60), 1.0f);
    // The rising curve is the line y = 100 - x, sample by sample.
    const SampleArray samples = rising.samples();
    for (int k = 0; k <= 100; ++k) EXPECT_FLOAT_EQ(samples[static_cast<std::size_t>(k)], 100.0f - k) << k;
}

TEST(GraphEvaluate, InterpolatesBetweenSamplesAndClampsPosition) {
    // (0,0), (1,100), (100,100): sample 0 is 0 and every other sample is 100,
    // because the second segment's y never leaves 100 after clamping.
    const Graph graph = curveWith({{0, 0}, {1, 100}, {100, 100}});
    const SampleArray samples = graph.samples();
    EXPECT_FLOAT_EQ(samples[0], 0.0f);
    for (int k = 1; k <= 100; ++k) EXPECT_FLOAT_EQ(samples[static_cast<std::size_t>(k)], 100.0f) << k;
    EXPECT_FLOAT_EQ(graph.evaluate(0, 100), 1.0f);
    EXPECT_FLOAT_EQ(graph.evaluate(1, 200), 0.5f);  // halfway between samples 0 and 1
    EXPECT_FLOAT_EQ(graph.evaluate(1, 100), 0.0f);
    EXPECT_EQ(graph.evaluate(250, 100), graph.evaluate(100, 100));
    // Bad input never reads outside the table: a negative age counts as 0,
    // a life below one frame reads the end of the curve.
    EXPECT_EQ(graph.evaluate(-5, 100), graph.evaluate(0, 100));
    EXPECT_FLOAT_EQ(graph.evaluate(3, 0), 0.0f);
    EXPECT_FLOAT_EQ(graph.evaluate(0, -7), 0.0f);
}

TEST(GraphRebuild, FlatMultiPointCurveStaysFlat) {
    // A middle point takes its tangent from its neighbours; a level curve keeps y = 40.
    const Graph graph = curveWith({{0, 40}, {50, 40}, {100, 40}});
    for (float sample : graph.samples()) EXPECT_FLOAT_EQ(sample, 40.0f);
    EXPECT_FLOAT_EQ(graph.evaluate(33, 90), 0.6f);
}

TEST(GraphRebuild, PeakKeepsItsStoredPointsAndStaysInRange) {
    const Graph graph = curveWith({{0, 0}, {50, 100}, {100, 0}});
    const SampleArray samples = graph.samples();
    EXPECT_FLOAT_EQ(samples[0], 0.0f);
    EXPECT_FLOAT_EQ(samples[50], 100.0f);
    EXPECT_FLOAT_EQ(samples[100], 0.0f);
    for (int k = 1; k < 50; ++k) {
        // Rises monotonically towards the peak, within the grid.
        EXPECT_LE(samples[static_cast<std::size_t>(k - 1)], samples[static_cast<std::size_t>(k)] + 1e-4f) << k;
        EXPECT_GE(samples[static_cast<std::size_t>(k)], 0.0f);
        EXPECT_LE(samples[static_cast<std::size_t>(k)], 100.0f);
    }
    EXPECT_FLOAT_EQ(graph.evaluate(50, 100), 0.0f);
    EXPECT_FLOAT_EQ(graph.evaluate(0, 100), 1.0f);
}

TEST(GraphRebuild, StoredEndValuesAreKeptAsTheyAre) {
    // Step 4 writes the points' own y, not a whole number.
    const Graph graph = curveWith({{0, 12.25f}, {100, 12.25f}});
    EXPECT_FLOAT_EQ(graph.samples()[0], 12.25f);
    EXPECT_FLOAT_EQ(graph.samples()[100], 12.25f);
}

TEST(GraphSpeedRule, SegmentsOnOneSideNeverCrossZero) {
    // The right tangent at (30, 50) points up towards (0, 50) - (100, 100), so
    // the plain rule dips above the zero line; the speed rule holds it there.
    const GraphPoints points{{0, 50}, {30, 50}, {100, 100}};
    const Graph plain = curveWith(points);
    const Graph speed = curveWith(points, true);
    bool plainCrosses = false;
    for (float sample : plain.samples()) plainCrosses |= sample < 50.0f;
    EXPECT_TRUE(plainCrosses);
    for (int position = 0; position <= 100; ++position) EXPECT_LE(speed.evaluate(position, 100), 0.0f) << position;

    const Graph upper = curveWith({{0, 10}, {40, 50}, {70, 0}, {100, 30}}, true);
    for (int position = 0; position <= 100; ++position) EXPECT_GE(upper.evaluate(position, 100), 0.0f) << position;

    // Full range: y 0 is +1, y 100 is -1, y 50 is 0.
    EXPECT_FLOAT_EQ(curveWith({{0, 100}, {100, 100}}, true).evaluate(10, 20), -1.0f);
    EXPECT_FLOAT_EQ(curveWith({{0, 50}, {100, 50}}, true).evaluate(10, 20), 0.0f);
}

TEST(GraphRebuild, FewerThanTwoPointsKeepThePreviousSamples) {
    Graph graph("g", true);
    const SampleArray before = graph.samples();
    graph.clearPoints();
    graph.rebuild();
    EXPECT_EQ(graph.samples(), before);
    graph.addPoint(0, 0);
    graph.rebuild();
    EXPECT_EQ(graph.samples(), before);
    EXPECT_EQ(graph.pointCount(), 1);
}

TEST(GraphRebuild, BrokenPointListsAreRepairedBeforeRebuilding) {
    const SampleArray rising = Graph("r", true).samples();
    // Descending order: sorted back into ascending order.
    Graph reversed = curveWith({{100, 0}, {0, 100}});
    EXPECT_EQ(reversed.samples(), rising);
    EXPECT_EQ(reversed.points(), (GraphPoints{{0, 100}, {100, 0}}));
    // Ends off the grid: clamped, then pinned to 0 and 100.
    Graph outside = curveWith({{-40, 100}, {20, 50}, {250, 0}});
    EXPECT_EQ(outside.points(), (GraphPoints{{0, 100}, {20, 50}, {100, 0}}));
    Graph inside = curveWith({{5, 0}, {50, 100}, {90, 0}});
    EXPECT_EQ(inside.samples(), curveWith({{0, 0}, {50, 100}, {100, 0}}).samples());
    // Repeated x values keep the first point.
    Graph repeated = curveWith({{0, 0}, {50, 10}, {50, 90}, {100, 0}});
    EXPECT_EQ(repeated.points(), (GraphPoints{{0, 0}, {50, 10}, {100, 0}}));
    // Nothing usable left: the curve's initial points.
    Graph collapsed("r", true);
    collapsed.setPoints({{100, 3}, {120, 4}});
    collapsed.rebuild();
    EXPECT_EQ(collapsed.samples(), rising);
    Graph notANumber("r", true);
    notANumber.setPoints({{0, NAN}, {100, 0}});
    notANumber.rebuild();
    EXPECT_EQ(notANumber.points(), (GraphPoints{{0, 100}, {100, 0}}));
}

TEST(GraphClipboard, CopyPasteAndAssign) {
    PointClipboard clipboard;
    Graph target("target", false);
    const SampleArray before = target.samples();
    target.pastePoints(clipboard);  // empty clipboard: unchanged
    EXPECT_EQ(target.samples(), before);
    clipboard.points = {{0, 50}};
    target.pastePoints(clipboard);  // one point: unchanged
    EXPECT_EQ(target.pointCount(), 2);
    EXPECT_EQ(target.samples(), before);

    const Graph source("source", true);
    source.copyPoints(clipboard);
    EXPECT_EQ(clipboard.points, source.points());
    GraphSpeed speed("speed");
    speed.pastePoints(clipboard);  // any kind takes any curve's points, rebuilt by its own rule
    EXPECT_EQ(speed.points(), source.points());
    EXPECT_FLOAT_EQ(speed.evaluate(0, 10), -1.0f);
    EXPECT_FLOAT_EQ(speed.evaluate(10, 10), 1.0f);

    Graph assigned("assigned", false);
    assigned.assignFrom(source);
    EXPECT_EQ(assigned.name(), "source");
    EXPECT_EQ(assigned.points(), source.points());
    EXPECT_EQ(assigned.samples(), before);  // no rebuild until asked
    assigned.rebuild();
    EXPECT_EQ(assigned.samples(), source.samples());
}

TEST(GraphName, IsCutTo31Cp932Bytes) {
    const Graph graph("カラー【不透明度】あいうえおかきくけこ", false);  // 18 + 20 bytes
    EXPECT_EQ(graph.name(), "カラー【不透明度】あいうえおか");  // 30 bytes: one more would be 32
}

TEST(GraphConcurrency, ReaderSeesOnlyWholeTables) {
    // One curve flips between all-0 and all-100 while another thread reads a
    // position between two samples; a torn table would give a value in between.
    Graph graph("g", false);
    std::atomic<bool> stop{false};
    std::atomic<int> torn{0};
    std::thread reader([&] {
        while (!stop.load()) {
            const float value = graph.evaluate(1, 3);
            if (value != 0.0f && value != 1.0f) torn.fetch_add(1);
        }
    });
    for (int i = 0; i < 20000; ++i) {
        const float y = (i % 2) ? 100.0f : 0.0f;
        graph.setPoints({{0, y}, {100, y}});
        graph.rebuild();
    }
    stop = true;
    reader.join();
    EXPECT_EQ(torn.load(), 0);
}

}  // namespace
}  // namespace fg
