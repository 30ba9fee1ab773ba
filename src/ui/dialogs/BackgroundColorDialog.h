#pragma once
// "背景色の設定": the colour chooser, starting from the project's background
// colour. Its custom colours are the chooser's own and stay for the
// program's run.

class QWidget;

namespace fg {

class Editor;

// True when a colour was chosen and given to the editor.
bool chooseBackgroundColor(Editor& editor, QWidget* parent);

}  // namespace fg
