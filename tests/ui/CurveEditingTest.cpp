// The curve window's point rules and the direction picker's angle rules,
// apart from the widgets.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "ui/pages/CurveDrawing.h"
#include "ui/pages/CurveEditing.h"
#include "ui/pages/DirectionAngles.h"
#include "ui/pages/ParameterPage.h"

#include <algorithm>
#include <limits>
#include <ostream>

namespace fg {

inline void PrintTo(const GraphPoint& point, std::ostream* out) { *out << "(" << point.x << ", " << point.y << ")"; }

namespace {

TEST(CurveMapping, InvertsTheDrawingOfAMarkerCentre) {
    const CurveMapping mapping{208, 108};  // 2 and 1 pixels per unit
    EXPECT_EQ(mapping.toX(4), 0);
    EXPECT_EQ(mapping.toX(4 + 2 * 37), 37);
    EXPECT_EQ(mapping.toY(4 + 61), 61);
    EXPECT_EQ(mapping.toX(204), 100);
    EXPECT_DOUBLE_EQ(mapping.markerLeft(37), 74.0);
    EXPECT_DOUBLE_EQ(mapping.markerTop(61), 61.0);
}

TEST(CurvePress, PicksNearPointsAndSortsNewOnesIn) {
    const GraphPoints start{{0, 20}, {50, 50}, {100, 80}};
    CurvePress near = pressCurve(start, 55, 53);
    EXPECT_EQ(near.selected, 1);
    EXPECT_FALSE(near.added);
    EXPECT_EQ(near.points, start);

    CurvePress added = pressCurve(start, 70, 10);
    EXPECT_TRUE(added.added);
    EXPECT_EQ(added.selected, 2);
    EXPECT_EQ(added.points, (GraphPoints{{0, 20}, {50, 50}, {70, 10}, {100, 80}}));

    // Beyond the ends: the end points, whatever the height.
    EXPECT_EQ(pressCurve(start, 130, 0).selected, 2);
    EXPECT_EQ(pressCurve(start, -30, 99).selected, 0);
    EXPECT_FALSE(pressCurve(start, -30, 99).added);
    EXPECT_FALSE(pressCurve(start, 130, 0).added);
    EXPECT_EQ(pressCurve(start, 0, 99).selected, 0);
    // Above or below the grid a new point stays on it.
    CurvePress below = pressCurve(start, 25, 140);
    EXPECT_EQ(below.points[1], (GraphPoint{25, 100}));
    CurvePress above = pressCurve(start, 25, -40);
    EXPECT_EQ(above.points[1], (GraphPoint{25, 0}));
}

TEST(CurvePress, ANewPointAtAnExistingXGoesAfterIt) {
    const GraphPoints start{{0, 0}, {50, 90}, {100, 0}};
    CurvePress press = pressCurve(start, 50, 10);
    EXPECT_EQ(press.points, (GraphPoints{{0, 0}, {50, 90}, {50, 10}, {100, 0}}));
    EXPECT_EQ(press.selected, 2);
}

TEST(CurveDrag, EndsKeepTheirXAndMiddlePointsStayInsideTheirNeighbours) {
    const GraphPoints base{{0, 10}, {40, 50}, {60, 50}, {100, 30}};
    GraphPoints points = base;
    dragCurvePoint(points, base, 0, 30, 70, false);
    EXPECT_EQ(points[0], (GraphPoint{0, 70}));
    dragCurvePoint(points, base, 3, 20, -5, false);
    EXPECT_EQ(points[3], (GraphPoint{100, 0}));
    points = base;
    dragCurvePoint(points, base, 1, 75, 50, false);
    EXPECT_EQ(points[1], (GraphPoint{59, 50}));
    dragCurvePoint(points, base, 1, -3, 50, false);
    EXPECT_EQ(points[1], (GraphPoint{1, 50}));
}

TEST(CurveDrag, AllPointsMoveByTheDraggedPointsChangeWithinTheGrid) {
    const GraphPoints base{{0, 10}, {50, 50}, {100, 95}};
    GraphPoints points = base;
    dragCurvePoint(points, base, 1, 50, 30, true);
    EXPECT_EQ(points, (GraphPoints{{0, 0}, {50, 30}, {100, 75}}));
    dragCurvePoint(points, base, 1, 50, 60, true);
    EXPECT_EQ(points, (GraphPoints{{0, 20}, {50, 60}, {100, 100}}));
    dragCurvePoint(points, base, 1, 50, 60, false);
    EXPECT_EQ(points, (GraphPoints{{0, 10}, {50, 60}, {100, 95}}));
}

TEST(CurveRightPress, DeletesOnlyNearMiddlePoints) {
    const GraphPoints points{{0, 10}, {50, 50}, {100, 30}};
    EXPECT_EQ(pointToDelete(points, 53, 45), 1);
    EXPECT_EQ(pointToDelete(points, 50, 60), -1);  // 10 units away
    EXPECT_EQ(pointToDelete(points, 0, 10), -1);
    EXPECT_EQ(pointToDelete(points, 100, 30), -1);
}

TEST(DirectionAngles, PointAtTheCursorAndNormalisePerView) {
    EXPECT_FLOAT_EQ(angleTowards({0, -10}), 0.0f);
    EXPECT_FLOAT_EQ(angleTowards({10, 0}), 90.0f);
    EXPECT_FLOAT_EQ(angleTowards({0, 10}), 180.0f);
    EXPECT_FLOAT_EQ(angleTowards({-10, 0}), 270.0f);
    EXPECT_FLOAT_EQ(angleTowards({-10, -10}), -45.0f);
    EXPECT_FLOAT_EQ(topViewAngle(-45.0f), 315.0f);
    EXPECT_FLOAT_EQ(topViewAngle(200.0f), 200.0f);
    EXPECT_FLOAT_EQ(sideViewAngle(-45.0f), 0.0f);
    EXPECT_FLOAT_EQ(sideViewAngle(250.0f), 180.0f);
    EXPECT_FLOAT_EQ(snappedTo45(22.4f), 0.0f);
    EXPECT_FLOAT_EQ(snappedTo45(22.5f), 45.0f);
    EXPECT_FLOAT_EQ(snappedTo45(350.0f), 360.0f);
}

TEST(Tenths, ShownTruncatedAndStoredAsTyped) {
    EXPECT_EQ(ParameterPage::tenthsOf(1.2f), 12);
    EXPECT_EQ(ParameterPage::tenthsOf(-0.35f), -3);
    EXPECT_EQ(ParameterPage::tenthsOf(0.7f), 7);
    EXPECT_FLOAT_EQ(ParameterPage::fromTenths(12), 1.2f);
    EXPECT_EQ(ParameterPage::tenthsOf(ParameterPage::fromTenths(-999)), -999);
    EXPECT_EQ(ParameterPage::tenthsOf(std::numeric_limits<float>::quiet_NaN()), 0);
}

}  // namespace
}  // namespace fg

namespace fg {
namespace {

TEST(CurvePictures, ThumbnailAndWindowDrawTheSamplesWhereTheMappingSays) {
    Graph flat("flat", false);  // every sample 0: a line along the top
    QImage thumbnail(108, 58, QImage::Format_ARGB32);
    {
        QPainter painter(&thumbnail);
        drawCurveThumbnail(painter, flat, thumbnail.size(), QColor(40, 40, 40));
    }
    EXPECT_EQ(thumbnail.pixelColor(50, 4), QColor(Qt::white));
    EXPECT_EQ(thumbnail.pixelColor(50, 30), QColor(40, 40, 40));

    GraphSpeed speed("speed");
    speed.setPoints({{0, 100}, {100, 100}});  // -1 all along: a line along the bottom
    speed.rebuild();
    QImage window(208, 108, QImage::Format_ARGB32);
    {
        QPainter painter(&window);
        drawCurve(painter, speed, window.size(), -1);
    }
    EXPECT_EQ(window.pixelColor(50, 104), QColor(Qt::white));   // the curve at y 100
    EXPECT_EQ(window.pixelColor(50, 54), QColor(80, 80, 80));   // the zero line
    EXPECT_EQ(window.pixelColor(50, 30), QColor(50, 50, 50));   // the canvas
    // The dragged point's guide lines.
    {
        QPainter painter(&window);
        drawCurve(painter, speed, window.size(), 0);
    }
    EXPECT_EQ(window.pixelColor(4, 30), QColor(180, 180, 180));

    EXPECT_EQ(curveValueLabel(flat, 25.7f), 75);
    EXPECT_EQ(curveValueLabel(speed, 25.7f), 50);
    EXPECT_EQ(curveValueLabel(speed, 100.0f), -100);
    EXPECT_EQ(curveHeightForValue(flat, 75), 25);
    EXPECT_EQ(curveHeightForValue(speed, -100), 100);
    EXPECT_EQ(curveHeightForValue(speed, 37), 32);  // no half units: 36
    EXPECT_EQ(curveHeightForValue(speed, -37), 68);
}

TEST(CurvePictures, TheGridLiesUnderTheSpeedCurvesZeroLineAndItsLabelsNeedRoom) {
    GraphSpeed speed("speed");
    speed.setPoints({{0, 100}, {100, 100}});
    speed.rebuild();
    CurveLook look;
    look.grid = true;
    QImage window(208, 108, QImage::Format_ARGB32);
    {
        QPainter painter(&window);
        drawCurve(painter, speed, window.size(), look);
    }
    const QColor canvas(50, 50, 50);
    EXPECT_EQ(window.pixelColor(150, 54), QColor(80, 80, 80));  // the zero line, over the grid's
    const QColor vertical = window.pixelColor(124, 30);  // x 60
    const QColor horizontal = window.pixelColor(150, 34);  // y 30
    EXPECT_NE(vertical, canvas);
    EXPECT_EQ(vertical, horizontal);
    EXPECT_LT(vertical.value(), 80);
    EXPECT_EQ(window.pixelColor(134, 30), canvas);

    // Labels: bright text left of the grid, none on a canvas too small.
    const auto labelPixels = [&](QSize size) {
        QImage image(size, QImage::Format_ARGB32);
        QPainter painter(&image);
        drawCurve(painter, speed, size, look);
        painter.end();
        int bright = 0;
        for (int y = 0; y < size.height() - 10; ++y) {
            for (int x = 0; x < std::min(40, size.width()); ++x) bright += image.pixelColor(x, y).value() > 100 ? 1 : 0;
        }
        return bright;
    };
    EXPECT_GT(labelPixels(QSize(400, 400)), 50);
    EXPECT_EQ(labelPixels(QSize(40, 40)), 0);
}

}  // namespace
}  // namespace fg
