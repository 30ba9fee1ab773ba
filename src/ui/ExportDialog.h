#pragma once
// "書き出し": the range, the layout and the options of an export, filled
// from the project's export settings and checked on OK with the export
// settings' own rules and messages.

#include <QDialog>

#include <array>

#include "model/ProjectSettings.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;

namespace fg {

class ExportDialog : public QDialog {
    Q_OBJECT
public:
    ExportDialog(const WriteSettings& write, const ProjectSettings& project, QWidget* parent = nullptr);

    // The settings as the controls show them.
    WriteSettings settings() const;

    QSpinBox* startBox() const { return m_start; }
    QSpinBox* endBox() const { return m_end; }
    QSpinBox* stepBox() const { return m_step; }
    QSpinBox* columnsBox() const { return m_columns; }
    QComboBox* layoutBox() const { return m_layout; }
    QCheckBox* alphaBox() const { return m_alpha; }
    QSpinBox* smoothBox() const { return m_smooth; }

public slots:
    // OK: closes only when the range is good, else tells what to correct.
    void accept() override;

private:
    void rangeChanged();
    void refresh();

    ProjectSettings m_project;
    WriteSettings m_write;  // what the controls do not show (rows)
    QSpinBox* m_start = nullptr;
    QSpinBox* m_end = nullptr;
    QSpinBox* m_step = nullptr;
    QComboBox* m_layout = nullptr;
    QSpinBox* m_columns = nullptr;
    QCheckBox* m_alpha = nullptr;
    QSpinBox* m_smooth = nullptr;
    QLabel* m_info = nullptr;
    // The range the frames per row were last proposed for: Enter in a spin
    // box re-announces an unchanged value, which must not undo the user's
    // own frames per row.
    std::array<int, 3> m_proposedFor{};
};

}  // namespace fg
