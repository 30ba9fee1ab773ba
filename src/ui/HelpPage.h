#pragma once
// The help pages that ship with the program, one per interface language,
// and showing one in the user's browser.

#include <QString>
#include <QUrl>
#include <functional>

#include "text/Language.h"

class QWidget;

namespace fg {

// The help page for `language`, found from the program's folder: installed,
// in share/fulgrane3d/help beside the program's bin folder; in the build
// tree, in help/ beside the program. When neither exists, the installed
// place, so that a message can say where the page belongs.
QString helpPagePath(text::Language language, const QString& programDir);

// Hands an address to the desktop; false when nothing could show it.
using UrlOpener = std::function<bool(const QUrl&)>;

// The desktop's own opener (QDesktopServices).
UrlOpener desktopUrlOpener();

// Opens `page` (a local file or an address) with `open`. When that fails,
// or the local file is missing, a message tells where the page is, so the
// user can open it by hand. False when the page was not shown.
bool showHelpPage(QWidget* parent, const QUrl& page, const UrlOpener& open);

}  // namespace fg
