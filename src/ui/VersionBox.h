#pragma once
// "バージョン情報": the program's name and version in a message box.

class QString;
class QWidget;

namespace fg {

void showVersionBox(QWidget* parent, const QString& version);

}  // namespace fg
