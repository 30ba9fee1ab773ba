#include "ui/RecentFilesMenu.h"

#include <QAction>

namespace fg {

RecentFilesMenu::RecentFilesMenu(QWidget* parent)
    : QMenu(tr("最近使ったファイル(&F)"), parent), m_clear(new QAction(tr("最近使ったファイルの一覧を消去"), this)) {
    setObjectName(QStringLiteral("recentFilesMenu"));
    m_clear->setObjectName(QStringLiteral("clearRecentFiles"));
    // Not received by the menu itself: taking an item out of a menu cuts
    // every connection from the item to the menu, and rebuild() does.
    connect(m_clear, &QAction::triggered, m_clear, [this] { emit clearChosen(); });
}

QString RecentFilesMenu::entryLabel(int index, const QString& path) {
    // A "&" in a path is part of the name, not a mnemonic.
    QString shown = path;
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    const int number = index + 1;
    // The tenth takes its last digit, as 1 to 9 take theirs.
    const QString numbered =
        number < 10 ? QStringLiteral("&%1").arg(number) : QStringLiteral("%1&%2").arg(number / 10).arg(number % 10);
    return numbered + QLatin1Char(' ') + shown;
}

void RecentFilesMenu::rebuild(const QStringList& paths) {
    // The entries are made anew and the clear item is kept. An entry may be
    // the one whose choice led here: it goes once its signal is done.
    for (QAction* item : actions()) {
        removeAction(item);
        if (item != m_clear) item->deleteLater();
    }
    m_entries.clear();
    for (int i = 0; i < paths.size(); ++i) {
        QAction* entry = addAction(entryLabel(i, paths[i]));
        entry->setData(i);
        connect(entry, &QAction::triggered, this, [this, i] { emit entryChosen(i); });
        m_entries.append(entry);
    }
    m_clear->setEnabled(!paths.isEmpty());
    if (!paths.isEmpty()) {
        addSeparator();
        addAction(m_clear);
    }
    setEnabled(!paths.isEmpty());
}

}  // namespace fg
