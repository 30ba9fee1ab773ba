#pragma once
// "言語 / Language" at the end of the view menu: 日本語 or English, each
// named in its own language so that a user can find theirs whichever is
// shown. A choice is stored in data.prm (UI LANG) and applies from the next
// start; the widgets build their texts once, so switching on the spot would
// mean rebuilding the window.

#include <filesystem>

#include "text/Language.h"

class QMenu;

namespace fg {

class MainWindow;

// The submenu, its items checked for `current` (the language of this run).
QMenu* addLanguageMenu(MainWindow& window, const std::filesystem::path& dataPrm, text::Language current);

}  // namespace fg
