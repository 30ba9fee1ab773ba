#pragma once
// Pieces every settings dialog is built from: number boxes that clamp what
// is typed to their range, the OK / キャンセル row, the tab order, a width
// that leaves the title readable.

#include <initializer_list>

#include "app/ProjectSettingsRules.h"

class QDialog;
class QFont;
class QDialogButtonBox;
class QSpinBox;
class QString;
class QWidget;

namespace fg {

// A number box over `range` showing `value` (clamped). A typed value outside
// the range is corrected to the nearest end rather than dropped.
QSpinBox* numberBox(const char* objectName, SpinRange range, int value);

// "OK" (the default button: Enter) and "キャンセル" (Esc), wired to the
// dialog's accept and reject; named "ok" and "cancel". Without a cancel
// button when `withCancel` is false.
QDialogButtonBox* dialogButtons(QDialog* dialog, bool withCancel = true);

// The width a window needs so that a window manager's title bar shows all
// of `title` (set in `font`, bold as most title bars are) beside its icon
// and buttons.
int titleBarWidth(const QString& title, const QFont& font);

// Keeps `window` at least as wide as its title bar needs (its title as it
// is now, in the language shown), whatever its layout's size rule. Call it
// once the title and the layout are set.
void fitTitle(QWidget* window);

// Tab moves through `widgets` in this order.
void chainTabOrder(std::initializer_list<QWidget*> widgets);

}  // namespace fg
