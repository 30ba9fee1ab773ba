#pragma once
// The Undo and Redo commands follow the edit history: each is enabled only
// while there is a step to take, and its text names the entry it would
// step over ("元に戻す: 炎-サイズ"). With nothing to name, an action keeps
// its menu text; shortcuts and help texts never change.

class QAction;

namespace fg {

class Editor;

void followHistory(const Editor& editor, QAction* undo, QAction* redo);

}  // namespace fg
