#include "ui/TabPanel.h"

#include <QScrollBar>
#include <algorithm>

#include "ui/PageSelector.h"
#include "ui/PanelScrollBar.h"

namespace fg {

TabPanel::TabPanel(QWidget* parent)
    : Panel(QStringLiteral("tabPanel"), parent), m_pageArea(new QWidget(this)), m_selector(new PageSelector(this)),
      m_scrollBar(new PanelScrollBar(this)) {
    m_pageArea->setObjectName(QStringLiteral("pageArea"));
    m_scrollBar->setSingleStep(20);
    connect(m_scrollBar, &QScrollBar::valueChanged, this, [this] { placeContent(); });
}

int TabPanel::widthFor(int height) { return height < kContentHeight ? kWidth + kScrollbarWidth : kWidth; }

void TabPanel::resizeEvent(QResizeEvent* event) {
    Panel::resizeEvent(event);
    const QRect client = contentsRect();
    const int visible = height();
    if (visible < kContentHeight) {
        m_scrollBar->setRange(0, kContentHeight - visible);
        m_scrollBar->setPageStep(visible);
        m_scrollBar->setGeometry(client.left() + kScrollbarLeft, client.top(), kScrollbarWidth, client.height());
    } else {
        // The bar hides itself with an empty range.
        m_scrollBar->setRange(0, 0);
    }
    placeContent();
}

void TabPanel::placeContent() {
    const QRect client = contentsRect();
    const int offset = m_scrollBar->isHidden() ? 0 : m_scrollBar->value();
    m_pageArea->setGeometry(client.left(), client.top() - offset, kPageWidth,
                            std::max(kContentHeight, client.height()));
    m_selector->move(client.left() + kPageWidth, client.top() - offset);
    m_scrollBar->raise();
}

}  // namespace fg
