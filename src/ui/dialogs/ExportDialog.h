#pragma once
// "書き出し": the range, the layout, the frame size and the options of an
// export, with a picture of the layout and its information line. What is
// typed goes to the project at once (Cancel keeps it, as a settings edit);
// OK checks the range with the export settings' own rules and messages.

#include <QDialog>

#include <array>

#include "model/ProjectSettings.h"
#include "render/export/EngineExportOptions.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;

namespace fg {

class Editor;
class ExportAdvancedGroup;
class ExportPreview;

class ExportDialog : public QDialog {
    Q_OBJECT
public:
    // `choices`: the advanced choices to show (the user's own, from data.prm).
    ExportDialog(Editor& editor, QWidget* parent = nullptr, const EngineExportOptions& choices = {});

    // The export settings as the controls show them.
    WriteSettings settings() const;
    // The advanced choices as the controls show them.
    EngineExportOptions choices() const;
    ExportAdvancedGroup* advanced() const { return m_advanced; }

    QSpinBox* startBox() const { return m_start; }
    QSpinBox* endBox() const { return m_end; }
    QSpinBox* stepBox() const { return m_step; }
    QComboBox* layoutBox() const { return m_layout; }
    QSpinBox* columnsBox() const { return m_columns; }
    QSpinBox* widthBox() const { return m_width; }
    QSpinBox* heightBox() const { return m_height; }
    QCheckBox* alphaBox() const { return m_alpha; }
    QSpinBox* smoothBox() const { return m_smooth; }
    QLabel* infoLine() const { return m_info; }
    ExportPreview* preview() const { return m_preview; }

public slots:
    // OK: closes only when the range is good, else tells what to correct.
    void accept() override;

private:
    void rangeChanged();
    // A control changed: to the project, then refresh.
    void changed();
    // The columns box, the picture and the information line.
    void refresh();

    Editor& m_editor;
    int m_frames = 1;         // the effect's frame count, as the ranges use it
    WriteSettings m_write;    // what the controls do not show (rows)
    QSpinBox* m_start = nullptr;
    QSpinBox* m_end = nullptr;
    QSpinBox* m_step = nullptr;
    QComboBox* m_layout = nullptr;
    QSpinBox* m_columns = nullptr;
    QSpinBox* m_width = nullptr;
    QSpinBox* m_height = nullptr;
    QCheckBox* m_alpha = nullptr;
    QSpinBox* m_smooth = nullptr;
    ExportPreview* m_preview = nullptr;
    ExportAdvancedGroup* m_advanced = nullptr;
    QLabel* m_info = nullptr;
    // The range the frames per row were last proposed for: Enter in a spin
    // box re-announces an unchanged value, which must not undo the user's
    // own frames per row.
    std::array<int, 3> m_proposedFor{};
};

}  // namespace fg
