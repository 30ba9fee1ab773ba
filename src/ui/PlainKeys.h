#pragma once
// Who gets the window's commands on plain keys (Space, period, comma, Home,
// End, F) when a control of the main window has the focus. These keys are
// also the controls' own: text fields type and move with them, a button
// presses on Space, a drop-down list or an item list moves to its ends on
// Home and End. Such a control keeps the keys it uses; everywhere else (the
// view, the node tree, the material list, the timeline) the command runs.

#include <QList>
#include <QObject>

class QAction;
class QWidget;

namespace fg {

class PlainKeys : public QObject {
    Q_OBJECT

public:
    // Arbitrates the shortcuts of `actions` for the controls inside `window`.
    PlainKeys(QWidget* window, QList<QAction*> actions);

    // Whether the focused `widget` uses `key` (no Ctrl or Alt) itself.
    static bool keepsKey(const QWidget* widget, int key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    QList<QAction*> m_actions;
};

}  // namespace fg
