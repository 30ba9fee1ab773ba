#pragma once
// The "グラフ" context menu of a curve: "コピー" puts the curve's points on
// the point clipboard, "貼り付け" (greyed while there is nothing to paste)
// replaces them as one curve edit, and the "プリセット" submenu gives the
// curve a ready-made shape, as one curve edit too. The curve window adds
// checkable items for what it shows.

#include <QPoint>
#include <QString>
#include <functional>
#include <vector>

class QMenu;
class QWidget;

namespace fg {

class Editor;

// A checkable item after the others; `toggled` gets the new state.
struct CurveMenuToggle {
    QString text;
    QString name;  // the action's object name
    bool checked = false;
    bool enabled = true;
    std::function<void(bool)> toggled;
};

// Opens the menu for curve `graphNumber` of the selected node at `globalPos`
// (not blocking). It is a child of `owner` named "curveMenu" and deletes
// itself when it closes; `afterPaste` runs after a paste or a preset.
QMenu* popUpCurveMenu(QWidget* owner, Editor& editor, int graphNumber, const QPoint& globalPos,
                      std::function<void()> afterPaste, const std::vector<CurveMenuToggle>& toggles = {});

}  // namespace fg
