#pragma once
// Who gets Ctrl+Z, Ctrl+Y, Ctrl+C and Ctrl+V when a text field of the main
// window has the focus. Text fields claim these keys for their own editing,
// but they are also the window's undo, redo, camera settings and view list.
// A field keeps them only while it has something of its own to act on:
// typed text not yet committed, or a selection the user made. Otherwise the
// window's commands run, so that undo after a committed value or a step of
// the arrows undoes the edit rather than nothing.

#include <QList>
#include <QObject>

class QAction;
class QWidget;

namespace fg {

class FieldKeys : public QObject {
    Q_OBJECT

public:
    // Watches the text fields inside `window` for the shortcuts of `actions`.
    FieldKeys(QWidget* window, QList<QAction*> actions);

    // Whether the focused `widget` keeps the editing keys for its text.
    static bool keepsEditingKeys(const QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    QList<QAction*> m_actions;
};

}  // namespace fg
