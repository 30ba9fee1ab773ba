#pragma once
// The panels' font: Meiryo where it is installed, else a Japanese sans-serif
// face, else the generic sans-serif family.

#include <QFont>

namespace fg {

QFont panelFont(int pointSize);

}  // namespace fg
