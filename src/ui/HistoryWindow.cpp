#include "ui/HistoryWindow.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QWheelEvent>

#include "app/Editor.h"
#include "ui/HistoryListModel.h"
#include "ui/PanelFont.h"
#include "ui/PanelScrollBar.h"

namespace fg {
namespace {

constexpr int kRowHeight = HistoryWindow::kRowHeight;
// The highlight reaches 5 pixels above a label: the rows start that far
// above the window's top.
constexpr int kRowLead = 5;
// Scrolled to the end, the last row stands this far above the bottom.
constexpr int kBottomSpace = 30;

HistoryListModel::RowState rowState(const QModelIndex& index) {
    return static_cast<HistoryListModel::RowState>(index.data(HistoryListModel::kStateRole).toInt());
}

// The width the rows' highlight and separator span: all but the scrollbar's strip.
int rowWidth(const QWidget* view) { return view->width() - HistoryWindow::kScrollbarWidth; }

// One row: the highlight when it is current, the label white when done or
// current and grey when undone.
class HistoryRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QRect row = option.rect;
        const HistoryListModel::RowState state = rowState(index);
        if (state == HistoryListModel::RowState::Current) {
            p->fillRect(QRect(0, row.top(), rowWidth(option.widget), kRowHeight), option.palette.color(QPalette::Highlight));
        }
        p->setFont(panelFont(10));
        p->setPen(state == HistoryListModel::RowState::Undone ? QColor(182, 182, 182) : QColor(255, 255, 255));
        p->drawText(QRect(2, row.top() + kRowLead, 999, 20), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                    index.data(Qt::DisplayRole).toString());
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override { return {1, kRowHeight}; }
};

}  // namespace

HistoryListView::HistoryListView(QWidget* parent) : QListView(parent) {
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBar(new PanelScrollBar(this));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    // The window keeps the current entry in view itself.
    setAutoScroll(false);
    setItemDelegate(new HistoryRowDelegate(this));
    setViewportMargins(0, -kRowLead, 0, 0);
    verticalScrollBar()->setSingleStep(kRowHeight);
}

void HistoryListView::updateGeometries() {
    QListView::updateGeometries();
    const int visible = std::max(1, height() - kBottomSpace);
    verticalScrollBar()->setPageStep(visible);
    verticalScrollBar()->setRange(0, std::max(0, model() != nullptr ? model()->rowCount() * kRowHeight - visible : 0));
}

void HistoryListView::paintEvent(QPaintEvent* event) {
    QListView::paintEvent(event);
    if (model() == nullptr) return;
    // A 1-pixel separator under each label; the highlight of the row
    // below covers it, as that row is drawn after it.
    QPainter p(viewport());
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(palette().color(QPalette::Window));
    const int rows = model()->rowCount();
    for (int row = std::max(0, indexAt(QPoint(0, 0)).row()); row < rows; ++row) {
        const QRect rect = visualRect(model()->index(row, 0));
        if (rect.top() > viewport()->height()) break;
        if (row + 1 < rows && rowState(model()->index(row + 1, 0)) == HistoryListModel::RowState::Current) continue;
        const double y = rect.top() + kRowHeight + 0.5;
        p.drawLine(QPointF(0, y), QPointF(rowWidth(this), y));
    }
}

void HistoryListView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid()) emit rowChosen(index.row());
}

void HistoryListView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up: emit stepChosen(-1); break;
    case Qt::Key_Down: emit stepChosen(1); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (currentIndex().isValid()) emit rowChosen(currentIndex().row());
        break;
    case Qt::Key_Escape: window()->close(); break;
    default:
        // Home, End, Page Up and Page Down move the keyboard cursor.
        QListView::keyPressEvent(event);
        if (currentIndex().isValid()) scrollTo(currentIndex());
        return;
    }
    event->accept();
}

void HistoryListView::wheelEvent(QWheelEvent* event) {
    // The window turns the wheel into whole rows.
    event->ignore();
}

HistoryWindow::HistoryWindow(Editor& editor, QWidget* parent)
    : QWidget(parent, Qt::Tool), m_editor(editor), m_model(new HistoryListModel(editor, this)),
      m_view(new HistoryListView(this)) {
    setObjectName(QStringLiteral("historyWindow"));
    setWindowTitle(tr("履歴リスト"));
    setAttribute(Qt::WA_DeleteOnClose);
    setMinimumSize(200, 200);
    setMaximumSize(999, 999);
    m_view->setModel(m_model);
    setFocusProxy(m_view);
    resize(260, 400);
    connect(m_view, &HistoryListView::rowChosen, this, [this](int row) { m_editor.jumpTo(row); });
    connect(m_view, &HistoryListView::stepChosen, this,
            [this](int step) { m_editor.jumpTo(m_editor.history().index() + step); });
    connect(&m_editor, &Editor::documentChanged, this, [this](DocumentChanges what) {
        if (what & DocumentPart::History) follow();
    });
    follow();
}

QScrollBar* HistoryWindow::scrollBar() const { return m_view->verticalScrollBar(); }

int HistoryWindow::scrollOffset() const { return scrollBar()->value(); }

void HistoryWindow::follow() {
    const int offset = scrollOffset();
    m_model->refresh();
    m_view->doItemsLayout();
    m_view->setCurrentIndex(m_model->index(m_editor.history().index(), 0));
    scrollBar()->setValue(offset);
    const int top = m_editor.history().index() * kRowHeight - kRowLead;
    if (top < scrollOffset()) {
        scrollBar()->setValue(top);
    } else if (top + kRowHeight > scrollOffset() + height()) {
        scrollBar()->setValue(top + kRowHeight - height());
    }
    m_view->viewport()->update();
}

void HistoryWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_view->setGeometry(rect());
}

void HistoryWindow::wheelEvent(QWheelEvent* event) {
    scrollBar()->setValue(scrollBar()->value() - m_wheel.add(*event) * kRowHeight);
    event->accept();
}

}  // namespace fg
