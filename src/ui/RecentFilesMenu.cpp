#include "ui/RecentFilesMenu.h"

namespace fg {

RecentFilesMenu::RecentFilesMenu(QWidget* parent) : QMenu(tr("最近使ったファイル(&F)"), parent) {
    setObjectName(QStringLiteral("recentFilesMenu"));
}

void RecentFilesMenu::rebuild(const QStringList& paths) {
    clear();
    for (int i = 0; i < paths.size(); ++i) {
        // A "&" in a path is part of the name, not a mnemonic.
        QString label = paths[i];
        label.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* entry = addAction(label);
        entry->setData(i);
        connect(entry, &QAction::triggered, this, [this, i] { emit entryChosen(i); });
    }
    setEnabled(!paths.isEmpty());
}

}  // namespace fg
