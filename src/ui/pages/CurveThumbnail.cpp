#include "ui/pages/CurveThumbnail.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QPainter>

#include "app/Editor.h"
#include "model/Node.h"
#include "ui/pages/CurveDrawing.h"
#include "ui/pages/CurveMenu.h"

namespace fg {

CurveThumbnail::CurveThumbnail(Editor& editor, int curveIndex, const QString& caption, QWidget* parent)
    : QAbstractButton(parent), m_editor(editor), m_index(curveIndex) {
    setObjectName(QStringLiteral("curve%1").arg(curveIndex));
    setCursor(Qt::PointingHandCursor);
    // The curve's name ("サイズ【幅】"): the button's tip when the page gives it no help.
    setAccessibleName(QCoreApplication::translate("fg::Graph", makeInitialCurve(curveIndex)->name().c_str()));
    setCaption(caption);
}

void CurveThumbnail::setCaption(const QString& caption) {
    setText(caption);
    setFixedSize(kWidth, kCurveHeight + (caption.isEmpty() ? 0 : kCaptionHeight));
    update();
}

void CurveThumbnail::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor background = palette().color(QPalette::Window);
    painter.fillRect(rect(), background);
    const int captionHeight = text().isEmpty() ? 0 : kCaptionHeight;
    if (captionHeight > 0) {
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        painter.drawText(QRect(0, 0, width(), captionHeight), Qt::AlignLeft | Qt::AlignVCenter, text());
    }
    const QRect box(0, captionHeight, width(), height() - captionHeight);
    const Node* node = m_editor.state().pSelNode();
    if (node != nullptr) {
        painter.save();
        painter.translate(box.topLeft());
        drawCurveThumbnail(painter, node->curve(m_index), box.size(), background);
        painter.restore();
    }
    painter.setPen(isDown() ? palette().color(QPalette::Highlight) : QColor(120, 120, 120));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
}

void CurveThumbnail::contextMenuEvent(QContextMenuEvent* event) {
    popUpCurveMenu(this, m_editor, m_index, event->globalPos(), [this] {
        update();
        emit pasted();
    });
    event->accept();
}

}  // namespace fg
