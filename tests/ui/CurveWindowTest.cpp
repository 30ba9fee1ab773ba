// The curve window and the curve buttons on real widgets: pressing,
// dragging and right-clicking points, the copy and paste menu, and the
// direction picker's drag.

#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <set>
#include <cmath>

#include "PageTestSupport.h"
#include "app/Editor.h"
#include "ui/pages/CurveNumbers.h"
#include "ui/pages/CurveThumbnail.h"
#include "ui/pages/CurveWindow.h"
#include "ui/pages/DirectionPicker.h"

namespace fg {
namespace {

// A curve window 230 wide and as high as gives its canvas, above the
// numbers, 200 x 200: a curve unit is 1.92 pixels.
class CurveWindowTest : public test::PageTest {
protected:
    static constexpr int kWindowHeight = 200 + CurveWindow::kCanvasOffset + CurveWindow::kNumbersHeight;

    void SetUp() override {
        PageTest::SetUp();
        choose(Page::Color);
        curveWindow = open(kCurveRed);
    }

    CurveWindow* open(int index) {
        QTest::mouseClick(control<CurveThumbnail>(qPrintable(QStringLiteral("curve%1").arg(index))), Qt::LeftButton);
        CurveWindow* opened = host().curveWindow();
        EXPECT_NE(opened, nullptr);
        if (opened == nullptr) return nullptr;
        EXPECT_EQ(opened->graphNumber(), index);
        opened->resize(230, kWindowHeight);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(opened));
        return opened;
    }

    // The window position over curve point (x, y).
    static QPoint at(double x, double y) {
        const auto pixel = [](double v) { return static_cast<int>(std::ceil(192.0 * v / 100.0)); };
        return {CurveWindow::kCanvasOffset + 4 + pixel(x), CurveWindow::kCanvasOffset + 4 + pixel(y)};
    }

    GraphPoints points(int index = kCurveRed) { return node().curve(index).points(); }

    void setPoints(const GraphPoints& list, int index = kCurveRed) {
        editor->setGraphPoints(index, list);
        editor->setModified(false);
    }

    void press(QPoint pos) { QTest::mousePress(curveWindow, Qt::LeftButton, {}, pos); }
    void drag(QPoint pos, Qt::KeyboardModifiers modifiers = {}) {
        test::moveMouse(curveWindow, pos, Qt::LeftButton, modifiers);
    }
    void release(QPoint pos) { QTest::mouseRelease(curveWindow, Qt::LeftButton, {}, pos); }

    QMenu* openMenu() { return curveWindow->findChild<QMenu*>(QStringLiteral("curveMenu")); }

    QSpinBox* positionField() { return curveWindow->numbers()->positionField(); }
    QSpinBox* valueField() { return curveWindow->numbers()->valueField(); }
    QLabel* readout() { return curveWindow->findChild<QLabel*>(QStringLiteral("curveReadout")); }

    // Types `number` over a field's number and presses Enter.
    void enter(QSpinBox* field, int number) {
        typeInto(field, qPrintable(QString::number(number)));
        QTest::keyClick(field, Qt::Key_Return);
    }

    // Picks point (x, y) with a click: it becomes the current point.
    void pick(const GraphPoint& point) {
        press(at(point.x, point.y));
        release(at(point.x, point.y));
    }

    // Right-clicks the first point and triggers the window's checkable item.
    void toggleFromMenu(const char* name) {
        QTest::mouseClick(curveWindow, Qt::RightButton, {}, at(0, points()[0].y));
        QMenu* menu = openMenu();
        ASSERT_NE(menu, nullptr);
        auto* item = menu->findChild<QAction*>(QString::fromUtf8(name));
        ASSERT_NE(item, nullptr);
        EXPECT_TRUE(item->isCheckable());
        item->trigger();
        menu->close();
    }

    QColor pixel(QPoint canvasPos) {
        return curveWindow->grab().toImage().pixelColor(canvasPos + curveWindow->canvasRect().topLeft());
    }

    CurveWindow* curveWindow = nullptr;
};

TEST_F(CurveWindowTest, OneWindowAtATimeNamedAfterItsCurveWithinItsSizeLimits) {
    EXPECT_EQ(curveWindow->windowTitle(), QString("カラー【赤】"));
    QPointer<CurveWindow> first = curveWindow;
    CurveWindow* second = open(kCurveOpacity);
    QApplication::processEvents();
    EXPECT_TRUE(first.isNull() || !first->isVisible());
    EXPECT_EQ(second->windowTitle(), QString("カラー【不透明度】"));
    EXPECT_EQ(second->minimumSize(), QSize(50, 50));
    EXPECT_EQ(second->maximumSize(), QSize(999, 999));
    second->resize(400, 300);
    // The numbers take the bottom margin's place.
    EXPECT_EQ(second->canvasRect(), QRect(15, 15, 370, 300 - 15 - CurveWindow::kNumbersHeight));
    // Too low for them, the window is all canvas within its margin.
    second->resize(400, CurveWindow::kNumbersMinimumHeight - 1);
    EXPECT_EQ(second->canvasRect(), QRect(15, 15, 370, CurveWindow::kNumbersMinimumHeight - 31));
    // Escape closes it.
    QPointer<CurveWindow> watched = second;
    QTest::keyClick(second, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_TRUE(watched.isNull() || !watched->isVisible());
}

TEST_F(CurveWindowTest, APressAtEitherEndPicksThatEndsPoint) {
    setPoints({{0, 30}, {50, 50}, {100, 70}});
    press(QPoint(3, at(0, 80).y()));  // in the margin left of the canvas
    EXPECT_EQ(curveWindow->selectedPoint(), 0);
    release(QPoint(3, at(0, 80).y()));
    EXPECT_EQ(curveWindow->selectedPoint(), -1);

    press(QPoint(curveWindow->width() - 3, at(0, 5).y()));  // beyond the right end
    EXPECT_EQ(curveWindow->selectedPoint(), 2);
    release(QPoint(curveWindow->width() - 3, at(0, 5).y()));
    EXPECT_EQ(points(), (GraphPoints{{0, 30}, {50, 50}, {100, 70}}));
    EXPECT_FALSE(editor->isModified());
}

TEST_F(CurveWindowTest, ANewPointStaysUnderTheCursorWhenTheDragBegins) {
    press(at(37, 61));
    EXPECT_EQ(points(), (GraphPoints{{0, 0}, {37, 61}, {100, 0}}));
    EXPECT_EQ(curveWindow->selectedPoint(), 1);
    drag(at(37, 61));
    EXPECT_EQ(points(), (GraphPoints{{0, 0}, {37, 61}, {100, 0}}));
    drag(at(40, 20));
    release(at(40, 20));
    EXPECT_EQ(points(), (GraphPoints{{0, 0}, {40, 20}, {100, 0}}));
    EXPECT_TRUE(editor->isModified());
}

TEST_F(CurveWindowTest, EndPointsMoveOnlyUpAndDown) {
    press(at(0, 0));
    drag(at(30, 40));
    release(at(30, 40));
    press(at(100, 0));
    drag(at(60, 70));
    drag(at(60, 130));  // below the canvas: y stops at 100
    release(at(60, 130));
    EXPECT_EQ(points(), (GraphPoints{{0, 40}, {100, 100}}));
}

TEST_F(CurveWindowTest, AMiddlePointStopsOneUnitBeforeItsNeighbours) {
    setPoints({{0, 0}, {30, 50}, {60, 50}, {100, 0}});
    press(at(30, 50));
    drag(at(80, 50));
    EXPECT_EQ(points()[1], (GraphPoint{59, 50}));
    drag(at(-10, 50));
    EXPECT_EQ(points()[1], (GraphPoint{1, 50}));
    release(at(-10, 50));
    EXPECT_EQ(points().size(), 4u);
}

TEST_F(CurveWindowTest, ShiftMovesEveryPointWithTheDraggedOneEachStoppingAtTheTop) {
    setPoints({{0, 10}, {50, 50}, {100, 30}});
    press(at(50, 50));
    drag(at(50, 30), Qt::ShiftModifier);
    EXPECT_EQ(points(), (GraphPoints{{0, 0}, {50, 30}, {100, 10}}));
    // Letting go of Shift puts the others back.
    drag(at(50, 35));
    EXPECT_EQ(points(), (GraphPoints{{0, 10}, {50, 35}, {100, 30}}));
    release(at(50, 35));
}

TEST_F(CurveWindowTest, RightClickDeletesAMiddlePointAndOpensTheMenuOnAnEnd) {
    setPoints({{0, 10}, {50, 50}, {100, 30}});
    QTest::mouseClick(curveWindow, Qt::RightButton, {}, at(52, 48));
    EXPECT_EQ(points(), (GraphPoints{{0, 10}, {100, 30}}));
    EXPECT_TRUE(editor->isModified());
    EXPECT_EQ(openMenu(), nullptr);

    QTest::mouseClick(curveWindow, Qt::RightButton, {}, at(0, 10));
    QMenu* menu = openMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    // The curve's own items, then what the window shows (after a separator).
    ASSERT_EQ(menu->actions().size(), 6);
    EXPECT_EQ(menu->actions()[0]->text(), QString("コピー"));
    EXPECT_EQ(menu->actions()[1]->text(), QString("貼り付け"));
    EXPECT_EQ(menu->actions()[2]->text(), QString("プリセット"));
    EXPECT_TRUE(menu->actions()[3]->isSeparator());
    EXPECT_EQ(menu->actions()[4]->text(), QString("グリッドを表示"));
    EXPECT_EQ(menu->actions()[5]->text(), QString("他の色のグラフを表示"));
    EXPECT_TRUE(menu->actions()[0]->isEnabled());
    EXPECT_FALSE(menu->actions()[1]->isEnabled());  // nothing copied yet
    EXPECT_EQ(points().size(), 2u);
    menu->close();
}

TEST_F(CurveWindowTest, CopyOnOneCurveAndPasteOnAnother) {
    setPoints({{0, 10}, {40, 80}, {100, 30}});
    QTest::mouseClick(curveWindow, Qt::RightButton, {}, at(100, 30));
    ASSERT_NE(openMenu(), nullptr);
    openMenu()->actions()[0]->trigger();
    openMenu()->close();

    curveWindow = open(kCurveGreen);
    const GraphPoints greenBefore = points(kCurveGreen);
    const int entries = editor->history().count();
    QTest::mouseClick(curveWindow, Qt::RightButton, {}, at(0, 0));
    QMenu* menu = openMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(menu->actions()[1]->isEnabled());
    menu->actions()[1]->trigger();
    EXPECT_EQ(points(kCurveGreen), (GraphPoints{{0, 10}, {40, 80}, {100, 30}}));
    EXPECT_EQ(node().curve(kCurveGreen).samples(), node().curve(kCurveRed).samples());
    EXPECT_TRUE(editor->isModified());
    // The paste is one entry, and undo brings the old points back.
    EXPECT_EQ(editor->history().count(), entries + 1);
    editor->undo();
    EXPECT_EQ(points(kCurveGreen), greenBefore);
}

TEST_F(CurveWindowTest, APresetFromTheMenuGivesItsShapeAsOneEntryThatUndoTakesBack) {
    setPoints({{0, 10}, {40, 80}, {100, 30}});
    const GraphPoints before = points();
    const int entries = editor->history().count();
    QTest::mouseClick(curveWindow, Qt::RightButton, {}, at(0, 10));
    ASSERT_NE(openMenu(), nullptr);
    auto* presets = openMenu()->findChild<QMenu*>(QStringLiteral("curvePresets"));
    ASSERT_NE(presets, nullptr);
    ASSERT_EQ(presets->actions().size(), 7);
    EXPECT_EQ(presets->actions()[3]->text(), QString("イーズイン"));
    presets->actions()[3]->trigger();
    EXPECT_EQ(points(), presetPoints(CurvePreset::EaseIn));
    EXPECT_EQ(editor->history().count(), entries + 1);
    EXPECT_TRUE(editor->isModified());
    editor->undo();
    EXPECT_EQ(points(), before);
}

TEST_F(CurveWindowTest, TheCurveButtonsCopyAndPasteToo) {
    setPoints({{0, 90}, {100, 20}}, kCurveBlue);
    auto* blue = control<CurveThumbnail>("curve7");
    auto* opacity = control<CurveThumbnail>("curve8");
    QContextMenuEvent onBlue(QContextMenuEvent::Mouse, QPoint(5, 5), blue->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(blue, &onBlue);
    auto* menu = blue->findChild<QMenu*>(QStringLiteral("curveMenu"));
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(menu->actions()[1]->isEnabled());
    menu->actions()[0]->trigger();
    menu->close();

    QContextMenuEvent onOpacity(QContextMenuEvent::Mouse, QPoint(5, 5), opacity->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(opacity, &onOpacity);
    menu = opacity->findChild<QMenu*>(QStringLiteral("curveMenu"));
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(menu->actions()[1]->isEnabled());
    menu->actions()[1]->trigger();
    EXPECT_EQ(points(kCurveOpacity), (GraphPoints{{0, 90}, {100, 20}}));
}

// For each point and place: a drag there and the numbers of that place
// typed into the fields (the position only where it can be typed) leave
// the same points.
TEST_F(CurveWindowTest, NumericEntryAndDragAgree) {
    const GraphPoints start{{0, 10}, {30, 50}, {60, 40}, {100, 30}};
    struct Place {
        int point, position, value;
    };
    for (const Place place : {Place{1, 45, 72}, Place{1, 80, 5}, Place{2, 10, 0}, Place{2, 61, 100},
                              Place{0, 70, 64}, Place{3, 20, 33}}) {
        SCOPED_TRACE(testing::Message() << place.point << " to " << place.position << ", " << place.value);
        const GraphPoint from = start[static_cast<std::size_t>(place.point)];
        setPoints(start);
        press(at(from.x, from.y));
        drag(at(place.position, 100 - place.value));
        release(at(place.position, 100 - place.value));
        const GraphPoints dragged = points();
        ASSERT_NE(dragged, start);

        setPoints(start);
        pick(from);
        ASSERT_EQ(curveWindow->currentPoint(), place.point);
        const bool end = place.point == 0 || place.point == 3;
        EXPECT_EQ(positionField()->isEnabled(), !end);
        ASSERT_TRUE(valueField()->isEnabled());
        EXPECT_EQ(valueField()->value(), 100 - static_cast<int>(from.y));
        if (!end) enter(positionField(), place.position);
        enter(valueField(), place.value);
        EXPECT_EQ(points(), dragged);
        // The fields show where the point landed.
        const GraphPoint landed = dragged[static_cast<std::size_t>(place.point)];
        EXPECT_EQ(positionField()->value(), static_cast<int>(landed.x));
        EXPECT_EQ(valueField()->value(), 100 - static_cast<int>(landed.y));
    }
}

TEST_F(CurveWindowTest, EachTypedNumberIsOneEntryThatUndoTakesBackWithTheFields) {
    EXPECT_FALSE(positionField()->isEnabled());  // no point picked yet
    EXPECT_FALSE(valueField()->isEnabled());
    setPoints({{0, 10}, {50, 50}, {100, 30}});
    pick({50, 50});
    const int entries = editor->history().count();
    enter(valueField(), 80);
    EXPECT_EQ(points(), (GraphPoints{{0, 10}, {50, 20}, {100, 30}}));
    EXPECT_EQ(editor->history().count(), entries + 1);
    enter(positionField(), 35);
    EXPECT_EQ(points(), (GraphPoints{{0, 10}, {35, 20}, {100, 30}}));
    EXPECT_EQ(editor->history().count(), entries + 2);
    // Enter on an unchanged number is no edit.
    QTest::keyClick(positionField(), Qt::Key_Return);
    EXPECT_EQ(editor->history().count(), entries + 2);

    editor->undo();
    EXPECT_EQ(points(), (GraphPoints{{0, 10}, {50, 20}, {100, 30}}));
    EXPECT_EQ(curveWindow->currentPoint(), 1);
    EXPECT_EQ(positionField()->value(), 50);
    editor->undo();
    EXPECT_EQ(points(), (GraphPoints{{0, 10}, {50, 50}, {100, 30}}));
    EXPECT_EQ(valueField()->value(), 50);
    editor->redo();
    EXPECT_EQ(valueField()->value(), 80);

    // A drag moves the numbers with the point.
    press(at(50, 20));
    drag(at(62, 44));
    EXPECT_EQ(positionField()->value(), 62);
    EXPECT_EQ(valueField()->value(), 56);
    release(at(62, 44));

    // Another node has no current point.
    editor->addChild();
    EXPECT_EQ(curveWindow->currentPoint(), -1);
    EXPECT_FALSE(valueField()->isEnabled());
    EXPECT_FALSE(positionField()->isEnabled());
}

TEST_F(CurveWindowTest, TheSpeedCurvesValuesRunFromMinus100AndStayOnTheGrid) {
    choose(Page::Move);
    curveWindow = open(kCurveSpeed);
    ASSERT_NE(curveWindow, nullptr);
    EXPECT_EQ(valueField()->minimum(), -100);
    setPoints({{0, 50}, {50, 50}, {100, 50}}, kCurveSpeed);
    // A drag to -36 (y 68), and -37 typed: no half units.
    press(at(50, 50));
    drag(at(50, 68));
    release(at(50, 68));
    const GraphPoints dragged = points(kCurveSpeed);
    EXPECT_EQ(dragged[1], (GraphPoint{50, 68}));
    setPoints({{0, 50}, {50, 50}, {100, 50}}, kCurveSpeed);
    pick({50, 50});
    EXPECT_EQ(valueField()->value(), 0);
    enter(valueField(), -37);
    EXPECT_EQ(points(kCurveSpeed), dragged);
    EXPECT_EQ(valueField()->value(), -36);
}

TEST_F(CurveWindowTest, TheReadOutShowsTheCurvePositionUnderTheMouseUntilItLeaves) {
    ASSERT_NE(readout(), nullptr);
    EXPECT_TRUE(readout()->text().isEmpty());
    // Wide enough for the words: the canvas is 670 wide (a unit 6.62 pixels).
    curveWindow->resize(700, kWindowHeight);
    QApplication::processEvents();
    const QPoint over(CurveWindow::kCanvasOffset + 4 + 245, at(0, 38).y());  // (37, 38)
    test::moveMouse(curveWindow, over, Qt::NoButton, {});
    EXPECT_EQ(readout()->text(), QString("位置 37％  値 62％"));
    test::moveMouse(curveWindow, QPoint(curveWindow->width() - 3, 5), Qt::NoButton, {});  // in the margin
    EXPECT_EQ(readout()->text(), QString("位置 100％  値 100％"));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(curveWindow, &leave);
    EXPECT_TRUE(readout()->text().isEmpty());

    // Narrow, the numbers go without their words, or not at all.
    curveWindow->resize(230, kWindowHeight);
    QApplication::processEvents();
    test::moveMouse(curveWindow, at(37, 38), Qt::NoButton, {});
    const QString narrow = readout()->text();
    EXPECT_TRUE(narrow == QString("37％, 62％") || narrow.isEmpty()) << narrow.toStdString();
    // Made wide again, the words come back.
    curveWindow->resize(700, kWindowHeight);
    QApplication::processEvents();
    EXPECT_EQ(readout()->text(), QString("位置 37％  値 62％"));
}

// The green curve's window with the red one flat at y 25 (canvas row 52)
// and the green one at y 75.
TEST_F(CurveWindowTest, TheOtherColourCurvesAndTheGridShowFaintlyUntilTurnedOff) {
    curveWindow = open(kCurveGreen);
    ASSERT_NE(curveWindow, nullptr);
    setPoints({{0, 25}, {100, 25}}, kCurveRed);
    setPoints({{0, 75}, {100, 75}}, kCurveGreen);
    QApplication::processEvents();
    const QColor canvas(50, 50, 50);
    const QPoint onRed(70, 52);
    const QPoint onGrid(100, 30);  // the vertical line at 50
    const QColor red = pixel(onRed);
    EXPECT_GT(red.red(), 140);
    EXPECT_LT(red.green(), 100);
    EXPECT_LT(red.blue(), 100);
    const QColor grid = pixel(onGrid);
    EXPECT_NE(grid, canvas);
    EXPECT_LT(grid.value(), 80);  // faint

    toggleFromMenu("curveOthersToggle");
    EXPECT_FALSE(curveWindow->options().otherCurves);
    EXPECT_EQ(pixel(onRed), canvas);
    EXPECT_EQ(pixel(onGrid), grid);

    toggleFromMenu("curveGridToggle");
    EXPECT_FALSE(curveWindow->options().grid);
    EXPECT_EQ(pixel(onGrid), canvas);

    // The next curve window keeps the choice.
    curveWindow = open(kCurveBlue);
    EXPECT_FALSE(curveWindow->options().grid);
    EXPECT_FALSE(curveWindow->options().otherCurves);
}

class DirectionPickerTest : public test::PageTest {
protected:
    DirectionPicker* openPicker() {
        choose(Page::Move);
        auto* box = control<QWidget>("directionBox");
        QTest::mouseClick(box, Qt::LeftButton);
        return page()->findChild<DirectionPicker*>();
    }
};

TEST_F(DirectionPickerTest, OpensOnlyWithOneDirectionAndShiftSnapsTheSideViewTo45) {
    EXPECT_EQ(openPicker(), nullptr);  // "一方向" is not checked
    clickBox(control<QCheckBox>("m_move.isOneWay"));
    ASSERT_EQ(node().m_move.isOneWay, 1);
    DirectionPicker* picker = openPicker();
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(picker->windowTitle(), QString("移動方向"));
    EXPECT_EQ(picker->findChild<QLabel*>("sideAngle")->text(), QString("90°"));

    DirectionView* side = picker->sideView();
    const QPointF centre = QRectF(side->rect()).center();
    QTest::mousePress(side, Qt::LeftButton, Qt::ShiftModifier, centre.toPoint() + QPoint(0, -50));
    std::vector<float> seen;
    for (int step = 0; step < 36; ++step) {
        const double radians = step * 10.0 * 3.14159265358979 / 180.0;
        const QPoint pos = (centre + QPointF(50 * std::cos(radians), 50 * std::sin(radians))).toPoint();
        test::moveMouse(side, pos, Qt::LeftButton, Qt::ShiftModifier);
        seen.push_back(node().m_move.dirX);
    }
    QTest::mouseRelease(side, Qt::LeftButton, Qt::ShiftModifier, centre.toPoint());
    std::set<float> values(seen.begin(), seen.end());
    EXPECT_EQ(values, (std::set<float>{0, 45, 90, 135, 180}));

    // Without Shift the angle follows the cursor: down and to the right is 135.
    QTest::mousePress(side, Qt::LeftButton, {}, (centre + QPointF(30, 30)).toPoint());
    EXPECT_FLOAT_EQ(node().m_move.dirX, 135.0f);
    test::moveMouse(side, (centre + QPointF(40, 10)).toPoint(), Qt::LeftButton, {});
    EXPECT_GT(node().m_move.dirX, 100.0f);
    EXPECT_LT(node().m_move.dirX, 110.0f);
    QTest::mouseRelease(side, Qt::LeftButton, {}, centre.toPoint());
    EXPECT_EQ(picker->findChild<QLabel*>("sideAngle")->text(),
              QStringLiteral("%1°").arg(static_cast<int>(node().m_move.dirX)));

    // The view from above runs all the way round: up and to the left is 315.
    DirectionView* top = picker->topView();
    QTest::mouseClick(top, Qt::LeftButton, {}, (QRectF(top->rect()).center() + QPointF(-30, -30)).toPoint());
    EXPECT_FLOAT_EQ(node().m_move.dirY, 315.0f);

    // Unchecking "一方向" closes the picker.
    QPointer<DirectionPicker> watched = picker;
    clickBox(control<QCheckBox>("m_move.isOneWay"));
    QApplication::processEvents();
    EXPECT_TRUE(watched.isNull() || !watched->isVisible());
}

}  // namespace
}  // namespace fg
