#include "ui/ListPanel.h"

#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include "ui/PanelFont.h"
#include "ui/PanelScrollBar.h"

namespace fg {

ListPanel::ListPanel(const QString& name, const QString& title, int rowHeight, QWidget* parent)
    : QWidget(parent), m_title(title), m_rowHeight(rowHeight), m_scrollBar(new PanelScrollBar(this)) {
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_scrollBar->setObjectName(name + QStringLiteral("Scroll"));
    m_scrollBar->setSingleStep(rowHeight);
    connect(m_scrollBar, &QScrollBar::valueChanged, this, [this] { update(); });
    updateRange();
}

int ListPanel::scrollOffset() const { return m_scrollBar->value(); }

int ListPanel::rowAt(int y) const {
    if (y < kListTop) return -1;
    return (y - kListTop + scrollOffset()) / m_rowHeight;
}

PanelButton* ListPanel::addButton(ButtonPicture picture, const QString& help) {
    auto* button = new PanelButton(picture, static_cast<int>(m_buttons.size()), help, this);
    m_buttons.push_back(button);
    return button;
}

void ListPanel::setRowCount(int rows) {
    m_rows = rows;
    updateRange();
    update();
}

void ListPanel::scrollToRow(int row) {
    const int top = row * m_rowHeight;
    const int visible = height() - kListTop;
    if (top < scrollOffset()) {
        m_scrollBar->setValue(top);
    } else if (top + m_rowHeight > scrollOffset() + visible) {
        m_scrollBar->setValue(top + m_rowHeight - visible);
    }
}

void ListPanel::updateRange() {
    const int visible = std::max(0, height() - kListTop);
    m_scrollBar->setPageStep(std::max(1, visible));
    m_scrollBar->setRange(0, std::max(0, m_rows * m_rowHeight - visible));
}

void ListPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_scrollBar->setGeometry(kScrollbarX, kListTop, kScrollbarWidth, std::max(0, height() - kListTop));
    updateRange();
}

void ListPanel::wheelEvent(QWheelEvent* event) {
    m_scrollBar->setValue(m_scrollBar->value() - m_wheel.add(*event) * m_rowHeight);
    event->accept();
}

void ListPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(QRect(0, 0, width(), kListTop), palette().color(QPalette::Window));
    p.setPen(QColor(190, 190, 190));
    p.setFont(panelFont(9));
    p.drawText(QRect(2, 0, width() - 2, kTitleHeight), Qt::AlignLeft | Qt::AlignVCenter, m_title);

    const QRect list(0, kListTop, width(), std::max(0, height() - kListTop));
    p.fillRect(list, palette().color(QPalette::Base));
    p.setClipRect(list);
    p.translate(0, kListTop - scrollOffset());
    paintRows(p, QRect(0, scrollOffset(), width(), list.height()));
}

}  // namespace fg
