#include "ui/PanelButtons.h"

#include <QPainter>
#include <QPainterPath>

#include "ui/HoverHelp.h"

namespace fg {
namespace {

const QColor kInk(225, 228, 235);
const QColor kAccent(110, 160, 240);
const QColor kWarn(235, 110, 100);

QPen pen(const QColor& colour, qreal width = 1.4) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A little node: a rounded box at (x, y).
void nodeBox(QPainter& p, qreal x, qreal y, const QColor& colour = kInk) {
    p.setPen(pen(colour, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(x, y, 6, 4), 1, 1);
}

void arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour) {
    p.setPen(pen(colour));
    p.drawLine(from, to);
    const QPointF d = to - from;
    const qreal length = std::hypot(d.x(), d.y());
    if (length == 0) return;
    const QPointF u = d / length;
    const QPointF n(-u.y(), u.x());
    p.drawLine(to, to - u * 3 + n * 2.5);
    p.drawLine(to, to - u * 3 - n * 2.5);
}

void plus(QPainter& p, QPointF centre, const QColor& colour) {
    p.setPen(pen(colour, 1.6));
    p.drawLine(centre + QPointF(-3, 0), centre + QPointF(3, 0));
    p.drawLine(centre + QPointF(0, -3), centre + QPointF(0, 3));
}

void drawPicture(QPainter& p, ButtonPicture picture) {
    switch (picture) {
    case ButtonPicture::AddBelow:
        nodeBox(p, 6, 3);
        nodeBox(p, 6, 12, kAccent);
        plus(p, {18, 14}, kAccent);
        break;
    case ButtonPicture::AddChild:
        nodeBox(p, 4, 3);
        p.setPen(pen(kInk, 1.0));
        p.drawPolyline(QPolygonF({QPointF(7, 7), QPointF(7, 14), QPointF(11, 14)}));
        nodeBox(p, 11, 12, kAccent);
        plus(p, {21, 8}, kAccent);
        break;
    case ButtonPicture::Duplicate:
        nodeBox(p, 6, 4);
        nodeBox(p, 10, 9, kAccent);
        nodeBox(p, 14, 14, kAccent);
        break;
    case ButtonPicture::Delete:
        nodeBox(p, 6, 8);
        p.setPen(pen(kWarn, 1.6));
        p.drawLine(QPointF(15, 6), QPointF(21, 12));
        p.drawLine(QPointF(21, 6), QPointF(15, 12));
        break;
    case ButtonPicture::MoveDown:
        nodeBox(p, 5, 4);
        arrow(p, {18, 4}, {18, 16}, kAccent);
        break;
    case ButtonPicture::MoveUp:
        nodeBox(p, 5, 12);
        arrow(p, {18, 16}, {18, 4}, kAccent);
        break;
    case ButtonPicture::MakeChild:
        nodeBox(p, 4, 3);
        nodeBox(p, 13, 12, kAccent);
        arrow(p, {7, 10}, {11, 14}, kAccent);
        break;
    case ButtonPicture::MakeParent:
        nodeBox(p, 13, 3, kAccent);
        nodeBox(p, 4, 12);
        arrow(p, {19, 10}, {15, 14}, kAccent);
        p.setPen(Qt::NoPen);
        break;
    case ButtonPicture::Plus: plus(p, {13, 10}, kAccent); break;
    case ButtonPicture::Cross:
        p.setPen(pen(kWarn, 1.6));
        p.drawLine(QPointF(9, 6), QPointF(17, 14));
        p.drawLine(QPointF(17, 6), QPointF(9, 14));
        break;
    case ButtonPicture::Disk: {
        p.setPen(pen(kInk, 1.2));
        QPainterPath disk;
        disk.moveTo(7, 3);
        disk.lineTo(17, 3);
        disk.lineTo(19, 5);
        disk.lineTo(19, 17);
        disk.lineTo(7, 17);
        disk.closeSubpath();
        p.drawPath(disk);
        p.fillRect(QRectF(10, 4, 6, 4), kAccent);
        p.drawRect(QRectF(10, 11, 6, 6));
        break;
    }
    case ButtonPicture::Mirror:
        p.setPen(pen(kInk, 1.0));
        p.drawLine(QPointF(13, 3), QPointF(13, 17));
        arrow(p, {11, 10}, {5, 10}, kAccent);
        arrow(p, {15, 10}, {21, 10}, kAccent);
        break;
    case ButtonPicture::Empty: break;
    }
}

}  // namespace

QPixmap panelButtonFace(ButtonPicture picture, bool pressed) {
    QPixmap face(PanelButton::kWidth, PanelButton::kHeight);
    face.fill(Qt::transparent);
    QPainter p(&face);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF frame(0.5, 0.5, PanelButton::kWidth - 1, PanelButton::kHeight - 1);
    QLinearGradient shade(0, 0, 0, PanelButton::kHeight);
    shade.setColorAt(0, pressed ? QColor(38, 40, 46) : QColor(86, 90, 100));
    shade.setColorAt(1, pressed ? QColor(58, 60, 68) : QColor(52, 54, 62));
    p.setPen(QPen(QColor(24, 24, 28), 1));
    p.setBrush(shade);
    p.drawRoundedRect(frame, 2, 2);
    if (pressed) p.translate(0.5, 1);
    drawPicture(p, picture);
    return face;
}

PanelButton::PanelButton(ButtonPicture picture, int position, const QString& help, QWidget* parent)
    : QAbstractButton(parent), m_picture(picture), m_help(help), m_normal(panelButtonFace(picture, false)),
      m_pressed(panelButtonFace(picture, true)) {
    setGeometry(position * kWidth, kTop, kWidth, kHeight);
    setFocusPolicy(Qt::NoFocus);
    HoverHelp::setHelpText(this, help);
    setAccessibleName(help);
}

void PanelButton::setKey(const QKeySequence& key) { HoverHelp::setHelpText(this, m_help, key); }

void PanelButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, isDown() ? m_pressed : m_normal);
}

}  // namespace fg
