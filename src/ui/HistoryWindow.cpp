#include "ui/HistoryWindow.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include "app/Editor.h"
#include "ui/PanelFont.h"
#include "ui/PanelScrollBar.h"

namespace fg {

HistoryWindow::HistoryWindow(Editor& editor, QWidget* parent)
    : QWidget(parent, Qt::Tool), m_editor(editor), m_scrollBar(new PanelScrollBar(this)) {
    setObjectName(QStringLiteral("historyWindow"));
    setWindowTitle(tr("履歴リスト"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 200);
    setMaximumSize(999, 999);
    resize(260, 400);
    m_scrollBar->setSingleStep(kRowHeight);
    connect(m_scrollBar, &QScrollBar::valueChanged, this, [this] { update(); });
    connect(&m_editor, &Editor::documentChanged, this, [this](DocumentChanges what) {
        if (what & DocumentPart::History) follow();
    });
    updateRange();
}

int HistoryWindow::scrollOffset() const { return m_scrollBar->value(); }

int HistoryWindow::rowAt(int y) const {
    // Row i's highlight covers y = 25·i − 5 … 25·i + 19 (before scrolling):
    // a click anywhere on it picks that row.
    const int shifted = y + 5 + scrollOffset();
    return shifted < 0 ? -1 : shifted / kRowHeight;
}

void HistoryWindow::updateRange() {
    const int visible = std::max(1, height() - 30);
    m_scrollBar->setPageStep(visible);
    m_scrollBar->setRange(0, std::max(0, m_editor.history().count() * kRowHeight - visible));
}

void HistoryWindow::follow() {
    updateRange();
    const int top = m_editor.history().current() * kRowHeight - 5;
    if (top < scrollOffset()) {
        m_scrollBar->setValue(top);
    } else if (top + kRowHeight > scrollOffset() + height()) {
        m_scrollBar->setValue(top + kRowHeight - height());
    }
    update();
}

void HistoryWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_scrollBar->setGeometry(width() - kScrollbarWidth, 0, kScrollbarWidth, height());
    updateRange();
}

void HistoryWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Base));
    p.setFont(panelFont(10));
    const EditHistory& history = m_editor.history();
    const int current = history.current();
    const int textWidth = width() - kScrollbarWidth;
    for (int i = 0; i < history.count(); ++i) {
        const int y = kRowHeight * i - scrollOffset();
        if (y + kRowHeight < 0) continue;
        if (y - 5 > height()) break;
        if (i == current) p.fillRect(QRect(0, y - 5, textWidth, kRowHeight), palette().color(QPalette::Highlight));
        p.setPen(i <= current ? QColor(255, 255, 255) : QColor(182, 182, 182));
        p.drawText(QRect(2, y, 999, 20), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   QString::fromStdString(history.entry(i).label));
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(palette().color(QPalette::Window));
        p.drawLine(QPointF(0, y + 20.5), QPointF(textWidth, y + 20.5));
        p.setRenderHint(QPainter::Antialiasing, false);
    }
}

void HistoryWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    m_editor.jumpTo(rowAt(event->position().toPoint().y()));
}

void HistoryWindow::wheelEvent(QWheelEvent* event) {
    m_scrollBar->setValue(m_scrollBar->value() - m_wheel.add(*event) * kRowHeight);
    event->accept();
}

void HistoryWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up: m_editor.jumpTo(m_editor.history().current() - 1); break;
    case Qt::Key_Down: m_editor.jumpTo(m_editor.history().current() + 1); break;
    case Qt::Key_Escape: close(); break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

}  // namespace fg
