#pragma once
// The strip of 16 picture buttons under the menu bar. Each button triggers
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
    // A second pair of faces, for a button whose picture shows a state.
    void setAlternateFaces(const QImage& normal, const QImage& pressed);
    // Shows the second faces (true) or the first ones.
    void setAlternate(bool alternate);
    bool isAlternate() const { return m_alternate; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Command m_command;
    QPixmap m_normal;
    QPixmap m_pressed;
    QPixmap m_alternateNormal;
    QPixmap m_alternatePressed;
    bool m_alternate = false;
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
