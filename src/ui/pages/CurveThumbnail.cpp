#include "ui/pages/CurveThumbnail.h"

#include <QContextMenuEvent>
#include <QPainter>

#include "app/Editor.h"
#include "model/Node.h"
#include "ui/pages/CurveDrawing.h"
#include "ui/pages/CurveMenu.h"

namespace fg {

CurveThumbnail::CurveThumbnail(Editor& editor, int curveIndex, const QString& caption, QWidget* parent)
    : QAbstractButton(parent), m_editor(editor), m_index(curveIndex) {
    setObjectName(QStringLiteral("curve%1").arg(curveIndex));
    setText(caption);
    setFixedSize(kWidth, kHeight);
    setCursor(Qt::PointingHandCursor);
}

void CurveThumbnail::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor background = palette().color(QPalette::Window);
    const Node* node = m_editor.state().pSelNode();
    if (node != nullptr) {
        drawCurveThumbnail(painter, node->curve(m_index), size(), background);
    } else {
        painter.fillRect(rect(), background);
    }
    painter.setPen(isDown() ? palette().color(QPalette::Highlight) : QColor(120, 120, 120));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (!text().isEmpty()) {
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        painter.drawText(rect().adjusted(2, 1, -2, -1), Qt::AlignLeft | Qt::AlignTop, text());
    }
}

void CurveThumbnail::contextMenuEvent(QContextMenuEvent* event) {
    popUpCurveMenu(this, m_editor, m_index, event->globalPos(), [this] {
        update();
        emit pasted();
    });
    event->accept();
}

}  // namespace fg
