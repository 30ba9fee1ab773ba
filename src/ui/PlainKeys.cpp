#include "ui/PlainKeys.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace fg {

PlainKeys::PlainKeys(QWidget* window, QList<QAction*> actions)
    : QObject(window), m_window(window), m_actions(std::move(actions)) {
    // The shortcut check asks the focused widget first, which may be any
    // control of the window, made now or later (the node name's box).
    qApp->installEventFilter(this);
}

bool PlainKeys::keepsKey(const QWidget* widget, int key) {
    if (widget == nullptr) return false;
    // Text fields (a spin box's text part too) type every plain key and
    // move the cursor with Home and End.
    if (qobject_cast<const QLineEdit*>(widget) != nullptr || qobject_cast<const QAbstractSpinBox*>(widget) != nullptr ||
        qobject_cast<const QTextEdit*>(widget) != nullptr || qobject_cast<const QPlainTextEdit*>(widget) != nullptr) {
        return true;
    }
    const bool ends = key == Qt::Key_Home || key == Qt::Key_End;
    if (const auto* list = qobject_cast<const QComboBox*>(widget)) {
        // An editable list's text field answers for itself; a plain one opens on Space.
        return list->isEditable() || ends || key == Qt::Key_Space;
    }
    if (qobject_cast<const QAbstractItemView*>(widget) != nullptr) return ends || key == Qt::Key_Space;
    if (qobject_cast<const QAbstractSlider*>(widget) != nullptr) return ends;
    if (qobject_cast<const QAbstractButton*>(widget) != nullptr) return key == Qt::Key_Space;
    return false;
}

bool PlainKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    // Only the focused control decides (the event goes on to its parents).
    if (widget != QApplication::focusWidget() || widget->window() != m_window) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(key->keyCombination());
    for (const QAction* action : m_actions) {
        if (action->shortcut() != pressed) continue;
        if (!keepsKey(widget, key->key())) return false;
        // Accepting the override hands the key to the control.
        event->accept();
        return true;
    }
    return false;
}

}  // namespace fg
