#include "ui/dialogs/ViewListWindow.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

#include "app/Editor.h"
#include "ui/PanelScrollBar.h"

namespace fg {

ViewListRows::ViewListRows(Editor& editor, const PanelColours& colours, QScrollBar* scrollBar, QWidget* parent)
    : QWidget(parent), m_editor(editor), m_colours(colours), m_scrollBar(scrollBar) {
    setObjectName(QStringLiteral("viewListRows"));
    setMouseTracking(false);
    connect(m_scrollBar, &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
    const auto changed = [this] {
        updateScrollRange();
        update();
    };
    // Opening a project in place brings its own views, announced as such.
    connect(&editor, &Editor::documentChanged, this, [changed](DocumentChanges what) {
        if (what & DocumentPart::Views) changed();
    });
}

int ViewListRows::offset() const { return m_scrollBar->value(); }

QRect ViewListRows::rowRect(int index) const {
    return QRect(0, kRowPitch * index - offset(), width(), kRowHeight);
}

QRect ViewListRows::deleteRect(int index) const {
    return QRect(width() - kDeleteWidth, kRowPitch * index - offset(), kDeleteWidth, kRowHeight);
}

int ViewListRows::rowAt(int y) const {
    const int content = y + offset();
    if (content < 0) return -1;
    const int index = content / kRowPitch;
    const auto count = static_cast<int>(m_editor.state().viewList.size());
    if (index >= count) return -1;
    return index;
}

void ViewListRows::updateScrollRange() {
    const auto count = static_cast<int>(m_editor.state().viewList.size());
    const int content = count * kRowPitch;
    m_scrollBar->setRange(0, std::max(0, content - height()));
    m_scrollBar->setPageStep(std::max(1, height()));
    m_scrollBar->setSingleStep(kRowPitch);
}

void ViewListRows::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    updateScrollRange();
}

void ViewListRows::wheelEvent(QWheelEvent* event) {
    QCoreApplication::sendEvent(m_scrollBar, event);
}

void ViewListRows::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), m_colours.client);
    const std::vector<ViewEntry>& views = m_editor.state().viewList;
    const auto count = static_cast<int>(views.size());
    for (int i = 0; i < count; ++i) {
        const QRect row = rowRect(i);
        if (row.bottom() < 0 || row.top() > height()) continue;
        painter.setPen(Qt::white);
        const QRect label = i + 1 < count ? row.adjusted(4, 0, -kDeleteWidth, 0) : row.adjusted(4, 0, 0, 0);
        const std::string& title = views[static_cast<std::size_t>(i)].title;
        // The add row is the program's own text; the others are the user's labels.
        const bool addRow = i + 1 == count && title == kViewListPlaceholder;
        painter.drawText(label, Qt::AlignLeft | Qt::AlignVCenter,
                         addRow ? tr(kViewListPlaceholder) : QString::fromStdString(title));
        if (i + 1 < count) {
            painter.setPen(QColor(180, 180, 180));
            painter.drawText(deleteRect(i), Qt::AlignCenter, tr("×"));
        }
        painter.setPen(QPen(m_colours.window, 1));
        painter.drawLine(0, row.top() + kRowHeight, width(), row.top() + kRowHeight);
    }
}

void ViewListRows::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint at = event->position().toPoint();
    const int index = rowAt(at.y());
    const auto count = static_cast<int>(m_editor.state().viewList.size());
    if (index < 0) return;
    if (index + 1 == count) {
        m_editor.viewSettings().addView();
        // The new view shows: scrolled to the end.
        m_scrollBar->setValue(m_scrollBar->maximum());
    } else if (at.x() >= width() - kDeleteWidth) {
        m_editor.viewSettings().removeView(index);
    } else {
        m_editor.viewSettings().applyView(index);
    }
}

ViewListWindow::ViewListWindow(Editor& editor, const PanelColours& colours, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("viewListWindow"));
    setWindowTitle(tr("視点リスト"));
    setMinimumSize(200, 200);
    setMaximumSize(999, 999);
    auto* scrollBar = new PanelScrollBar;
    scrollBar->setObjectName(QStringLiteral("viewListScroll"));
    m_rows = new ViewListRows(editor, colours, scrollBar);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_rows, 1);
    layout->addWidget(scrollBar);
    applyPanelColours(this, colours);
    resize(240, 300);
}

}  // namespace fg
