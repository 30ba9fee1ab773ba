#pragma once
// Pieces every settings dialog is built from: number boxes that clamp what
// is typed to their range, the OK / キャンセル row, the tab order.

#include <initializer_list>

#include "app/ProjectSettingsRules.h"

class QDialog;
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

// Tab moves through `widgets` in this order.
void chainTabOrder(std::initializer_list<QWidget*> widgets);

}  // namespace fg
