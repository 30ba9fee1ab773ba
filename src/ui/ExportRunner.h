#pragma once
// The export command: the export dialog, the destination, then the export
// service with a progress dialog. The export reads a copy of the document
// taken when it starts, so the preview worker goes on as it is and nothing
// the editor does meanwhile can reach the export's data.

#include <QObject>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "render/export/EngineExportOptions.h"
#include "render/export/ExportPipeline.h"

class QWidget;

namespace fg {

class Editor;

class ExportRunner : public QObject {
    Q_OBJECT
public:
    ExportRunner(QWidget* window, Editor& editor);

    // "書き出し(&W)": false when the user stopped or the export failed (the
    // user has then been told why).
    bool run();
    // The export of the project's current export settings to `destination`,
    // with the progress dialog; a refusal or a failure is shown in a message box.
    ExportOutcome exportTo(const std::string& destination);

    // The save dialog; replaceable for tests. Nothing when cancelled.
    std::function<std::optional<std::string>()> askDestination;

    // The advanced choices the dialog starts with and the data.prm they are
    // kept in when an export is accepted (none: not kept).
    void setChoices(const EngineExportOptions& choices, std::filesystem::path dataPrm);
    const EngineExportOptions& choices() const { return m_choices; }

private:
    std::optional<std::string> showSaveDialog();

    QWidget* m_window;
    Editor& m_editor;
    EngineExportOptions m_choices;
    std::filesystem::path m_dataPrm;
};

}  // namespace fg
