// The parameter pages on the real main window: what they show, what a user's
// changes store in the selected node, the enabling rules, the material lists
// and that filling a page never edits.

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QWheelEvent>
#include <cstdlib>
#include <functional>

#include "PageTestSupport.h"
#include "ui/HoverHelp.h"
#include "ui/StatusPanel.h"
#include "ui/pages/CurveThumbnail.h"

namespace fg {
namespace {

using test::PageTest;

TEST_F(PageTest, TheSpawnPageShowsAtStartAndEveryTabMakesItsPage) {
    EXPECT_EQ(page()->objectName(), QString("timingPage"));
    const std::vector<std::pair<Page, QString>> pages{
        {Page::Source, "emitterPage"}, {Page::Spawn, "timingPage"}, {Page::Kill, "killPage"},
        {Page::Shape, "shapePage"},    {Page::Image, "texturePage"}, {Page::Color, "colorPage"},
        {Page::Move, "movePage"},      {Page::Rotate, "rotatePage"}, {Page::Size, "sizePage"},
    };
    for (const auto& [which, name] : pages) {
        choose(which);
        EXPECT_EQ(page()->objectName(), name);
        EXPECT_TRUE(page()->isVisible());
        EXPECT_TRUE(window->tabPanel()->selector()->tab(which)->isCurrent());
        int shown = 0;
        for (const ParameterPage* made : window->tabPanel()->pageArea()->findChildren<ParameterPage*>()) {
            shown += made->isVisible() ? 1 : 0;
        }
        EXPECT_EQ(shown, 1);
    }
    // Filling pages, choosing them again, reloading and selecting never edit.
    choose(Page::Size);
    emit editor->documentChanged(DocumentPart::Page);
    emit editor->documentChanged(DocumentPart::Selection);
    emit editor->documentChanged(DocumentPart::Materials);
    EXPECT_FALSE(editor->isModified());
}

// Every node of a real project on every page: the pages show its values and
// nothing is edited by showing them.
TEST_F(PageTest, FillingEveryPageForEveryNodeOfAProjectEditsNothing) {
    const char* source = std::getenv("FULGRANE3D_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    ASSERT_TRUE(editor->document().openInPlace(std::string(source) + "/resources/samples/fire.nbx"));
    ASSERT_FALSE(editor->isModified());
    std::vector<Node*> nodes;
    std::function<void(Node&)> collect = [&](Node& parent) {
        for (const auto& child : parent.m_children) {
            nodes.push_back(child.get());
            collect(*child);
        }
    };
    editor->changeDocument({}, [&](EditorState& g) { collect(g.tree.root()); });
    ASSERT_GE(nodes.size(), 2u);
    for (Node* shown : nodes) {
        editor->changeDocument(DocumentPart::Selection, [shown](EditorState& g) { g.tree.select(shown); });
        for (int i = 0; i < kPageCount; ++i) choose(static_cast<Page>(i));
        choose(Page::Kill);
        EXPECT_EQ(control<QSpinBox>("m_kill.span")->value(), shown->m_kill.span);
        choose(Page::Source);
        EXPECT_EQ(control<QSpinBox>("m_emitter.size.x")->value(), ParameterPage::tenthsOf(shown->m_emitter.size.x));
        EXPECT_EQ(control<QComboBox>("m_emitter.type")->currentIndex(), shown->m_emitter.type);
    }
    EXPECT_FALSE(editor->isModified());
}

TEST_F(PageTest, PositionInTenthsStoredAsWorldUnitsAndShownAgain) {
    choose(Page::Source);
    auto* x = control<QSpinBox>("m_emitter.pos.x");
    typeInto(x, "12");
    QTest::keyClick(x, Qt::Key_Return);
    EXPECT_FLOAT_EQ(node().m_emitter.pos.x, 1.2f);
    EXPECT_TRUE(editor->isModified());

    typeInto(control<QSpinBox>("m_emitter.size.z"), "35");
    EXPECT_FLOAT_EQ(node().m_emitter.size.z, 3.5f);

    choose(Page::Shape);
    choose(Page::Source);
    EXPECT_EQ(control<QSpinBox>("m_emitter.pos.x")->text(), QString("12"));
    EXPECT_EQ(control<QSpinBox>("m_emitter.size.z")->text(), QString("35"));
}

TEST_F(PageTest, KeystrokesInOneFieldEndWithTheTypedValue) {
    choose(Page::Spawn);
    auto* end = control<QSpinBox>("m_timing.end");
    const std::int32_t before = node().m_timing.end;
    const int entries = editor->history().count();
    typeInto(end, "125");
    QTest::keyClick(end, Qt::Key_Backspace);
    QTest::keyClicks(end, "0");
    EXPECT_EQ(node().m_timing.end, 120);
    // Leaving the field keeps it.
    control<QSpinBox>("m_timing.num")->setFocus();
    EXPECT_EQ(node().m_timing.end, 120);
    EXPECT_EQ(end->text(), QString("120"));

    // Every keystroke merged into one history entry; undo brings back the
    // value from before the first one, and the page shows it.
    ASSERT_EQ(editor->history().count(), entries + 1);
    editor->undo();
    EXPECT_EQ(node().m_timing.end, before);
    EXPECT_EQ(control<QSpinBox>("m_timing.end")->value(), before);
    editor->redo();
    EXPECT_EQ(node().m_timing.end, 120);
}

TEST_F(PageTest, TextThatIsNoNumberNeverReachesTheNode) {
    choose(Page::Spawn);
    auto* often = control<QSpinBox>("m_timing.often");
    typeInto(often, "7");
    ASSERT_EQ(node().m_timing.often, 7);

    typeInto(often, "x-");  // a refused letter and a sign that is no number yet
    EXPECT_EQ(node().m_timing.often, 7);
    QTest::keyClick(often, Qt::Key_Return);
    EXPECT_EQ(often->text(), QString("7"));

    // A sign alone and an empty field are put back to the stored value.
    typeInto(often, "-");
    QTest::keyClick(often, Qt::Key_Return);
    EXPECT_EQ(often->text(), QString("7"));
    typeInto(often, "");
    QTest::keyClick(often, Qt::Key_Backspace);
    QTest::keyClick(often, Qt::Key_Return);
    EXPECT_EQ(often->text(), QString("7"));
    EXPECT_EQ(node().m_timing.often, 7);
}

// What is typed is taken whole, stored within the range at once and shown
// within it when the field is committed (Enter or leaving it).
TEST_F(PageTest, TypedNumbersOutsideTheRangeAreClampedOnCommit) {
    choose(Page::Spawn);
    auto* end = control<QSpinBox>("m_timing.end");  // 1 … 999
    typeInto(end, "1000");
    EXPECT_EQ(end->text(), QString("1000"));  // no keystroke refused
    EXPECT_EQ(node().m_timing.end, 999);
    QTest::keyClick(end, Qt::Key_Return);
    EXPECT_EQ(end->text(), QString("999"));
    EXPECT_EQ(node().m_timing.end, 999);

    auto* num = control<QSpinBox>("m_timing.num");  // 0 … 100
    typeInto(num, "150");
    EXPECT_EQ(node().m_timing.num, 100);
    QTest::keyClick(num, Qt::Key_Return);
    EXPECT_EQ(num->text(), QString("100"));
    typeInto(num, "-5");
    EXPECT_EQ(node().m_timing.num, 0);
    control<QSpinBox>("m_timing.often")->setFocus();  // leaving commits too
    EXPECT_EQ(num->text(), QString("0"));

    auto* often = control<QSpinBox>("m_timing.often");  // 1 … 999
    typeInto(often, "0");
    QTest::keyClick(often, Qt::Key_Return);
    EXPECT_EQ(node().m_timing.often, 1);
    EXPECT_EQ(often->text(), QString("1"));

    // A signed range takes the sign; its ends hold too.
    choose(Page::Source);
    auto* x = control<QSpinBox>("m_emitter.pos.x");  // -999 … 999 tenths
    typeInto(x, "-35");
    QTest::keyClick(x, Qt::Key_Return);
    EXPECT_FLOAT_EQ(node().m_emitter.pos.x, -3.5f);
    typeInto(x, "-12345");
    QTest::keyClick(x, Qt::Key_Return);
    EXPECT_FLOAT_EQ(node().m_emitter.pos.x, -99.9f);
    EXPECT_EQ(x->text(), QString("-999"));
}

// A stored value outside a field's range (a file may hold one) is shown as
// it is and stays until the user changes that field.
TEST_F(PageTest, AStoredValueOutsideTheRangeIsShownAndKept) {
    node().m_timing.num = 300;
    node().m_move.speed = 1500;
    node().m_emitter.size.x = -2.0f;
    choose(Page::Spawn);
    auto* num = control<QSpinBox>("m_timing.num");
    EXPECT_EQ(num->text(), QString("300"));
    // Entering and leaving the field, Enter, another field's edit: no change.
    num->setFocus();
    QTest::keyClick(num, Qt::Key_Return);
    typeInto(control<QSpinBox>("m_timing.num_err"), "20");
    control<QSpinBox>("m_timing.often")->setFocus();
    EXPECT_EQ(node().m_timing.num, 300);
    EXPECT_EQ(num->text(), QString("300"));
    choose(Page::Move);
    EXPECT_EQ(control<QSpinBox>("m_move.speed")->text(), QString("1500"));
    choose(Page::Source);
    EXPECT_EQ(control<QSpinBox>("m_emitter.size.x")->text(), QString("-20"));
    EXPECT_EQ(node().m_move.speed, 1500);
    EXPECT_FLOAT_EQ(node().m_emitter.size.x, -2.0f);

    // The arrows step into the range: down from 300 is its top end, and up
    // goes no further.
    choose(Page::Spawn);
    num = control<QSpinBox>("m_timing.num");
    num->stepUp();
    EXPECT_EQ(node().m_timing.num, 300);
    num->stepDown();
    EXPECT_EQ(node().m_timing.num, 100);
    EXPECT_EQ(num->text(), QString("100"));
    num->stepUp();
    EXPECT_EQ(node().m_timing.num, 100);
}

TEST_F(PageTest, TheWheelOverAFieldStepsIt) {
    choose(Page::Kill);
    auto* span = control<QSpinBox>("m_kill.span");
    const QPoint middle = span->rect().center();
    QWheelEvent up(QPointF(middle), QPointF(span->mapToGlobal(middle)), QPoint(), QPoint(0, 120), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(span, &up);
    EXPECT_EQ(node().m_kill.span, 61);
    EXPECT_EQ(span->text(), QString("61"));
}

TEST_F(PageTest, TheSphereDisablesEvenIntervalAndKeepsItsCheck) {
    choose(Page::Source);
    auto* type = control<QComboBox>("m_emitter.type");
    auto* even = control<QCheckBox>("m_emitter.isEvenInterval");
    EXPECT_EQ(type->count(), 6);
    EXPECT_EQ(type->currentIndex(), 5);  // 直方体
    EXPECT_FALSE(even->isEnabled());
    pickEntry(type, 1);  // 円（水平）
    EXPECT_EQ(node().m_emitter.type, 1);
    ASSERT_TRUE(even->isEnabled());
    clickBox(even);
    ASSERT_EQ(node().m_emitter.isEvenInterval, 1);

    pickEntry(type, 2);
    EXPECT_EQ(type->currentText(), QString("球"));
    EXPECT_EQ(node().m_emitter.type, 2);
    EXPECT_FALSE(even->isEnabled());
    EXPECT_TRUE(even->isChecked());
    EXPECT_EQ(node().m_emitter.isEvenInterval, 1);

    // The percentage field follows "任意".
    auto* err = control<QSpinBox>("m_emitter.err");
    EXPECT_FALSE(err->isEnabled());
    clickBox(control<QRadioButton>("m_emitter.scope:2"));
    EXPECT_EQ(node().m_emitter.scope, 2);
    EXPECT_TRUE(err->isEnabled());
}

TEST_F(PageTest, AtTheParentsDeathThePeriodFieldsAreDisabled) {
    choose(Page::Spawn);
    const std::vector<QSpinBox*> periodic{control<QSpinBox>("m_timing.start"), control<QSpinBox>("m_timing.end"),
                                         control<QSpinBox>("m_timing.often"),
                                         control<QSpinBox>("m_timing.often_err")};
    for (QSpinBox* field : periodic) EXPECT_TRUE(field->isEnabled());
    clickBox(control<QRadioButton>("m_timing.type:2"));
    EXPECT_EQ(node().m_timing.type, 2);
    for (QSpinBox* field : periodic) EXPECT_FALSE(field->isEnabled()) << field->objectName().toStdString();
    EXPECT_TRUE(control<QSpinBox>("m_timing.num")->isEnabled());
    EXPECT_TRUE(control<QSpinBox>("m_timing.num_err")->isEnabled());

    // Disabled when the page opens on such a node, too.
    choose(Page::Kill);
    choose(Page::Spawn);
    EXPECT_FALSE(control<QSpinBox>("m_timing.start")->isEnabled());
    clickBox(control<QRadioButton>("m_timing.type:0"));
    EXPECT_EQ(node().m_timing.type, 0);
    for (const char* name : {"m_timing.start", "m_timing.end", "m_timing.often", "m_timing.often_err"}) {
        EXPECT_TRUE(control<QSpinBox>(name)->isEnabled()) << name;
    }
}

TEST_F(PageTest, KillFrameAndAnimationChecksEnableTheirFields) {
    choose(Page::Kill);
    auto* frame = control<QSpinBox>("m_kill.frame");
    EXPECT_FALSE(frame->isEnabled());
    clickBox(control<QCheckBox>("m_kill.isFrame"));
    EXPECT_EQ(node().m_kill.isFrame, 1);
    EXPECT_TRUE(frame->isEnabled());
    EXPECT_TRUE(control<QSpinBox>("m_kill.frame_err")->isEnabled());

    choose(Page::Image);
    auto* cells = control<QSpinBox>("m_texture.w");
    EXPECT_FALSE(cells->isEnabled());
    EXPECT_FALSE(control<QCheckBox>("m_texture.isLoop")->isEnabled());
    clickBox(control<QCheckBox>("m_texture.isAnim"));
    EXPECT_TRUE(cells->isEnabled());
    EXPECT_TRUE(control<QCheckBox>("m_texture.isLoop")->isEnabled());
    clickBox(control<QRadioButton>("m_texture.isAdd:1"));
    EXPECT_EQ(node().m_texture.isAdd, 1);
}

void touch(const std::string& workDir, const char* name) {
    QFile file(QString::fromStdString(workDir + "/" + name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("v 0 0 0\n");
}

TEST_F(PageTest, ShapeAndTextureListsComeFromTheMaterials) {
    const std::string& workDir = editor->state().workDir;
    touch(workDir, "rock.obj");
    touch(workDir, "leaf.obj");
    touch(workDir, "spark.png");
    emit editor->documentChanged(DocumentPart::Materials);

    choose(Page::Shape);
    auto* shapes = control<QComboBox>("m_shape.type");
    ASSERT_EQ(shapes->count(), 7);
    EXPECT_EQ(shapes->itemText(4), QString("軌跡"));
    EXPECT_EQ(shapes->itemText(5), QString("leaf"));
    EXPECT_EQ(shapes->itemText(6), QString("rock"));
    pickEntry(shapes, 5);
    EXPECT_EQ(node().m_shape.type, 5);

    choose(Page::Image);
    auto* textures = control<QComboBox>("m_texture.ID");
    ASSERT_EQ(textures->count(), 2);
    EXPECT_EQ(textures->itemText(0), QString("なし"));
    EXPECT_EQ(textures->currentIndex(), 0);
    pickEntry(textures, 1);
    EXPECT_EQ(node().m_texture.ID, 0);
    pickEntry(textures, 0);
    EXPECT_EQ(node().m_texture.ID, -1);
}

TEST_F(PageTest, TheTrailShapeSwapsInTheTrailSizePage) {
    choose(Page::Shape);
    pickEntry(control<QComboBox>("m_shape.type"), 4);
    ASSERT_EQ(node().m_shape.type, 4);
    choose(Page::Size);
    EXPECT_EQ(page()->objectName(), QString("trailSizePage"));
    typeInto(control<QSpinBox>("m_scale.trailLength"), "25");
    EXPECT_EQ(node().m_scale.trailLength, 25);
    clickBox(control<QRadioButton>("m_scale.trailThickChange:1"));
    EXPECT_EQ(node().m_scale.trailThickChange, 1);

    // A cylinder's size curves are its radii and length.
    choose(Page::Shape);
    pickEntry(control<QComboBox>("m_shape.type"), 3);
    choose(Page::Size);
    EXPECT_EQ(page()->objectName(), QString("sizePage"));
    EXPECT_EQ(control<CurveThumbnail>("curve0")->text(), QString("底半径"));
    EXPECT_EQ(control<CurveThumbnail>("curve2")->text(), QString("長さ"));
    EXPECT_EQ(HoverHelp::helpText(control<CurveThumbnail>("curve1")), QString("円柱の上面の半径の変化。"));

    // Undoing the shape elsewhere and reloading gives the page of the kind the node has now.
    node().m_shape.type = 4;
    emit editor->documentChanged(DocumentPart::Page);
    EXPECT_EQ(page()->objectName(), QString("trailSizePage"));
}

TEST_F(PageTest, APageFollowsTheSelectedNodeAndReloadsWithoutEditing) {
    choose(Page::Kill);
    auto* span = control<QSpinBox>("m_kill.span");
    EXPECT_EQ(span->value(), 60);
    // Another node takes the selection.
    Node* added = nullptr;
    editor->changeDocument(DocumentPart::Selection, [&added](EditorState& g) {
        added = &g.tree.root().insertChild(1, std::make_unique<Node>(&g.tree.root(), 7));
        added->m_kill.span = 240;
        g.tree.select(added);
    });
    Node& second = *added;
    EXPECT_EQ(control<QSpinBox>("m_kill.span")->value(), 240);
    // A value changed behind the page (undo) shows after the reload.
    second.m_kill.span = 90;
    emit editor->documentChanged(DocumentPart::Page);
    EXPECT_EQ(control<QSpinBox>("m_kill.span")->value(), 90);

    // Values a field cannot show exactly are shown, not rewritten.
    second.m_emitter.pos.x = 0.55f;
    second.m_move.speed = 1500;
    choose(Page::Source);
    EXPECT_EQ(control<QSpinBox>("m_emitter.pos.x")->value(), 5);
    choose(Page::Move);
    EXPECT_EQ(control<QSpinBox>("m_move.speed")->value(), 1500);
    EXPECT_FLOAT_EQ(second.m_emitter.pos.x, 0.55f);
    EXPECT_EQ(second.m_move.speed, 1500);
    EXPECT_FALSE(editor->isModified());
}

TEST_F(PageTest, RotationAnglesTakeFiveDigitsAndMoveFieldsStoreAsTyped) {
    choose(Page::Rotate);
    typeInto(control<QSpinBox>("m_rotate.angle"), "72000");
    EXPECT_EQ(node().m_rotate.angle, 72000);
    pickEntry(control<QComboBox>("m_rotate.revAxis"), 4);
    EXPECT_EQ(node().m_rotate.revAxis, 4);

    choose(Page::Move);
    typeInto(control<QSpinBox>("m_move.absorbPos.y"), "-35");
    EXPECT_FLOAT_EQ(node().m_move.absorbPos.y, -35.0f);
    typeInto(control<QSpinBox>("m_move.absorbPawer"), "12");
    EXPECT_FLOAT_EQ(node().m_move.absorbPawer, 12.0f);
    typeInto(control<QSpinBox>("m_move.gravity"), "-5");
    EXPECT_EQ(node().m_move.gravity, -5);
}

TEST_F(PageTest, ControlsCarryTheirHelpTexts) {
    choose(Page::Source);
    auto* x = control<QSpinBox>("m_emitter.pos.x");
    auto* text = x->findChild<QLineEdit*>();
    ASSERT_NE(text, nullptr);
    // The mouse enters the field and then the text inside it.
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(x, &enter);
    QApplication::sendEvent(text, &enter);
    EXPECT_EQ(window->statusPanel()->helpText(), QString("発生する範囲の中心位置（左右）。"));

    QApplication::sendEvent(control<QCheckBox>("m_emitter.isEvenInterval"), &enter);
    EXPECT_EQ(window->statusPanel()->helpText(),
              QString("パーティクルを等間隔で発生させる。形状が「円（垂直）」「円（水平）」のときのみ選択可。"));
    choose(Page::Color);
    EXPECT_EQ(HoverHelp::helpText(control<CurveThumbnail>("curve8")), QString("パーティクルの透明具合を設定。"));
    EXPECT_EQ(control<CurveThumbnail>("curve8")->text(), QString(" 不透明度"));
    choose(Page::Spawn);
    EXPECT_EQ(HoverHelp::helpText(control<QRadioButton>("m_timing.type:2")),
              QString("親パーティクルが消滅する時に、このパーティクルを発生させる。"));
}

}  // namespace
}  // namespace fg
