#pragma once
// The strip of 13 picture buttons under the menu bar. Each button triggers
// its command's action; positions and gaps follow the toolbar layout.

#include <QAbstractButton>
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <functional>
#include <vector>

#include "ui/Commands.h"

class QAction;

namespace fg {

class ToolbarButton : public QAbstractButton {
    Q_OBJECT

public:
    ToolbarButton(Command command, const QImage& normal, const QImage& pressed, QWidget* parent);
    Command command() const { return m_command; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Command m_command;
    QPixmap m_normal;
    QPixmap m_pressed;
};

class ToolbarStrip : public QWidget {
    Q_OBJECT

public:
    // `actionFor` gives the action each button triggers.
    explicit ToolbarStrip(const std::function<QAction*(Command)>& actionFor, QWidget* parent = nullptr);

    const std::vector<ToolbarButton*>& buttons() const { return m_buttons; }
    ToolbarButton* button(Command command) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void connectTo(ToolbarButton* button, QAction* action);

    QPixmap m_pattern;
    std::vector<ToolbarButton*> m_buttons;
};

}  // namespace fg
