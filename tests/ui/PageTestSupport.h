#pragma once
// The real main window with its parameter pages, and what a user does with
// them: choosing a page, typing into a field, picking a list entry.

#include <QAbstractButton>
#include <QComboBox>
#include <QMouseEvent>
#include <QSpinBox>

#include "UiTestSupport.h"
#include "model/Node.h"
#include "ui/PageSelector.h"
#include "ui/TabPanel.h"
#include "ui/pages/PageHost.h"
#include "ui/pages/ParameterPage.h"

namespace fg {

// Curve points in failure messages as (x, y).
inline void PrintTo(const GraphPoint& point, std::ostream* out) { *out << "(" << point.x << ", " << point.y << ")"; }

}  // namespace fg

namespace fg::test {

class PageTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        showActive();
    }

    Node& node() { return *editor->state().tree.selected(); }
    PageHost& host() { return *window->pageHost(); }
    ParameterPage* page() { return host().currentPage(); }

    // Clicks the page's tab.
    void choose(Page which) {
        QTest::mouseClick(window->tabPanel()->selector()->tab(which), Qt::LeftButton);
        ASSERT_NE(page(), nullptr);
    }

    template <class T>
    T* control(const char* name) {
        T* found = page()->findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // Selects the whole text of the field and types `text` over it.
    void typeInto(QSpinBox* field, const char* text) {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, text);
    }

    // Clicks a check box or radio button on its box, as a user does.
    void clickBox(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }

    // Moves the list to entry `index` with the arrow keys, as a user does.
    void pickEntry(QComboBox* list, int index) {
        list->setFocus();
        if (list->currentIndex() < 0) QTest::keyClick(list, Qt::Key_Home);
        while (list->currentIndex() < index) QTest::keyClick(list, Qt::Key_Down);
        while (list->currentIndex() > index) QTest::keyClick(list, Qt::Key_Up);
    }
};

// A mouse move with buttons and modifiers (Shift held while dragging).
inline void moveMouse(QWidget* widget, QPoint pos, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    QMouseEvent move(QEvent::MouseMove, QPointF(pos), QPointF(widget->mapToGlobal(pos)), Qt::NoButton, buttons,
                     modifiers);
    QApplication::sendEvent(widget, &move);
}

}  // namespace fg::test
