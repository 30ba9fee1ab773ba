// The gradient strip on the colour page and the size strip on the size page,
// on the real main window: adding, dragging, recolouring and removing stops
// with the mouse, the keyboard and the context menu, one history entry per
// gesture, copy and paste between nodes, and what the strips draw.

#include <QColorDialog>
#include <QMenu>
#include <QPushButton>
#include <QTranslator>
#include <algorithm>
#include <array>
#include <optional>

#include "PageTestSupport.h"
#include "model/NodeFields.h"
#include "text/Language.h"
#include "ui/HoverHelp.h"
#include "ui/pages/GradientStrip.h"

namespace fg {

inline void PrintTo(const GradientColour& c, std::ostream* out) {
    *out << "(" << c.red << ", " << c.green << ", " << c.blue << ", " << c.alpha << ")";
}

namespace {

bool hasJapanese(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x3000; });
}

class GradientStripTest : public test::PageTest {
protected:
    void SetUp() override {
        PageTest::SetUp();
        choose(Page::Color);
        strip = control<GradientStrip>("gradientStrip");
        ASSERT_NE(strip, nullptr);
    }

    // A point on the strip's colours and one on the markers' row.
    QPoint onStrip(float position) const { return {GradientStrip::xOf(position), GradientStrip::kTop + 10}; }
    QPoint onMarker(float position) const {
        return {GradientStrip::xOf(position), strip->markerRect().top() + GradientStrip::kMarkerHeight - 3};
    }

    void press(QPoint pos) { QTest::mousePress(strip, Qt::LeftButton, {}, pos); }
    void drag(QPoint pos) { test::moveMouse(strip, pos, Qt::LeftButton, {}); }
    void release(QPoint pos) { QTest::mouseRelease(strip, Qt::LeftButton, {}, pos); }

    // Every colour curve's point positions.
    std::array<std::vector<float>, 4> positions() {
        std::array<std::vector<float>, 4> found;
        for (std::size_t c = 0; c < 4; ++c) {
            for (const GraphPoint& p : node().curve(kGradientCurves[c]).points()) found[c].push_back(p.x);
        }
        return found;
    }
    bool allCurvesHavePointAt(float x) {
        for (const auto& curve : positions()) {
            if (std::find(curve.begin(), curve.end(), x) == curve.end()) return false;
        }
        return true;
    }
    bool anyCurveHasPointAt(float x) {
        for (const auto& curve : positions()) {
            if (std::find(curve.begin(), curve.end(), x) != curve.end()) return true;
        }
        return false;
    }
    GradientPoints gradientPoints() { return ColourGradient(node()).points(); }
    std::vector<GradientStop> stops() { return ColourGradient(node()).stops(); }
    std::string entryLabel() { return editor->history().entry(editor->history().index()).label.sourceText(); }
    std::string gradientLabel() { return node().m_name + "-カラー グラデーション"; }

    // A gradient written as the editor's command, not by the strip.
    void writeGradient(const std::vector<std::pair<float, GradientColour>>& colours) {
        ColourGradient gradient(node());
        for (const auto& [position, colour] : colours) {
            const int stop = gradient.addStop(position);
            ASSERT_TRUE(gradient.setColour(stop, colour));
        }
        editor->beginGradientEdit();
        editor->setGradientPoints(gradient.points());
    }

    // The context menu the strip opens at `pos`.
    QMenu* openMenu(QPoint pos) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos, strip->mapToGlobal(pos));
        QApplication::sendEvent(strip, &event);
        // A menu closed before may wait for its deletion: the open one.
        QMenu* open = nullptr;
        for (QMenu* menu : strip->findChildren<QMenu*>(QStringLiteral("gradientMenu"))) {
            if (menu->isVisible()) open = menu;
        }
        EXPECT_NE(open, nullptr);
        return open;
    }
    static QAction* item(QMenu* menu, const char* name) {
        for (QAction* action : menu->actions()) {
            if (action->objectName() == QLatin1String(name)) return action;
        }
        ADD_FAILURE() << name;
        return nullptr;
    }

    // Answers the next colour chooser with `colour` (OK) or cancels it.
    void answerChooser(std::optional<QColor> colour, bool* seen) {
        test::answerNextModal([colour, seen](QWidget* modal) {
            auto* chooser = qobject_cast<QColorDialog*>(modal);
            ASSERT_NE(chooser, nullptr);
            *seen = true;
            EXPECT_TRUE(chooser->testOption(QColorDialog::ShowAlphaChannel));
            if (colour) {
                chooser->setCurrentColor(*colour);
                chooser->accept();
            } else {
                chooser->reject();
            }
        });
    }

    QColor pixel(QPoint pos) { return strip->grab().toImage().pixelColor(pos); }

    GradientStrip* strip = nullptr;
};

TEST_F(GradientStripTest, AClickAddsAStopOnAllFourCurvesAsOneEntryThatUndoesAtOnce) {
    const GradientPoints before = gradientPoints();
    const int entries = editor->history().count();
    ASSERT_EQ(stops().size(), 2u);
    QTest::mouseClick(strip, Qt::LeftButton, {}, onStrip(40.0f));
    EXPECT_TRUE(allCurvesHavePointAt(40.0f));
    ASSERT_EQ(stops().size(), 3u);
    EXPECT_TRUE(stops()[1].complete);
    EXPECT_EQ(strip->selectedStop(), 1);
    EXPECT_EQ(editor->history().count(), entries + 1);
    EXPECT_EQ(entryLabel(), gradientLabel());
    EXPECT_TRUE(editor->isModified());

    editor->undo();
    EXPECT_EQ(gradientPoints(), before);
    EXPECT_FALSE(anyCurveHasPointAt(40.0f));
    EXPECT_EQ(strip->selectedStop(), -1);
    editor->redo();
    EXPECT_TRUE(allCurvesHavePointAt(40.0f));
}

TEST_F(GradientStripTest, ADragMovesTheStopAsOneEntryAndEndsStayPut) {
    const int entries = editor->history().count();
    // The press that adds the stop drags it on: one entry.
    press(onStrip(40.0f));
    drag(onStrip(45.0f));
    drag(onStrip(60.0f));
    release(onStrip(60.0f));
    EXPECT_TRUE(allCurvesHavePointAt(60.0f));
    EXPECT_FALSE(anyCurveHasPointAt(40.0f));
    EXPECT_FALSE(anyCurveHasPointAt(45.0f));
    EXPECT_EQ(editor->history().count(), entries + 1);
    const GradientPoints added = gradientPoints();

    // A press on its marker and a drag: another single entry.
    press(onMarker(60.0f));
    EXPECT_EQ(strip->selectedStop(), 1);
    drag(onMarker(20.0f));
    drag(onMarker(30.0f));
    release(onMarker(30.0f));
    EXPECT_TRUE(allCurvesHavePointAt(30.0f));
    EXPECT_FALSE(anyCurveHasPointAt(60.0f));
    EXPECT_EQ(editor->history().count(), entries + 2);
    EXPECT_EQ(entryLabel(), gradientLabel());

    // Undo brings all four curves back to where the first drag left them.
    editor->undo();
    EXPECT_EQ(gradientPoints(), added);

    // The end stops do not move; dragging one records nothing.
    const GradientPoints now = gradientPoints();
    press(onMarker(0.0f));
    EXPECT_EQ(strip->selectedStop(), 0);
    drag(onMarker(15.0f));
    release(onMarker(15.0f));
    EXPECT_EQ(gradientPoints(), now);
    EXPECT_EQ(editor->history().index(), entries);
}

TEST_F(GradientStripTest, ArrowKeysMoveTheSelectedMiddleStopAsOneEntry) {
    QTest::mouseClick(strip, Qt::LeftButton, {}, onStrip(40.0f));
    const int entries = editor->history().count();
    QTest::keyClick(strip, Qt::Key_Right);
    QTest::keyClick(strip, Qt::Key_Right);
    QTest::keyClick(strip, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_TRUE(allCurvesHavePointAt(47.0f));
    EXPECT_FALSE(anyCurveHasPointAt(40.0f));
    QTest::keyClick(strip, Qt::Key_Left);
    EXPECT_TRUE(allCurvesHavePointAt(46.0f));
    EXPECT_EQ(editor->history().count(), entries + 1);
    EXPECT_EQ(strip->selectedStop(), 1);
    editor->undo();
    EXPECT_TRUE(allCurvesHavePointAt(40.0f));
    EXPECT_FALSE(anyCurveHasPointAt(46.0f));


    // The end stops stay where they are.
    QTest::mouseClick(strip, Qt::LeftButton, {}, onMarker(0.0f));
    const GradientPoints ends = gradientPoints();
    QTest::keyClick(strip, Qt::Key_Right);
    EXPECT_EQ(gradientPoints(), ends);
}

TEST_F(GradientStripTest, DeleteRemovesAMiddleStopAndIsRefusedOnAnEnd) {
    QTest::mouseClick(strip, Qt::LeftButton, {}, onStrip(50.0f));
    ASSERT_TRUE(allCurvesHavePointAt(50.0f));
    EXPECT_TRUE(strip->hasFocus());
    const int entries = editor->history().count();
    QTest::keyClick(strip, Qt::Key_Delete);
    EXPECT_FALSE(anyCurveHasPointAt(50.0f));
    EXPECT_EQ(stops().size(), 2u);
    EXPECT_EQ(editor->history().count(), entries + 1);
    EXPECT_EQ(entryLabel(), gradientLabel());
    EXPECT_EQ(strip->selectedStop(), -1);

    // An end stop stays, by key and by menu.
    QTest::mouseClick(strip, Qt::LeftButton, {}, onMarker(100.0f));
    EXPECT_EQ(strip->selectedStop(), 1);
    const GradientPoints ends = gradientPoints();
    QTest::keyClick(strip, Qt::Key_Delete);
    EXPECT_EQ(gradientPoints(), ends);
    EXPECT_EQ(editor->history().count(), entries + 1);
    QMenu* menu = openMenu(onMarker(0.0f));
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(item(menu, "gradientRemove")->isEnabled());
    EXPECT_TRUE(item(menu, "gradientColour")->isEnabled());
    menu->close();

    // The menu removes a middle stop.
    QTest::mouseClick(strip, Qt::LeftButton, {}, onStrip(70.0f));
    ASSERT_TRUE(allCurvesHavePointAt(70.0f));
    menu = openMenu(onMarker(70.0f));
    ASSERT_NE(menu, nullptr);
    QAction* remove = item(menu, "gradientRemove");
    ASSERT_TRUE(remove->isEnabled());
    remove->trigger();
    EXPECT_FALSE(anyCurveHasPointAt(70.0f));
    EXPECT_EQ(editor->history().count(), entries + 3);
}

TEST_F(GradientStripTest, CopyOnOneNodeAndPasteOnAnotherGivesTheSameCurves) {
    writeGradient({{25.0f, {255, 200, 0, 255}}, {60.0f, {255, 90, 0, 200}}, {100.0f, {200, 0, 0, 0}}});
    const GradientPoints copied = gradientPoints();
    const std::int32_t first = node().m_ID;

    QMenu* menu = openMenu(onStrip(50.0f));
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(item(menu, "gradientPaste")->isEnabled());
    item(menu, "gradientCopy")->trigger();
    menu->close();

    ASSERT_EQ(editor->addBelow().outcome, TreeEditResult::Outcome::Done);
    ASSERT_NE(node().m_ID, first);
    EXPECT_NE(gradientPoints(), copied);
    const int entries = editor->history().count();
    menu = openMenu(onStrip(50.0f));
    ASSERT_NE(menu, nullptr);
    QAction* paste = item(menu, "gradientPaste");
    ASSERT_TRUE(paste->isEnabled());
    paste->trigger();
    EXPECT_EQ(gradientPoints(), copied);
    for (std::size_t c = 0; c < 4; ++c) {
        const int curve = kGradientCurves[c];
        const Node* source = editor->state().tree.findById(first);
        ASSERT_NE(source, nullptr);
        EXPECT_EQ(node().curve(curve).points(), source->curve(curve).points()) << curve;
        EXPECT_EQ(node().curve(curve).evaluate(37, 100), source->curve(curve).evaluate(37, 100)) << curve;
    }
    EXPECT_EQ(editor->history().count(), entries + 1);
    EXPECT_EQ(entryLabel(), gradientLabel());
}

TEST_F(GradientStripTest, TheStripShowsTheStopsColoursOverACheckerboard) {
    writeGradient({{30.0f, {255, 128, 0, 255}}, {0.0f, {20, 40, 60, 255}}, {100.0f, {0, 0, 255, 0}}});
    QApplication::processEvents();
    const QImage shot = strip->grab().toImage();
    EXPECT_EQ(shot.pixelColor(onStrip(30.0f)), QColor(255, 128, 0));
    EXPECT_EQ(shot.pixelColor(onStrip(0.0f)), QColor(20, 40, 60));
    // Fully transparent at the end: the checkerboard shows, light and dark.
    const int last = GradientStrip::xOf(100.0f);
    const QColor top = shot.pixelColor(last, GradientStrip::kTop + 1);
    const QColor lower = shot.pixelColor(last, GradientStrip::kTop + 8);
    EXPECT_EQ(top.red(), top.blue());
    EXPECT_NE(top, lower);
    // A complete stop's marker is filled with its colour.
    EXPECT_EQ(shot.pixelColor(onMarker(30.0f)), QColor(255, 128, 0));
}

TEST_F(GradientStripTest, AHandMadePointOnOneCurveIsAHollowStopUntilEdited) {
    GraphPoints red = node().curve(kCurveRed).points();
    red.insert(red.begin() + 1, GraphPoint{50.0f, 60.0f});
    editor->beginGraphEdit(kCurveRed);
    editor->setGraphPoints(kCurveRed, red);
    ASSERT_EQ(stops().size(), 3u);
    EXPECT_FALSE(stops()[1].complete);
    const QColor background = strip->palette().color(QPalette::Window);
    EXPECT_EQ(pixel(onMarker(50.0f)), background);

    // Its colour, chosen through the chooser, puts it on all four curves.
    press(onMarker(50.0f));
    release(onMarker(50.0f));
    EXPECT_EQ(strip->selectedStop(), 1);
    EXPECT_TRUE(red == node().curve(kCurveRed).points());
    bool seen = false;
    answerChooser(QColor(0, 255, 0, 255), &seen);
    strip->chooseColour(1);
    EXPECT_TRUE(seen);
    EXPECT_TRUE(stops()[1].complete);
    EXPECT_EQ(pixel(onMarker(50.0f)), QColor(0, 255, 0));
}

TEST_F(GradientStripTest, TheColourChooserWritesTheStopsColourWithItsOpacityAndCancelWritesNothing) {
    QTest::mouseClick(strip, Qt::LeftButton, {}, onStrip(40.0f));
    const int entries = editor->history().count();

    // A double-click on the marker opens the chooser.
    bool seen = false;
    answerChooser(QColor(10, 200, 30, 77), &seen);
    QTest::mouseDClick(strip, Qt::LeftButton, {}, onMarker(40.0f));
    EXPECT_TRUE(seen);
    ASSERT_EQ(stops().size(), 3u);
    EXPECT_EQ(stops()[1].colour, (GradientColour{10, 200, 30, 77}));
    EXPECT_EQ(editor->history().count(), entries + 1);
    EXPECT_EQ(entryLabel(), gradientLabel());

    // Cancel writes nothing.
    const GradientPoints chosen = gradientPoints();
    seen = false;
    answerChooser(std::nullopt, &seen);
    QTest::mouseDClick(strip, Qt::LeftButton, {}, onMarker(40.0f));
    EXPECT_TRUE(seen);
    EXPECT_EQ(gradientPoints(), chosen);
    EXPECT_EQ(editor->history().count(), entries + 1);

    // The page's button does the same for the selected stop.
    auto* button = control<QPushButton>("gradientColourButton");
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->isEnabled());
    seen = false;
    answerChooser(QColor(255, 255, 255, 0), &seen);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(seen);
    EXPECT_EQ(stops()[1].colour, (GradientColour{255, 255, 255, 0}));
    EXPECT_EQ(editor->history().count(), entries + 2);
}

TEST_F(GradientStripTest, TheStripFollowsTheSelectedNodeAndEditsFromElsewhere) {
    QTest::mouseClick(strip, Qt::LeftButton, {}, onStrip(40.0f));
    ASSERT_EQ(strip->selectedStop(), 1);
    auto* button = control<QPushButton>("gradientColourButton");
    EXPECT_TRUE(button->isEnabled());
    ASSERT_EQ(editor->addBelow().outcome, TreeEditResult::Outcome::Done);
    EXPECT_EQ(strip->selectedStop(), -1);
    EXPECT_FALSE(button->isEnabled());

    // A curve changed elsewhere shows at once.
    editor->beginGraphEdit(kCurveGreen);
    editor->setGraphPoints(kCurveGreen, {{0.0f, 100.0f}, {100.0f, 100.0f}});
    editor->beginGraphEdit(kCurveBlue);
    editor->setGraphPoints(kCurveBlue, {{0.0f, 100.0f}, {100.0f, 100.0f}});
    EXPECT_EQ(pixel(onStrip(50.0f)), QColor(255, 0, 0));
}

TEST_F(GradientStripTest, TheSizePageShowsTheOverallSizeOverLifeAndTakesNoEdits) {
    choose(Page::Size);
    auto* size = control<GradientStrip>("sizeStrip");
    ASSERT_NE(size, nullptr);
    EXPECT_EQ(size->mode(), GradientStrip::Mode::Size);
    // Full size at birth, none at death.
    editor->beginGraphEdit(kCurveSize);
    editor->setGraphPoints(kCurveSize, {{0.0f, 0.0f}, {100.0f, 100.0f}});
    const QImage shot = size->grab().toImage();
    const QRect band = size->stripRect();
    const QColor full = shot.pixelColor(band.left(), band.top());
    const QColor empty = shot.pixelColor(band.right(), band.top());
    EXPECT_NE(full, empty);
    EXPECT_EQ(shot.pixelColor(band.right(), band.bottom()), empty);
    EXPECT_EQ(shot.pixelColor(band.left(), band.bottom()), full);
    // Halfway, half the height.
    const int middle = band.left() + GradientStrip::kColumns / 2;
    EXPECT_EQ(shot.pixelColor(middle, band.bottom() - 2), full);
    EXPECT_EQ(shot.pixelColor(middle, band.top() + 2), empty);

    const int entries = editor->history().count();
    QTest::mouseClick(size, Qt::LeftButton, {}, QPoint(middle, band.center().y()));
    EXPECT_EQ(editor->history().count(), entries);
    EXPECT_TRUE(size->findChildren<QMenu*>().isEmpty());

    // The trail's size page shows it too.
    editor->editInt(*findNodeField("m_shape.type"), kShapeTrail);
    choose(Page::Size);
    EXPECT_EQ(page()->objectName(), QString("trailSizePage"));
    EXPECT_NE(control<GradientStrip>("sizeStrip"), nullptr);
}

TEST(GradientStripTexts, AreEnglishWithTheEnglishTexts) {
    const std::unique_ptr<QTranslator> english = text::installLanguage(text::Language::English);
    ASSERT_NE(english, nullptr);
    test::ScratchHome home;
    std::unique_ptr<Editor> editor = test::makeEditor(nullptr);
    GradientStrip colour(*editor, GradientStrip::Mode::Colour, nullptr);
    GradientStrip size(*editor, GradientStrip::Mode::Size, nullptr);
    for (const GradientStrip* strip : {&colour, &size}) {
        const QString help = HoverHelp::helpText(strip);
        EXPECT_FALSE(help.isEmpty());
        EXPECT_FALSE(hasJapanese(help)) << help.toStdString();
    }
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(50, 10), QPoint(50, 10));
    QApplication::sendEvent(&colour, &event);
    auto* menu = colour.findChild<QMenu*>(QStringLiteral("gradientMenu"));
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(hasJapanese(menu->title()));
    for (const QAction* action : menu->actions()) {
        EXPECT_FALSE(hasJapanese(action->text())) << action->text().toStdString();
    }
    menu->close();
}

}  // namespace
}  // namespace fg
