#include "ui/Panel.h"

#include <QPainter>

namespace fg {

Panel::Panel(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setContentsMargins(kBorder, kBorder, kBorder, kBorder);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
}

void Panel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace fg
