#include "ui/pages/DirectionPicker.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "app/Editor.h"
#include "model/Node.h"
#include "model/NodeFields.h"
#include "ui/HoverHelp.h"
#include "ui/PanelFont.h"
#include "ui/pages/DirectionAngles.h"
#include "ui/pages/ParameterPage.h"

namespace fg {
namespace {

// The labels' distance from the view's edge and from the dial.
constexpr int kLabelInset = 2;
constexpr int kLabelGap = 4;

QString degreesText(float angle) {
    const QString format = QCoreApplication::translate("fg::DirectionPicker", "%d°");
    return QString::asprintf(format.toUtf8().constData(), static_cast<int>(angle));
}

}  // namespace

void drawDirectionArrow(QPainter& painter, const QRectF& box, float angle, const QColor& colour) {
    const double length = std::min(box.width(), box.height()) * 0.42;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.center());
    painter.rotate(static_cast<double>(angle));
    const double head = std::max(4.0, length * 0.3);
    painter.setPen(QPen(colour, std::max(1.5, length * 0.08), Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(0, 0), QPointF(0, -length + head * 0.5));
    QPainterPath tip;
    tip.moveTo(0, -length);
    tip.lineTo(head * 0.6, -length + head);
    tip.lineTo(-head * 0.6, -length + head);
    tip.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(tip);
    painter.restore();
}

DirectionView::DirectionView(bool side, QWidget* parent) : QWidget(parent), m_side(side) {
    setObjectName(side ? QStringLiteral("sideView") : QStringLiteral("topView"));
    setFont(panelFont(9));
    // The labels beside the dial get the room their text takes in the
    // interface language ("Left" is wider than "左"); both views keep the
    // same size, so the two dials stand level.
    const QFontMetrics metrics(font());
    const int besides = std::max(metrics.horizontalAdvance(tr("左")), metrics.horizontalAdvance(tr("右")));
    const int horizontal = std::max(kMinimumMargin, besides + kLabelInset + kLabelGap);
    const int vertical = std::max(kMinimumMargin, metrics.height() + kLabelGap);
    m_margins = QMargins(horizontal, vertical, horizontal, vertical);
    setFixedSize(kDial + 2 * horizontal, kDial + 2 * vertical);
    setCursor(Qt::CrossCursor);
}

void DirectionView::setAngle(float angle) {
    if (angle == m_angle) return;
    m_angle = angle;
    update();
}

QRectF DirectionView::dialRect() const { return QRectF(rect().marginsRemoved(m_margins)); }

QString DirectionView::labelText(Qt::Alignment edge) const {
    if (edge == Qt::AlignTop) return m_side ? tr("上") : tr("奥");
    if (edge == Qt::AlignBottom) return m_side ? tr("下") : tr("手前");
    if (m_side) return QString();
    if (edge == Qt::AlignLeft) return tr("左");
    if (edge == Qt::AlignRight) return tr("右");
    return QString();
}

QRect DirectionView::labelRect(Qt::Alignment edge) const {
    const QString text = labelText(edge);
    if (text.isEmpty()) return QRect();
    const QFontMetrics metrics(font());
    const QSize size(metrics.horizontalAdvance(text), metrics.height());
    const QRect inner = rect().adjusted(kLabelInset, 1, -kLabelInset, -1);
    const QPoint centre = rect().center();
    QRect box(QPoint(), size);
    if (edge == Qt::AlignTop) box.moveTopLeft({centre.x() - size.width() / 2, inner.top()});
    if (edge == Qt::AlignBottom) box.moveBottomLeft({centre.x() - size.width() / 2, inner.bottom()});
    if (edge == Qt::AlignLeft) box.moveTopLeft({inner.left(), centre.y() - size.height() / 2});
    if (edge == Qt::AlignRight) box.moveTopRight({inner.right(), centre.y() - size.height() / 2});
    return box;
}

void DirectionView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    const QRectF inner = dialRect();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(110, 110, 110), 1.0));
    painter.drawEllipse(inner);
    painter.drawLine(QPointF(inner.center().x(), inner.top()), QPointF(inner.center().x(), inner.bottom()));
    painter.drawLine(QPointF(inner.left(), inner.center().y()), QPointF(inner.right(), inner.center().y()));
    drawDirectionArrow(painter, inner, m_angle, Qt::white);

    painter.setPen(Qt::white);
    for (const Qt::Alignment edge : {Qt::AlignTop, Qt::AlignBottom, Qt::AlignLeft, Qt::AlignRight}) {
        const QRect box = labelRect(edge);
        if (!box.isEmpty()) painter.drawText(box, Qt::AlignCenter, labelText(edge));
    }
}

void DirectionView::point(QMouseEvent* event) {
    const QPointF offset = event->position() - QRectF(rect()).center();
    emit pointed(angleTowards(offset), event->modifiers() & Qt::ShiftModifier);
}

void DirectionView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) point(event);
}

void DirectionView::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) point(event);
}

DirectionPicker::DirectionPicker(Editor& editor, QWidget* parent)
    : QDialog(parent), m_editor(editor), m_top(new DirectionView(false, this)), m_side(new DirectionView(true, this)),
      m_topAngle(new QLabel(this)), m_sideAngle(new QLabel(this)) {
    setObjectName(QStringLiteral("directionPicker"));
    setWindowTitle(tr("移動方向"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(panelFont(9));
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("【上】から見た図"), this), 0, 0, Qt::AlignHCenter);
    grid->addWidget(new QLabel(tr("【横】から見た図"), this), 0, 1, Qt::AlignHCenter);
    grid->addWidget(m_top, 1, 0);
    grid->addWidget(m_side, 1, 1);
    m_topAngle->setObjectName(QStringLiteral("topAngle"));
    m_sideAngle->setObjectName(QStringLiteral("sideAngle"));
    grid->addWidget(m_topAngle, 2, 0, Qt::AlignHCenter);
    grid->addWidget(m_sideAngle, 2, 1, Qt::AlignHCenter);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    connect(m_top, &DirectionView::pointed, this, [this](float angle, bool snap) { apply(false, angle, snap); });
    connect(m_side, &DirectionView::pointed, this, [this](float angle, bool snap) { apply(true, angle, snap); });
    fill();
}

void DirectionPicker::fill() {
    const Node* node = m_editor.state().tree.selected();
    setEnabled(node != nullptr);
    if (node == nullptr) return;
    m_top->setAngle(node->m_move.dirY);
    m_side->setAngle(node->m_move.dirX);
    m_topAngle->setText(degreesText(node->m_move.dirY));
    m_sideAngle->setText(degreesText(node->m_move.dirX));
}

void DirectionPicker::apply(bool side, float angle, bool snap) {
    // Normalised (and snapped) before it is stored: one value per move.
    float value = side ? sideViewAngle(angle) : topViewAngle(angle);
    if (snap) value = snappedTo45(value);
    m_editor.editFloat(nodeField(side ? FieldId::MoveDirX : FieldId::MoveDirY), value);
    fill();
    emit directionChanged();
}

DirectionBox::DirectionBox(Editor& editor, QWidget* parent) : QWidget(parent), m_editor(editor) {
    setObjectName(QStringLiteral("directionBox"));
    setFixedSize(kWidth, kHeight);
}

void DirectionBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.setPen(QColor(120, 120, 120));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const Node* node = m_editor.state().tree.selected();
    if (node == nullptr) return;
    const QColor colour = isEnabled() ? QColor(Qt::white) : QColor(100, 100, 100);
    const qreal half = width() / 2.0;
    drawDirectionArrow(painter, QRectF(0, 0, half, height()), node->m_move.dirY, colour);
    drawDirectionArrow(painter, QRectF(half, 0, half, height()), node->m_move.dirX, colour);
}

void DirectionBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace fg
