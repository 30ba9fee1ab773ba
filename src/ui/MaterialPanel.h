#pragma once
// The material panel: the project's images and models with thumbnails
// (images first, model names in yellow), and the commands to add files (by
// dialog or by dropping them), delete, save and mirror the selected
// material, and a context menu with those and rename, replace and reload. The files and the nodes' references are the Editor's business.
// The selection follows its material by file name when the list changes.

#include <QPixmap>
#include <memory>
#include <vector>

#include "persistence/MaterialFiles.h"
#include "ui/ListPanel.h"

class QFileDialog;
class QMenu;

namespace fg {

class Editor;

class MaterialPanel : public ListPanel {
    Q_OBJECT

public:
    static constexpr int kRowHeight = 33;

    explicit MaterialPanel(Editor& editor, QWidget* parent = nullptr);

    const std::vector<MaterialFile>& materials() const { return m_materials; }
    int selectedIndex() const { return m_selected; }
    void setSelectedIndex(int index);

    // The button commands.
    void addFromDialog();
    void deleteSelected();
    void saveSelected();
    void mirrorSelected();
    // The context menu's commands beyond the buttons'.
    void renameSelected();
    void replaceSelected();
    void reloadSelected();
    // The context menu for the selected material, as a right click opens it.
    std::unique_ptr<QMenu> makeContextMenu();

protected:
    void paintRows(QPainter& painter, const QRect& visible) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // The list again from the editor; the selection stays on its file or goes.
    void reload();
    bool validSelection() const;

    Editor& m_editor;
    std::vector<MaterialFile> m_materials;
    std::vector<QPixmap> m_thumbnails;
    QPixmap m_modelIcon;
    int m_selected = -1;
};

// The 33 × 33 picture a model shows in the list.
QPixmap modelIcon();

}  // namespace fg
