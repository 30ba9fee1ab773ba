#include "ui/StatusPanel.h"

#include <QColor>
#include <QPainter>
#include <algorithm>

#include "ui/PanelFont.h"

namespace fg {

namespace {
const QColor kNoticeColour(255, 150, 110);
constexpr int kNoticeGap = 12;
}  // namespace

StatusPanel::StatusPanel(QWidget* parent) : Panel(QStringLiteral("statusPanel"), parent) {}

void StatusPanel::setHelpText(const QString& text) {
    if (text == m_text) return;
    m_text = text;
    update();
}

void StatusPanel::setNotice(const QString& notice) {
    if (notice == m_notice) return;
    m_notice = notice;
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
    QRect helpArea = client;
    if (!m_notice.isEmpty()) {
        // The notice keeps its place; the help text gives way to it.
        const int width = std::min(client.width(), painter.fontMetrics().horizontalAdvance(m_notice));
        painter.setPen(kNoticeColour);
        painter.drawText(client, Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine, m_notice);
        helpArea.setRight(client.right() - width - kNoticeGap);
        painter.setPen(Qt::white);
    }
    painter.drawText(helpArea, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, m_text);
}

}  // namespace fg
