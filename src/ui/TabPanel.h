#pragma once
// The right-hand panel: the parameter page area with the page selector
// beside it, scrolled together by a vertical bar when the panel is shorter
// than their 630 pixels (the panel then widens by the bar's width).

#include <QWidget>

#include "ui/Panel.h"

class QScrollBar;

namespace fg {

class PageSelector;

class TabPanel : public Panel {
    Q_OBJECT

public:
    static constexpr int kWidth = 252;
    static constexpr int kScrollbarWidth = 14;
    static constexpr int kContentHeight = 630;
    static constexpr int kPageWidth = 222;  // the selector stands right of it
    static constexpr int kScrollbarLeft = 250;

    explicit TabPanel(QWidget* parent = nullptr);

    // The panel's width for a panel `height` pixels high.
    static int widthFor(int height);

    // Where the parameter pages go (their parent).
    QWidget* pageArea() const { return m_pageArea; }
    PageSelector* selector() const { return m_selector; }
    QScrollBar* scrollBar() const { return m_scrollBar; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeContent();

    QWidget* m_pageArea;
    PageSelector* m_selector;
    QScrollBar* m_scrollBar;
};

}  // namespace fg
