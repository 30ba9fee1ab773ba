#include "ui/pages/GradientStrip.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "app/Editor.h"
#include "model/Node.h"
#include "ui/HoverHelp.h"
#include "ui/pages/GradientColourDialog.h"

namespace fg {
namespace {

constexpr int kChecker = 7;  // side of a checkerboard square
const QColor kCheckerLight(204, 204, 204);
const QColor kCheckerDark(153, 153, 153);
const QColor kFrame(120, 120, 120);
const QColor kMarkerEdge(150, 150, 150);
const QColor kSizeBackground(60, 60, 60);
const QColor kSizeBand(190, 190, 190);
// On the strip itself a press picks a stop only on its column or the next.
constexpr int kStripPick = 1;

QColor qColour(const GradientColour& colour, bool opaque) {
    return {colour.red, colour.green, colour.blue, opaque ? 255 : colour.alpha};
}

QPolygon markerShape(int x, int top) {
    const int w = GradientStrip::kMarkerHalfWidth;
    const int bottom = top + GradientStrip::kMarkerHeight - 1;
    return QPolygon({QPoint(x, top), QPoint(x + w, top + w), QPoint(x + w, bottom), QPoint(x - w, bottom),
                     QPoint(x - w, top + w)});
}

bool plainDelete(const QKeyEvent& key) {
    return (key.key() == Qt::Key_Delete || key.key() == Qt::Key_Backspace) &&
           (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

}  // namespace

GradientStrip::GradientStrip(Editor& editor, Mode mode, QWidget* parent)
    : QWidget(parent), m_editor(editor), m_mode(mode) {
    const bool colour = mode == Mode::Colour;
    setObjectName(colour ? QStringLiteral("gradientStrip") : QStringLiteral("sizeStrip"));
    const int markers = colour ? kMarkerHeight + 1 : 0;
    setFixedSize(kLeft + kColumns + kLeft, kTop + kStripHeight + 1 + markers);
    if (colour) {
        // A click gives the strip the focus, so that Delete reaches it.
        setFocusPolicy(Qt::ClickFocus);
        HoverHelp::setHelpText(this, tr("寿命中の色と不透明度。クリックで追加、ドラッグ・←→で移動、"
                                        "ダブルクリックで色を選択、Deleteで削除。"));
    } else {
        HoverHelp::setHelpText(this, tr("パーティクルのサイズの変化（左が発生時、右が消滅時）。"));
    }
    connect(&editor, &Editor::documentChanged, this, [this] { follow(); });
}

QRect GradientStrip::stripRect() const { return {kLeft, kTop, kColumns, kStripHeight}; }

QRect GradientStrip::markerRect() const {
    if (m_mode != Mode::Colour) return {};
    return {0, kTop + kStripHeight + 1, width(), kMarkerHeight};
}

int GradientStrip::xOf(float position) {
    const float column = std::clamp(position, 0.0f, 100.0f) * static_cast<float>(kColumns - 1) / 100.0f;
    return kLeft + static_cast<int>(std::lround(column));
}

float GradientStrip::positionAt(int x) {
    const float position = static_cast<float>(x - kLeft) * 100.0f / static_cast<float>(kColumns - 1);
    return std::clamp(position, 0.0f, 100.0f);
}

std::optional<ColourGradient> GradientStrip::gradient() const {
    const Node* node = m_editor.state().tree.selected();
    if (node == nullptr) return std::nullopt;
    return ColourGradient(*node);
}

int GradientStrip::stopAt(const QPoint& pos) const {
    if (m_mode != Mode::Colour || !rect().contains(pos)) return -1;
    const std::optional<ColourGradient> shown = gradient();
    if (!shown) return -1;
    const int reach = pos.y() >= markerRect().top() ? kMarkerHalfWidth : kStripPick;
    const std::vector<GradientStop> stops = shown->stops();
    int nearest = -1;
    int nearestDistance = reach + 1;
    for (std::size_t i = 0; i < stops.size(); ++i) {
        const int distance = std::abs(xOf(stops[i].position) - pos.x());
        if (distance < nearestDistance) {
            nearest = static_cast<int>(i);
            nearestDistance = distance;
        }
    }
    return nearest;
}

void GradientStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setPen(kFrame);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(stripRect().adjusted(-1, -1, 0, 0));
    if (m_mode == Mode::Size) {
        paintSize(painter);
    } else if (const std::optional<ColourGradient> shown = gradient()) {
        paintColour(painter, *shown);
    }
}

void GradientStrip::paintColour(QPainter& painter, const ColourGradient& shown) const {
    const QRect strip = stripRect();
    painter.save();
    painter.setClipRect(strip);
    for (int y = strip.top(); y <= strip.bottom(); y += kChecker) {
        for (int x = strip.left(); x <= strip.right(); x += kChecker) {
            const bool light = ((x - strip.left()) / kChecker + (y - strip.top()) / kChecker) % 2 == 0;
            painter.fillRect(QRect(x, y, kChecker, kChecker), light ? kCheckerLight : kCheckerDark);
        }
    }
    for (int column = 0; column < kColumns; ++column) {
        const GradientColour colour = shown.colourAt(column, kColumns - 1);
        painter.fillRect(QRect(strip.left() + column, strip.top(), 1, strip.height()), qColour(colour, false));
    }
    painter.restore();

    // The markers: filled with the stop's colour when all four curves have
    // a point there, hollow while some curve only passes through it.
    const std::vector<GradientStop> stops = shown.stops();
    const int top = markerRect().top();
    for (std::size_t i = 0; i < stops.size(); ++i) {
        const GradientStop& stop = stops[i];
        const bool selected = static_cast<int>(i) == m_selected;
        painter.setPen(QPen(selected ? QColor(Qt::white) : kMarkerEdge, selected ? 2 : 1));
        painter.setBrush(stop.complete ? QBrush(qColour(stop.colour, true)) : QBrush(Qt::NoBrush));
        painter.drawPolygon(markerShape(xOf(stop.position), top));
    }
}

void GradientStrip::paintSize(QPainter& painter) const {
    const QRect strip = stripRect();
    painter.fillRect(strip, kSizeBackground);
    const Node* node = m_editor.state().tree.selected();
    if (node == nullptr) return;
    // The band is as high as the size is large: full height at the curve's top.
    const Graph& size = node->curve(kCurveSize);
    for (int column = 0; column < kColumns; ++column) {
        const float factor = std::clamp(size.evaluate(column, kColumns - 1), 0.0f, 1.0f);
        const int height = static_cast<int>(std::lround(factor * static_cast<float>(strip.height())));
        painter.fillRect(QRect(strip.left() + column, strip.bottom() + 1 - height, 1, height), kSizeBand);
    }
}

void GradientStrip::select(int stop) {
    const Node* node = m_editor.state().tree.selected();
    m_selectedNode = node != nullptr ? node->m_ID : -1;
    if (const std::optional<ColourGradient> shown = gradient()) m_known = shown->points();
    if (stop == m_selected) return;
    m_nudging = false;
    m_selected = stop;
    update();
    emit selectionChanged(stop);
}

void GradientStrip::store(const GradientPoints& points) {
    // Known before the editor announces the change, so that follow() sees
    // the strip's own change.
    m_known = points;
    m_editor.setGradientPoints(points);
    update();
    emit pointsChanged();
}

void GradientStrip::follow() {
    const Node* node = m_editor.state().tree.selected();
    const std::int32_t id = node != nullptr ? node->m_ID : -1;
    if (m_mode == Mode::Colour) {
        const std::optional<ColourGradient> now = gradient();
        const bool same = now && now->points() == m_known;
        // Undone, another node, a curve edited in the curve window: the
        // drag's base and the picked stop's index mean nothing any more.
        if (!same) m_nudging = false;
        if (m_drag && (id != m_drag->node || !same)) m_drag.reset();
        if (m_selected >= 0 && (id != m_selectedNode || !same)) select(-1);
    }
    update();
}

void GradientStrip::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (m_mode != Mode::Colour || event->button() != Qt::LeftButton) return;
    std::optional<ColourGradient> edited = gradient();
    if (!edited) return;
    const QPoint pos = event->position().toPoint();
    int stop = stopAt(pos);
    // The whole gesture, the added stop and its drag, is one edit.
    beginGesture();
    const bool add = stop < 0;
    if (add) stop = edited->addStop(positionAt(pos.x()));
    const std::int32_t node = m_editor.state().tree.selected()->m_ID;
    m_drag = Drag{node, stop, edited->points()};
    select(stop);
    if (add) store(edited->points());
}

void GradientStrip::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (!m_drag || !(event->buttons() & Qt::LeftButton)) return;
    // Every move starts again from the press, so the stop lands exactly
    // under the mouse however it got there.
    ColourGradient moved(m_drag->base);
    if (moved.moveStop(m_drag->stop, positionAt(event->position().toPoint().x())) < 0) return;
    if (moved.points() != m_known) store(moved.points());
}

void GradientStrip::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton) m_drag.reset();
}

void GradientStrip::mouseDoubleClickEvent(QMouseEvent* event) {
    const int stop = event->button() == Qt::LeftButton ? stopAt(event->position().toPoint()) : -1;
    if (stop < 0) {
        mousePressEvent(event);
        return;
    }
    event->accept();
    m_drag.reset();
    select(stop);
    chooseColour(stop);
}

bool GradientStrip::event(QEvent* event) {
    // Delete removes the selected stop even where the window binds the key.
    if (event->type() == QEvent::ShortcutOverride && m_selected >= 0 && plainDelete(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    if (event->type() == QEvent::ToolTip && m_mode == Mode::Colour) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int stop = stopAt(help->pos());
        const std::optional<ColourGradient> shown = gradient();
        if (stop < 0 || !shown) {
            QToolTip::showText(help->globalPos(), HoverHelp::helpText(this), this);
            return true;
        }
        const GradientStop at = shown->stops()[static_cast<std::size_t>(stop)];
        QToolTip::showText(help->globalPos(),
                           tr("位置 %1　赤 %2　緑 %3　青 %4　不透明度 %5")
                               .arg(static_cast<double>(at.position))
                               .arg(at.colour.red)
                               .arg(at.colour.green)
                               .arg(at.colour.blue)
                               .arg(at.colour.alpha),
                           this);
        return true;
    }
    return QWidget::event(event);
}

void GradientStrip::keyPressEvent(QKeyEvent* event) {
    if (m_mode != Mode::Colour) {
        QWidget::keyPressEvent(event);
        return;
    }
    const Qt::KeyboardModifiers held = event->modifiers() & ~Qt::KeypadModifier;
    const bool arrow = event->key() == Qt::Key_Left || event->key() == Qt::Key_Right;
    if (m_selected >= 0 && plainDelete(*event)) {
        removeStop(m_selected);
    } else if (m_selected >= 0 && arrow && (held & ~Qt::ShiftModifier) == Qt::NoModifier) {
        const int units = held & Qt::ShiftModifier ? 5 : 1;
        nudge(m_selected, event->key() == Qt::Key_Left ? -units : units);
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void GradientStrip::beginGesture() {
    m_nudging = false;
    m_editor.beginGradientEdit();
}

void GradientStrip::nudge(int stop, int units) {
    std::optional<ColourGradient> edited = gradient();
    if (!edited) return;
    const std::vector<GradientStop> stops = edited->stops();
    if (stop <= 0 || stop >= static_cast<int>(stops.size()) - 1) return;
    // The presses of one run of arrow keys on one stop are one entry.
    if (!m_nudging) {
        beginGesture();
        m_nudging = true;
    }
    m_drag.reset();
    const float target = stops[static_cast<std::size_t>(stop)].position + static_cast<float>(units);
    if (edited->moveStop(stop, target) < 0 || edited->points() == m_known) return;
    store(edited->points());
}

void GradientStrip::chooseColour(int stop) {
    const std::optional<ColourGradient> shown = gradient();
    if (!shown || stop < 0 || stop >= static_cast<int>(shown->stops().size())) return;
    const std::optional<GradientColour> chosen =
        chooseGradientColour(shown->stops()[static_cast<std::size_t>(stop)].colour, this);
    if (!chosen) return;
    // The document as it is now the chooser has closed.
    std::optional<ColourGradient> edited = gradient();
    if (!edited || !edited->setColour(stop, *chosen)) return;
    beginGesture();
    store(edited->points());
}

bool GradientStrip::removeStop(int stop) {
    std::optional<ColourGradient> edited = gradient();
    if (!edited || !edited->removeStop(stop)) return false;
    m_drag.reset();
    select(-1);
    beginGesture();
    store(edited->points());
    return true;
}

void GradientStrip::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    if (m_mode != Mode::Colour || !gradient()) return;
    // The stop under the mouse, or else the one picked before.
    int stop = stopAt(event->pos());
    if (stop >= 0) {
        select(stop);
    } else {
        stop = m_selected;
    }
    popUpMenu(stop, event->globalPos());
}

void GradientStrip::popUpMenu(int stop, const QPoint& globalPos) {
    for (QMenu* old : findChildren<QMenu*>(QStringLiteral("gradientMenu"), Qt::FindDirectChildrenOnly)) {
        old->close();
        old->deleteLater();
    }
    const std::optional<ColourGradient> shown = gradient();
    const int count = shown ? static_cast<int>(shown->stops().size()) : 0;
    auto* menu = new QMenu(tr("グラデーション"), this);
    menu->setObjectName(QStringLiteral("gradientMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction* colour = menu->addAction(tr("色..."));
    colour->setObjectName(QStringLiteral("gradientColour"));
    colour->setEnabled(stop >= 0 && stop < count);
    QAction* remove = menu->addAction(tr("削除"));
    remove->setObjectName(QStringLiteral("gradientRemove"));
    // The end stops hold the curves' first and last points: they stay.
    remove->setEnabled(stop > 0 && stop < count - 1);
    menu->addSeparator();
    QAction* copy = menu->addAction(tr("グラデーションをコピー"));
    copy->setObjectName(QStringLiteral("gradientCopy"));
    QAction* paste = menu->addAction(tr("グラデーションを貼り付け"));
    paste->setObjectName(QStringLiteral("gradientPaste"));
    paste->setEnabled(m_editor.canPasteGradient());
    // Queued: the menu closes before a chooser opens over it.
    connect(colour, &QAction::triggered, this, [this, stop] { chooseColour(stop); }, Qt::QueuedConnection);
    connect(remove, &QAction::triggered, this, [this, stop] { removeStop(stop); });
    connect(copy, &QAction::triggered, this, [this] { m_editor.copyGradient(); });
    connect(paste, &QAction::triggered, this, [this] {
        m_drag.reset();
        select(-1);
        if (!m_editor.pasteGradient()) return;
        update();
        emit pointsChanged();
    });
    menu->popup(globalPos);
}

}  // namespace fg
