#include "ui/pages/CurveWindow.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "app/Editor.h"
#include "model/Node.h"
#include "ui/pages/CurveDrawing.h"
#include "ui/pages/CurveEditing.h"
#include "ui/pages/CurveMenu.h"
#include "ui/pages/CurveNumbers.h"

namespace fg {

CurveWindow::CurveWindow(Editor& editor, int graphNumber, QWidget* parent)
    : QWidget(parent, Qt::Tool),
      m_editor(editor),
      m_graph(graphNumber),
      m_numbers(new CurveNumbers(graphNumber == kCurveSpeed, this)) {
    setObjectName(QStringLiteral("curveWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setMinimumSize(kMinimumSide, kMinimumSide);
    setMaximumSize(kMaximumSide, kMaximumSide);
    // A click on the canvas takes the focus from a field, which commits it.
    setFocusPolicy(Qt::ClickFocus);
    resize(330, 280);
    if (const Graph* shown = curve()) setWindowTitle(QCoreApplication::translate("fg::Graph", shown->name().c_str()));
    setMouseTracking(true);
    connect(m_numbers, &CurveNumbers::typed, this, &CurveWindow::typed);
}

bool CurveWindow::numbersShown() const { return height() >= kNumbersMinimumHeight; }

QRect CurveWindow::canvasRect() const {
    const int bottom = numbersShown() ? kNumbersHeight : kCanvasOffset;
    return {kCanvasOffset, kCanvasOffset, std::max(1, width() - 2 * kCanvasOffset),
            std::max(1, height() - kCanvasOffset - bottom)};
}

void CurveWindow::resizeEvent(QResizeEvent* event) {
    const QRect canvas = canvasRect();
    m_numbers->setVisible(numbersShown());
    m_numbers->setGeometry(canvas.left(), canvas.bottom() + 5, canvas.width(), kNumbersHeight - 8);
    QWidget::resizeEvent(event);
}

void CurveWindow::leaveEvent(QEvent* event) {
    m_numbers->hideReadout();
    QWidget::leaveEvent(event);
}

void CurveWindow::setOptions(const CurveWindowOptions& options) {
    m_options = options;
    update();
}

const Graph* CurveWindow::curve() const {
    const Node* node = m_editor.state().tree.selected();
    return node != nullptr ? &node->curve(m_graph) : nullptr;
}

void CurveWindow::reload() {
    // Another node's curve, or a curve whose points changed under the drag
    // (undone, pasted): the drag ends.
    const Node* node = m_editor.state().tree.selected();
    const Graph* shown = curve();
    if (node == nullptr || node->m_ID != m_dragNode || shown == nullptr ||
        shown->points().size() != m_dragBase.size()) {
        m_selected = -1;
        m_dragBase.clear();
    }
    // The current point stays while its curve keeps its points' count (an
    // undone or typed move); a point added or taken away, or another node,
    // leaves no current point.
    if (node == nullptr || shown == nullptr || node->m_ID != m_currentNode ||
        shown->points().size() != m_currentCount) {
        m_current = -1;
    }
    showNumbers();
    if (shown != nullptr) setWindowTitle(QCoreApplication::translate("fg::Graph", shown->name().c_str()));
    update();
}

QPoint CurveWindow::curvePosition(const QPoint& windowPos) const {
    const QRect canvas = canvasRect();
    const CurveMapping mapping{canvas.width(), canvas.height()};
    return {mapping.toX(windowPos.x() - canvas.left()), mapping.toY(windowPos.y() - canvas.top())};
}

void CurveWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const Graph* shown = curve();
    if (shown == nullptr) return;
    const QRect canvas = canvasRect();
    painter.translate(canvas.topLeft());
    painter.setClipRect(QRect(QPoint(0, 0), canvas.size()));
    CurveLook look;
    look.selected = m_selected;
    look.current = m_current;
    look.grid = m_options.grid;
    if (m_options.otherCurves) look.behind = otherColourCurves(*m_editor.state().tree.selected(), m_graph);
    drawCurve(painter, *shown, canvas.size(), look);
}

void CurveWindow::makeCurrent(int index, std::size_t pointCount) {
    const Node* node = m_editor.state().tree.selected();
    m_current = node != nullptr ? index : -1;
    m_currentNode = node != nullptr ? node->m_ID : -1;
    m_currentCount = pointCount;
    showNumbers();
}

void CurveWindow::showNumbers() {
    const Graph* shown = curve();
    if (shown == nullptr || m_current < 0 || m_current >= shown->pointCount()) {
        m_numbers->showNoPoint();
        return;
    }
    const GraphPoint& point = shown->points()[static_cast<std::size_t>(m_current)];
    const bool end = m_current == 0 || m_current == shown->pointCount() - 1;
    m_numbers->showPoint(static_cast<int>(point.x), curveValueLabel(*shown, point.y), !end);
}

void CurveWindow::typed(int position, int value) {
    const Graph* shown = curve();
    if (shown == nullptr || m_current < 0 || m_current >= shown->pointCount() || m_selected >= 0) {
        showNumbers();
        return;
    }
    // The same rules as a drag to that place, from where the point is now.
    const GraphPoints before = shown->points();
    GraphPoints points = before;
    dragCurvePoint(points, before, m_current, position, curveHeightForValue(*shown, value), false);
    if (points != before) {
        m_editor.beginGraphEdit(m_graph);
        store(points);
    }
    showNumbers();
    update();
}

void CurveWindow::store(const GraphPoints& points) {
    m_editor.setGraphPoints(m_graph, points);
    emit pointsChanged();
}

void CurveWindow::leftPress(const QPoint& windowPos) {
    const Graph* shown = curve();
    if (shown == nullptr) return;
    const QPoint at = curvePosition(windowPos);
    const CurvePress press = pressCurve(shown->points(), at.x(), at.y());
    // The whole gesture, press and drag, is one edit.
    m_editor.beginGraphEdit(m_graph);
    if (press.added) store(press.points);
    m_selected = press.selected;
    m_dragBase = press.points;
    m_dragNode = m_editor.state().tree.selected()->m_ID;
    makeCurrent(press.selected, press.points.size());
    update();
}

void CurveWindow::rightPress(const QPoint& windowPos, const QPoint& globalPos) {
    const Graph* shown = curve();
    if (shown == nullptr) return;
    const QPoint at = curvePosition(windowPos);
    const int doomed = pointToDelete(shown->points(), at.x(), at.y());
    if (doomed >= 0) {
        GraphPoints points = shown->points();
        points.erase(points.begin() + doomed);
        m_editor.beginGraphEdit(m_graph);
        store(points);
        makeCurrent(m_current == doomed ? -1 : m_current - (m_current > doomed ? 1 : 0), points.size());
        update();
        return;
    }
    const bool colour = m_graph >= kCurveRed && m_graph <= kCurveOpacity;
    const std::vector<CurveMenuToggle> toggles{
        {tr("グリッドを表示"), QStringLiteral("curveGridToggle"), m_options.grid, true,
         [this](bool on) {
             m_options.grid = on;
             emit optionsChanged(m_options);
             update();
         }},
        {tr("他の色のグラフを表示"), QStringLiteral("curveOthersToggle"), m_options.otherCurves, colour,
         [this](bool on) {
             m_options.otherCurves = on;
             emit optionsChanged(m_options);
             update();
         }},
    };
    popUpCurveMenu(
        this, m_editor, m_graph, globalPos,
        [this] {
            reload();
            emit pointsChanged();
        },
        toggles);
}

void CurveWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        leftPress(event->position().toPoint());
    } else if (event->button() == Qt::RightButton && !(event->buttons() & Qt::LeftButton)) {
        rightPress(event->position().toPoint(), event->globalPosition().toPoint());
    }
    event->accept();
}

void CurveWindow::mouseMoveEvent(QMouseEvent* event) {
    const Graph* shown = curve();
    if (shown != nullptr) {
        const QPoint under = curvePosition(event->position().toPoint());
        const int x = std::clamp(under.x(), 0, 100);
        const int y = std::clamp(under.y(), 0, 100);
        m_numbers->showReadout(x, curveValueLabel(*shown, static_cast<float>(y)));
    }
    if (!(event->buttons() & Qt::LeftButton)) {
        if (m_selected >= 0) {
            m_selected = -1;
            update();
        }
        return;
    }
    if (shown == nullptr || m_selected < 0 || m_dragBase.size() != shown->points().size()) return;
    const QPoint at = curvePosition(event->position().toPoint());
    GraphPoints points = shown->points();
    dragCurvePoint(points, m_dragBase, m_selected, at.x(), at.y(), event->modifiers() & Qt::ShiftModifier);
    if (points != shown->points()) store(points);
    showNumbers();
    update();
}

void CurveWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && m_selected < 0) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CurveWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_selected = -1;
        update();
        emit pointsChanged();
    }
}

}  // namespace fg
