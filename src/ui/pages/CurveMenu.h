#pragma once
// The "グラフ" context menu of a curve: "コピー" puts the curve's points on
// the point clipboard, "貼り付け" (greyed while there is nothing to paste)
// replaces them as one curve edit, and the "プリセット" submenu gives the
// curve a ready-made shape, as one curve edit too.

#include <QPoint>
#include <functional>

class QMenu;
class QWidget;

namespace fg {

class Editor;

// Opens the menu for curve `graphNumber` of the selected node at `globalPos`
// (not blocking). It is a child of `owner` named "curveMenu" and deletes
// itself when it closes; `afterPaste` runs after a paste or a preset.
QMenu* popUpCurveMenu(QWidget* owner, Editor& editor, int graphNumber, const QPoint& globalPos,
                      std::function<void()> afterPaste);

}  // namespace fg
