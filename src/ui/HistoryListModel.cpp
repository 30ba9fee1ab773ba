#include "ui/HistoryListModel.h"

#include "app/Editor.h"
#include "text/Format.h"

namespace fg {

HistoryListModel::HistoryListModel(const Editor& editor, QObject* parent) : QAbstractListModel(parent), m_editor(editor) {}

int HistoryListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_editor.history().count();
}

QVariant HistoryListModel::data(const QModelIndex& index, int role) const {
    const EditHistory& history = m_editor.history();
    if (!index.isValid() || index.row() >= history.count()) return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole: return text::format(history.entry(index.row()).label);
    case kStateRole: {
        const int current = history.index();
        const RowState state = index.row() < current    ? RowState::Done
                               : index.row() == current ? RowState::Current
                                                        : RowState::Undone;
        return static_cast<int>(state);
    }
    default: return {};
    }
}

void HistoryListModel::refresh() {
    beginResetModel();
    endResetModel();
}

}  // namespace fg
