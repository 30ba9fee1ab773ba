#pragma once
// "最近使ったファイル(&F)": one item per recent project, newest first, each
// labelled with its full path after its number ("&1 …" to "&9 …", the tenth
// "1&0 …"), then "最近使ったファイルの一覧を消去" after a separator. With no
// recent project the menu is empty and disabled.

#include <QMenu>
#include <QStringList>

class QAction;

namespace fg {

class RecentFilesMenu : public QMenu {
    Q_OBJECT

public:
    explicit RecentFilesMenu(QWidget* parent = nullptr);
    void rebuild(const QStringList& paths);

    // The items that open a project, in order.
    const QList<QAction*>& entries() const { return m_entries; }
    // "最近使ったファイルの一覧を消去".
    QAction* clearAction() const { return m_clear; }

    // The label of entry `index` (0 …) for `path`: its number as the
    // mnemonic, then the path with any "&" shown as it is.
    static QString entryLabel(int index, const QString& path);

signals:
    void entryChosen(int index);
    void clearChosen();

private:
    QList<QAction*> m_entries;
    QAction* m_clear;
};

}  // namespace fg
