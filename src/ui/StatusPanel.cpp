#include "ui/StatusPanel.h"

#include <QPainter>

#include "ui/PanelFont.h"

namespace fg {

StatusPanel::StatusPanel(QWidget* parent) : Panel(QStringLiteral("statusPanel"), parent) {}

void StatusPanel::setHelpText(const QString& text) {
    if (text == m_text) return;
    m_text = text;
    update();
}

void StatusPanel::paintEvent(QPaintEvent* event) {
    Panel::paintEvent(event);
    QPainter painter(this);
    const QRect client = contentsRect();
    // Half the line's height, in points, as the help line always had.
    painter.setFont(panelFont(client.height() / 2));
    painter.setPen(Qt::white);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.drawText(client, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, m_text);
}

}  // namespace fg
