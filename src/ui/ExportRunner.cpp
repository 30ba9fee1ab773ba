#include "ui/ExportRunner.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>
#include <QStandardPaths>
#include <filesystem>
#include <variant>

#include "app/Editor.h"
#include "app/ProgramSettings.h"
#include "export-service/ExportService.h"
#include "render/export/ExportFormat.h"
#include "text/Format.h"
#include "ui/dialogs/ExportDialog.h"

namespace fg {

ExportRunner::ExportRunner(QWidget* window, Editor& editor)
    : QObject(window), m_window(window), m_editor(editor) {
    askDestination = [this] { return showSaveDialog(); };
}

void ExportRunner::setChoices(const EngineExportOptions& choices, std::filesystem::path dataPrm) {
    m_choices = choices;
    m_dataPrm = std::move(dataPrm);
}

bool ExportRunner::run() {
    // The dialog keeps what is typed in the project as it is typed; the
    // advanced choices are the user's own and go to data.prm.
    ExportDialog dialog(m_editor, m_window, m_choices);
    if (dialog.exec() != QDialog::Accepted) return false;
    m_choices = dialog.choices();
    if (!m_dataPrm.empty() && !app::saveExportChoices(m_dataPrm, m_choices)) {
        // The export itself can still go ahead with the choices as made.
        QMessageBox::warning(m_window, tr("書き出し"),
                             tr("詳細設定を保存できませんでした。\n%1").arg(QString::fromStdString(m_dataPrm.string())));
    }
    const std::optional<std::string> destination = askDestination();
    if (!destination) return false;
    return exportTo(*destination).ok();
}

ExportOutcome ExportRunner::exportTo(const std::string& destination) {
    const EditorState& g = m_editor.state();
    ExportOptions options;
    options.destination = destination;
    options.engine = m_choices;
    if (g.hasFileName) options.sources.emplace_back(g.fileName);
    PreparedExport prepared = ExportService::prepare(g, options);
    ExportOutcome outcome;
    if (const auto* refusal = std::get_if<ExportRefusal>(&prepared)) {
        QMessageBox::warning(m_window, text::format(refusal->caption), text::format(refusal->message));
        outcome.error = refusal->message;
        return outcome;
    }
    ExportTask& task = std::get<ExportTask>(prepared);
    // The layout as accepted (frames per row clamped to the image count, the
    // rows it needs) belongs to the project like the rest of the settings.
    m_editor.viewSettings().setExportLayout(task.document.write.width, task.document.write.height);

    ExportService service;
    QProgressDialog progress(tr("書き出し中"), tr("キャンセル"), 0, task.total(), m_window);
    progress.setObjectName(QStringLiteral("exportProgress"));
    progress.setWindowTitle(tr("書き出し中"));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setMinimumDuration(0);
    progress.setValue(0);
    bool ended = false;
    connect(&service, &ExportService::progressed, &progress, [&progress](int done, int) { progress.setValue(done); });
    connect(&progress, &QProgressDialog::canceled, &service, &ExportService::cancel);
    connect(&service, &ExportService::finished, &progress, [&] {
        ended = true;
        progress.done(QDialog::Accepted);
    });
    service.start(std::move(task));
    // The modal dialog runs until the service says it has finished.
    if (!ended) progress.exec();
    // Closed another way (Escape): stop the export rather than wait for it.
    if (service.running()) service.cancel();
    outcome = service.wait();
    progress.close();
    if (!outcome.cancelled && !outcome.error.empty()) {
        QMessageBox::warning(m_window, QString(), text::format(outcome.error));
    }
    return outcome;
}

std::optional<std::string> ExportRunner::showSaveDialog() {
    QFileDialog dialog(m_window, tr("書き出し"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The formats of the table that can hold what is asked for, the first as
    // the default suffix.
    QStringList filters;
    QStringList suffixes;
    for (const ExportFormat& format : exportFormats()) {
        if (m_choices.animated ? format.animation == nullptr : format.still == nullptr) continue;
        filters << text::format(Message("fg::export_text", format.filterLabel));
        suffixes << QString::fromUtf8(format.defaultExtension().substr(1));
    }
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(suffixes.value(0));
    // A name typed without an extension gets the chosen filter's, so that
    // choosing MP4 and typing "fire" writes fire.mp4.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, filters, suffixes](const QString& filter) {
        const qsizetype index = filters.indexOf(filter);
        if (index >= 0) dialog.setDefaultSuffix(suffixes.at(index));
    });
    // Beside the project, as the project's own save dialog starts.
    const EditorState& g = m_editor.state();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    dialog.setDirectory(g.hasFileName ? QFileInfo(QString::fromStdString(g.fileName)).absolutePath()
                                      : (documents.isEmpty() ? QDir::homePath() : documents));
    dialog.selectFile(tr("無題"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

}  // namespace fg
