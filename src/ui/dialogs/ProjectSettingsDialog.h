#pragma once
// "プロジェクトの設定": the effect's frame count, the preview speed, the
// export frame size and the display options. OK hands them to the editor,
// which also resets the export range to the whole effect.

#include <QDialog>

#include "app/ProjectSettingsRules.h"

class QCheckBox;
class QSpinBox;

namespace fg {

class Editor;

class ProjectSettingsDialog : public QDialog {
    Q_OBJECT
public:
    ProjectSettingsDialog(Editor& editor, QWidget* parent = nullptr);

    // The settings as the controls show them.
    ProjectSettingsChoice choice() const;

    QSpinBox* frameBox() const { return m_frame; }
    QSpinBox* fpsBox() const { return m_fps; }
    QSpinBox* widthBox() const { return m_width; }
    QSpinBox* heightBox() const { return m_height; }
    QCheckBox* sortBox() const { return m_sort; }
    QCheckBox* reverseBox() const { return m_reverse; }

public slots:
    void accept() override;

private:
    Editor& m_editor;
    QSpinBox* m_frame = nullptr;
    QSpinBox* m_fps = nullptr;
    QSpinBox* m_width = nullptr;
    QSpinBox* m_height = nullptr;
    QCheckBox* m_sort = nullptr;
    QCheckBox* m_reverse = nullptr;
};

}  // namespace fg
