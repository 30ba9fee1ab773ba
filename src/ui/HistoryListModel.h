#pragma once
// The edit history as a list model: one row per entry, its label in the
// current language, and whether it is done, current or undone (redoable).

#include <QAbstractListModel>

namespace fg {

class Editor;

class HistoryListModel : public QAbstractListModel {
    Q_OBJECT

public:
    enum class RowState { Done, Current, Undone };
    static constexpr int kStateRole = Qt::UserRole + 1;  // a RowState as int

    explicit HistoryListModel(const Editor& editor, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // The history changed: rows and states follow.
    void refresh();

private:
    const Editor& m_editor;
};

}  // namespace fg
