// Every control of every parameter page is made from its row of the
// node-field table: its name is the row's key and its range, entries and
// kind follow the row.

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <limits>
#include <map>
#include <set>
#include <string>

#include "PageTestSupport.h"
#include "model/NodeFields.h"
#include "ui/pages/NumberField.h"

namespace fg {
namespace {

using test::PageTest;

// The row a control stands for: its name is the key (a radio's "key:i").
const NodeField* rowNamed(const QObject* control) {
    const QString name = control->objectName();
    const NodeField* row = findNodeField(name.section(QLatin1Char(':'), 0, 0).toStdString());
    if (row == nullptr) ADD_FAILURE() << "no row for " << name.toStdString();
    return row;
}

class PageRowsTest : public PageTest {
protected:
    // Checks the current page's controls against their rows and notes the keys.
    void checkControls() {
        for (const NumberField* field : page()->findChildren<NumberField*>()) {
            const NodeField* found = rowNamed(field);
            if (found == nullptr) continue;
            const NodeField& row = *found;
            EXPECT_EQ(field->lowest(), row.minimum) << row.key;
            EXPECT_EQ(field->highest(), row.maximum) << row.key;
            EXPECT_NE(row.unit, FieldUnit::Flag) << row.key;
            EXPECT_NE(row.unit, FieldUnit::Choice) << row.key;
            shown.insert(row.key);
        }
        for (const QCheckBox* box : page()->findChildren<QCheckBox*>()) {
            const NodeField* found = rowNamed(box);
            if (found == nullptr) continue;
            const NodeField& row = *found;
            EXPECT_EQ(row.unit, FieldUnit::Flag) << row.key;
            shown.insert(row.key);
        }
        // A list with a fixed number of entries has one per value of its range.
        for (const QComboBox* box : page()->findChildren<QComboBox*>()) {
            const NodeField* found = rowNamed(box);
            if (found == nullptr) continue;
            const NodeField& row = *found;
            EXPECT_EQ(row.unit, FieldUnit::Choice) << row.key;
            if (row.maximum != std::numeric_limits<std::int32_t>::max()) {
                EXPECT_EQ(box->count(), row.maximum - row.minimum + 1) << row.key;
            }
            shown.insert(row.key);
        }
        std::map<std::string, int> radios;
        for (const QRadioButton* button : page()->findChildren<QRadioButton*>()) {
            const NodeField* found = rowNamed(button);
            if (found == nullptr) continue;
            const NodeField& row = *found;
            EXPECT_EQ(row.unit, FieldUnit::Choice) << row.key;
            ++radios[row.key];
        }
        for (const auto& [key, count] : radios) {
            const NodeField& row = *findNodeField(key);
            EXPECT_EQ(count, row.maximum - row.minimum + 1) << key;
            shown.insert(key);
        }
    }

    std::set<std::string> shown;
};

TEST_F(PageRowsTest, EveryControlTakesItsRangeAndKindFromItsRow) {
    for (int i = 0; i < kPageCount; ++i) {
        choose(static_cast<Page>(i));
        checkControls();
    }
    editor->editInt(nodeField(FieldId::ShapeType), kShapeTrail);
    choose(Page::Size);
    ASSERT_NE(page()->findChild<QWidget*>(QStringLiteral("m_scale.trailLength")), nullptr);
    checkControls();

    // Every stored parameter has a control, but the name, the visibility and
    // the ID (the node panel's) and the two directions (the direction box's).
    for (const NodeField& row : nodeFields()) {
        const bool elsewhere = row.id == FieldId::Name || row.id == FieldId::IsDraw || row.id == FieldId::Id ||
                               row.id == FieldId::MoveDirX || row.id == FieldId::MoveDirY;
        EXPECT_EQ(shown.count(row.key) == 1, !elsewhere) << row.key;
    }
}

TEST_F(PageRowsTest, TheRowsGiveThePagesTheirRangesAndTenths) {
    choose(Page::Rotate);
    EXPECT_EQ(control<NumberField>("m_rotate.angle")->highest(), 99999);
    choose(Page::Image);
    EXPECT_EQ(control<NumberField>("m_texture.speed")->lowest(), 1);
    EXPECT_EQ(control<NumberField>("m_texture.speed")->highest(), 64);
    choose(Page::Move);
    EXPECT_EQ(control<NumberField>("m_move.oneway_err")->highest(), 360);
    // The attraction point is whole units, the emitter's position tenths.
    node().m_move.absorbPos.x = 12.0f;
    node().m_emitter.pos.x = 1.2f;
    emit editor->documentChanged(DocumentPart::Page);
    EXPECT_EQ(control<QSpinBox>("m_move.absorbPos.x")->value(), 12);
    choose(Page::Source);
    EXPECT_EQ(control<QSpinBox>("m_emitter.pos.x")->value(), 12);
    EXPECT_EQ(control<NumberField>("m_emitter.pos.x")->lowest(), -999);
    // The texture list's first entry, "なし", stores the row's minimum.
    choose(Page::Image);
    QComboBox* textures = control<QComboBox>("m_texture.ID");
    node().m_texture.ID = 5;
    emit editor->documentChanged(DocumentPart::Page);
    textures->setFocus();
    QTest::keyClick(textures, Qt::Key_Home);
    EXPECT_EQ(node().m_texture.ID, -1);
}

}  // namespace
}  // namespace fg
