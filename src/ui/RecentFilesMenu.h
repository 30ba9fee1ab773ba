#pragma once
// "最近使ったファイル(&F)": one item per recent project, newest first, each
// labelled with its full path.

#include <QMenu>
#include <QStringList>

namespace fg {

class RecentFilesMenu : public QMenu {
    Q_OBJECT

public:
    explicit RecentFilesMenu(QWidget* parent = nullptr);
    void rebuild(const QStringList& paths);

signals:
    void entryChosen(int index);
};

}  // namespace fg
