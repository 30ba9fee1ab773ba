#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <atomic>
#include <cmath>
#include <limits>
#include <thread>
#include <vector>

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
    for (int k = 0; k <= 100; ++k) EXPECT_FLOAT_EQ(samples[static_cast<std::size_t>(k)], 100.0f - static_cast<float>(k)) << k;
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
    // Out of order with a shared x: sorted, and the two points at x = 50 keep
    // the order they were stored in.
    Graph shuffled = curveWith({{50, 90}, {100, 0}, {0, 0}, {50, 10}});
    EXPECT_EQ(shuffled.points(), (GraphPoints{{0, 0}, {50, 90}, {50, 10}, {100, 0}}));
    // A point with a value that is not a number is dropped; the rest stays.
    Graph holed = curveWith({{0, 20}, {30, NAN}, {60, INFINITY}, {100, 50}});
    EXPECT_EQ(holed.points(), (GraphPoints{{0, 20}, {100, 50}}));
    // Nothing usable left: the curve's initial points.
    Graph collapsed("r", true);
    collapsed.setPoints({{100, 3}, {120, 4}});  // both at x = 100: no width
    collapsed.rebuild();
    EXPECT_EQ(collapsed.samples(), rising);
    Graph notANumber("r", true);
    notANumber.setPoints({{0, NAN}, {100, 0}});
    notANumber.rebuild();
    EXPECT_EQ(notANumber.points(), (GraphPoints{{0, 100}, {100, 0}}));
}

TEST(GraphEqualX, PointsSharingAnXAreKeptAndMakeAVerticalJump) {
    // The curve editor makes such points: a new point at an existing x goes
    // after it. The later point's y wins at the shared x.
    const GraphPoints points{{0, 0}, {50, 10}, {50, 90}, {100, 0}};
    EXPECT_TRUE(curve::isWellFormed(points));
    const Graph jump = curveWith(points);
    EXPECT_EQ(jump.points(), points);
    const SampleArray samples = jump.samples();
    EXPECT_FLOAT_EQ(samples[0], 0.0f);
    EXPECT_FLOAT_EQ(samples[50], 90.0f);
    EXPECT_FLOAT_EQ(samples[100], 0.0f);
    // Left of the jump the curve rises towards 10, right of it it falls from 90.
    for (int k = 1; k < 50; ++k) EXPECT_LE(samples[static_cast<std::size_t>(k)], 11.0f) << k;
    for (int k = 51; k < 100; ++k) EXPECT_GE(samples[static_cast<std::size_t>(k)], 0.0f) << k;
    EXPECT_GE(samples[51], 80.0f);
    EXPECT_FLOAT_EQ(jump.evaluate(50, 100), 0.1f);

    // The order of the two points decides the side the jump lands on.
    const Graph reversed = curveWith({{0, 0}, {50, 90}, {50, 10}, {100, 0}});
    EXPECT_FLOAT_EQ(reversed.samples()[50], 10.0f);

    // At the ends: the later point's y is the end value.
    const Graph startJump = curveWith({{0, 0}, {0, 100}, {100, 100}});
    EXPECT_EQ(startJump.pointCount(), 3);
    EXPECT_FLOAT_EQ(startJump.evaluate(0, 10), 0.0f);
    const Graph endJump = curveWith({{0, 0}, {100, 0}, {100, 100}});
    EXPECT_EQ(endJump.pointCount(), 3);
    EXPECT_FLOAT_EQ(endJump.evaluate(10, 10), 0.0f);
    EXPECT_FLOAT_EQ(endJump.evaluate(5, 10), 1.0f);

    // Three points on one x, and the speed rule, walk the same way.
    const Graph triple = curveWith({{0, 50}, {40, 20}, {40, 70}, {40, 30}, {100, 50}}, true);
    EXPECT_EQ(triple.pointCount(), 5);
    EXPECT_FLOAT_EQ(triple.samples()[40], 30.0f);
}

TEST(GraphExtremes, FarOutPointsGiveFiniteSamplesAndFactors) {
    // |y| near the float limit overflows the tangents and the Bézier sums in
    // float; the rebuild must still give numbers, none beyond the points'
    // own range (smoothing spreads a stored y into its neighbours).
    constexpr float kBig = 3.4e38f;
    constexpr float kMax = std::numeric_limits<float>::max();
    const std::vector<GraphPoints> cases{
        {{0, 0}, {50, kBig}, {100, -kBig}},
        {{0, -kBig}, {30, 0}, {60, kBig}, {100, 0}},
        {{0, -kBig}, {25, kBig}, {25, -kBig}, {75, kBig}, {100, kBig}},
        {{0, 50}, {1, kBig}, {2, kBig}, {3, -kBig}, {100, 0}},
        {{0, 1e19f}, {50, -1e19f}, {100, 1e19f}},
        {{0, kMax}, {1, kMax}, {2, -kMax}, {3, kMax}, {100, kMax}},
    };
    for (bool speed : {false, true}) {
        for (const GraphPoints& points : cases) {
            float low = 0.0f;
            float high = 100.0f;
            for (const GraphPoint& p : points) {
                low = std::min(low, p.y);
                high = std::max(high, p.y);
            }
            const Graph graph = curveWith(points, speed);
            for (float sample : graph.samples()) {
                EXPECT_TRUE(sample >= low && sample <= high) << sample;
            }
            for (int span : {1, 7, 100, 1000, 3331}) {
                for (int position = 0; position <= span; ++position) {
                    EXPECT_TRUE(std::isfinite(graph.evaluate(position, span))) << position << "/" << span;
                }
            }
        }
    }
}

TEST(GraphExtremes, ATangentBetweenFarApartNeighboursKeepsItsDirection) {
    // The tangent at (60, 0) runs from (61, +3.4e38) to (10, -3.4e38): the
    // float difference is infinite. It points straight down, so the segment
    // from (10, -3.4e38) arrives at (60, 0) from below and clamps to 0. Sample
    // 59 is walked but never smoothed.
    constexpr float kBig = 3.4e38f;
    const Graph graph = curveWith({{0, 0}, {10, -kBig}, {60, 0}, {61, kBig}, {100, 0}});
    const SampleArray samples = graph.samples();
    EXPECT_FLOAT_EQ(samples[59], 0.0f);
    EXPECT_FLOAT_EQ(samples[60], 0.0f);
    EXPECT_FLOAT_EQ(samples[61], kBig);
}

TEST(GraphExtremes, NearestSaturatesInsteadOfOverflowing) {
    EXPECT_EQ(curve::nearest(2.5), 3);
    EXPECT_EQ(curve::nearest(-2.5), -3);
    EXPECT_EQ(curve::nearest(0.49), 0);
    EXPECT_EQ(curve::nearest(1e300), 2147483647);
    EXPECT_EQ(curve::nearest(-1e300), -2147483647 - 1);
    EXPECT_EQ(curve::nearest(NAN), 0);
}

TEST(GraphZero, ZeroSamplesEvaluateToTheConstantEverywhere) {
    // Zeros of both signs, as the rebuild and stored points can leave them.
    SampleArray zeros{};
    for (std::size_t i = 0; i < zeros.size(); i += 3) zeros[i] = -0.0f;
    ASSERT_TRUE(curve::isZero(zeros));
    const auto bits = [](float v) { return std::bit_cast<std::uint32_t>(v); };
    for (const bool speed : {false, true}) {
        for (int span : {-7, 0, 1, 2, 3, 7, 30, 99, 100, 101, 333, 1000, 65535, std::numeric_limits<int>::max()}) {
            for (int position : {-5, 0, 1, 2, 5, 17, 29, 50, 99, 100, 101, 332, 999, 1000, 5000}) {
                ASSERT_EQ(bits(curve::evaluateSamples(zeros, speed, position, span)), bits(curve::kZeroCurveFactor))
                    << "speed " << speed << " position " << position << " span " << span;
            }
        }
    }
    // The default plain curve is zero; any other value anywhere is not.
    EXPECT_TRUE(curve::isZero(Graph("g", false).samples()));
    EXPECT_FALSE(curve::isZero(Graph("g", true).samples()));
    SampleArray tiny = zeros;
    tiny[57] = std::numeric_limits<float>::denorm_min();
    EXPECT_FALSE(curve::isZero(tiny));
    tiny[57] = 0.0f;
    tiny[100] = 1.0f;
    EXPECT_FALSE(curve::isZero(tiny));
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

TEST(GraphConcurrency, SnapshotsAndCopiesAreWholeTables) {
    // The whole table read at once (the curve window, a copy for the worker)
    // while the editing thread republishes it: never part of each.
    SampleTable table;
    std::atomic<bool> stop{false};
    std::atomic<int> torn{0};
    std::atomic<int> reads{0};
    std::thread reader([&] {
        while (!stop.load()) {
            const SampleTable copy(table);
            for (const SampleArray& samples : {table.snapshot(), copy.snapshot()}) {
                if (std::any_of(samples.begin(), samples.end(), [&](float v) { return v != samples[0]; }))
                    torn.fetch_add(1);
            }
            reads.fetch_add(1);
        }
    });
    SampleArray zeros{};
    SampleArray hundreds{};
    hundreds.fill(100.0f);
    for (int i = 0; i < 20000 || reads.load() < 10; ++i) table.publish(i % 2 ? hundreds : zeros);
    stop = true;
    reader.join();
    EXPECT_EQ(torn.load(), 0);
}

}  // namespace
}  // namespace fg
