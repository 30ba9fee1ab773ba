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

namespace fg {

CurveWindow::CurveWindow(Editor& editor, int graphNumber, QWidget* parent)
    : QWidget(parent, Qt::Tool), m_editor(editor), m_graph(graphNumber) {
    setObjectName(QStringLiteral("curveWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setMinimumSize(kMinimumSide, kMinimumSide);
    setMaximumSize(kMaximumSide, kMaximumSide);
    resize(330, 260);
    if (const Graph* shown = curve()) setWindowTitle(QCoreApplication::translate("fg::Graph", shown->name().c_str()));
    setMouseTracking(true);
}

QRect CurveWindow::canvasRect() const {
    return {kCanvasOffset, kCanvasOffset, std::max(1, width() - 2 * kCanvasOffset),
            std::max(1, height() - 2 * kCanvasOffset)};
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
    drawCurve(painter, *shown, canvas.size(), m_selected);
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
        update();
        return;
    }
    popUpCurveMenu(this, m_editor, m_graph, globalPos, [this] {
        reload();
        emit pointsChanged();
    });
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
