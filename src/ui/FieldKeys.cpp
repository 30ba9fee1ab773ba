#include "ui/FieldKeys.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "ui/pages/NumberField.h"

namespace fg {

FieldKeys::FieldKeys(QWidget* window, QList<QAction*> actions)
    : QObject(window), m_window(window), m_actions(std::move(actions)) {
    // The shortcut check goes to the focused widget first, which may be any
    // field of the window, made now or later.
    qApp->installEventFilter(this);
}

bool FieldKeys::keepsEditingKeys(const QWidget* widget) {
    if (widget == nullptr) return false;
    // A spin box's text part has the focus; the spin box knows its state.
    const QWidget* owner = widget->parentWidget();
    if (const auto* number = qobject_cast<const NumberField*>(widget)) return number->keepsEditingKeys();
    if (const auto* number = qobject_cast<const NumberField*>(owner)) return number->keepsEditingKeys();
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        return edit->hasSelectedText() || edit->isUndoAvailable() || edit->isRedoAvailable();
    }
    if (const auto* spin = qobject_cast<const QAbstractSpinBox*>(widget)) {
        return keepsEditingKeys(spin->findChild<QLineEdit*>());
    }
    return false;
}

bool FieldKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != m_window) return false;
    // Other widgets answer for themselves (the check goes on to the parents).
    if (qobject_cast<QLineEdit*>(widget) == nullptr && qobject_cast<QAbstractSpinBox*>(widget) == nullptr) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(key->keyCombination());
    for (const QAction* action : m_actions) {
        if (action->shortcut() != pressed || !action->isEnabled()) continue;
        if (keepsEditingKeys(widget)) return false;
        // Not taken by the field: the shortcut runs.
        event->ignore();
        return true;
    }
    return false;
}

}  // namespace fg
