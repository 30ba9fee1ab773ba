#include "ui/ToolbarStrip.h"

#include <QAction>
#include <QPainter>

#include "ui/HoverHelp.h"
#include "ui/ToolbarArt.h"

namespace fg {

ToolbarButton::ToolbarButton(Command command, const QImage& normal, const QImage& pressed, QWidget* parent)
    : QAbstractButton(parent), m_command(command), m_normal(QPixmap::fromImage(normal)),
      m_pressed(QPixmap::fromImage(pressed)) {
    setFixedSize(kToolbarButtonWidth, kToolbarHeight);
    setFocusPolicy(Qt::NoFocus);
}

QSize ToolbarButton::sizeHint() const { return {kToolbarButtonWidth, kToolbarHeight}; }

void ToolbarButton::setAlternateFaces(const QImage& normal, const QImage& pressed) {
    m_alternateNormal = QPixmap::fromImage(normal);
    m_alternatePressed = QPixmap::fromImage(pressed);
}

void ToolbarButton::setAlternate(bool alternate) {
    if (alternate == m_alternate || m_alternateNormal.isNull()) return;
    m_alternate = alternate;
    update();
}

void ToolbarButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // A command that cannot act now (Undo with nothing to undo) is dimmed.
    if (!isEnabled()) painter.setOpacity(0.35);
    if (m_alternate) {
        painter.drawPixmap(0, 0, isDown() ? m_alternatePressed : m_alternateNormal);
    } else {
        painter.drawPixmap(0, 0, isDown() ? m_pressed : m_normal);
    }
}

ToolbarButton* ToolbarStrip::button(Command command) const {
    for (ToolbarButton* candidate : m_buttons) {
        if (candidate->command() == command) return candidate;
    }
    return nullptr;
}

ToolbarStrip::ToolbarStrip(const std::function<QAction*(Command)>& actionFor, QWidget* parent) : QWidget(parent) {
    const QImage sheet = drawToolbarSheet();
    m_pattern = QPixmap::fromImage(toolbarStripPattern(sheet));
    setFixedHeight(kToolbarHeight);
    int x = 0;
    int position = 0;
    for (const std::optional<Command>& slot : toolbarLayout()) {
        if (!slot) {
            x += kToolbarGap;
            continue;
        }
        auto* button = new ToolbarButton(*slot, toolbarFace(sheet, position, false), toolbarFace(sheet, position, true),
                                         this);
        button->move(x, 0);
        if (*slot == Command::PlayPause) {
            button->setAlternateFaces(toolbarFace(sheet, kToolbarPlayFace, false),
                                      toolbarFace(sheet, kToolbarPlayFace, true));
        }
        m_buttons.push_back(button);
        x += kToolbarButtonWidth;
        ++position;
    }
    for (ToolbarButton* button : m_buttons) connectTo(button, actionFor(button->command()));
}

void ToolbarStrip::connectTo(ToolbarButton* button, QAction* action) {
    const CommandInfo& info = commandInfo(button->command());
    if (info.helpText != nullptr) HoverHelp::setHelpText(button, action->statusTip());
    // The button follows its action: enabled with it, and its tool tip is
    // the action's text (which names the entry for Undo and Redo) with its key.
    const auto follow = [button, action] {
        button->setEnabled(action->isEnabled());
        button->setToolTip(HoverHelp::toolTipText(action->text(), action->shortcut()));
    };
    follow();
    connect(action, &QAction::changed, button, follow);
    connect(button, &QAbstractButton::clicked, action, &QAction::trigger);
}

void ToolbarStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(QRect(0, 0, width(), kToolbarHeight), m_pattern);
}

}  // namespace fg
