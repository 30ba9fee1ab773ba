#include "ui/ExportRunner.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QStandardPaths>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <filesystem>

#include "app/Editor.h"
#include "render/export/AnimatedWriter.h"
#include "render/export/ExportSettings.h"
#include "app/ProgramSettings.h"
#include "ui/dialogs/ExportDialog.h"

namespace fg {

ExportJob::ExportJob(EditorState document, ExportRequest request, QObject* parent)
    : QObject(parent), m_document(std::move(document)), m_request(std::move(request)) {}

ExportJob::~ExportJob() {
    m_cancel = true;
    if (m_thread.joinable()) m_thread.join();
}

void ExportJob::start() {
    m_thread = std::thread([this] {
        m_outcome = runHeadlessExport(m_document, m_request, [this](int done, int total) {
            QMetaObject::invokeMethod(this, [this, done, total] { emit progressed(done, total); }, Qt::QueuedConnection);
            return !m_cancel.load();
        });
        QMetaObject::invokeMethod(this, [this] { emit finished(); }, Qt::QueuedConnection);
    });
}

ExportOutcome ExportJob::wait() {
    if (m_thread.joinable()) m_thread.join();
    return m_outcome;
}

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
    EditorState document = copyOf(m_editor.state());
    ExportRequest request;
    request.destination = destination;
    if (document.hasFileName) request.sources.emplace_back(document.fileName);
    ExportOutcome outcome;
    if (const auto error = acceptExportSettings(document.write, document.project, request.plan)) {
        QMessageBox::warning(m_window, QString::fromStdString(error->caption), QString::fromStdString(error->message));
        outcome.error = error->message;
        return outcome;
    }
    request.plan.engine = m_choices;
    // Only GIF and WebP hold an animation; any other name would quietly
    // give still pictures instead of the animation that was asked for.
    AnimatedFormat format = AnimatedFormat::Gif;
    const std::string extension = std::filesystem::path(destination).extension().string();
    if (m_choices.animated && !animatedFormatFor(extension, format)) {
        const QString message = tr("アニメーションはGIF（.gif）かWebP（.webp）で保存してください。");
        QMessageBox::warning(m_window, tr("書き出し"), message);
        outcome.error = message.toStdString();
        return outcome;
    }
    // The layout as accepted (frames per row clamped to the image count, the
    // rows it needs) belongs to the project like the rest of the settings.
    m_editor.viewSettings().setExportLayout(document.write.width, document.write.height);

    const int total = 2 * request.plan.imageCount;
    ExportJob job(std::move(document), std::move(request));
    QProgressDialog progress(tr("書き出し中"), tr("キャンセル"), 0, total, m_window);
    progress.setObjectName(QStringLiteral("exportProgress"));
    progress.setWindowTitle(tr("書き出し中"));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setMinimumDuration(0);
    progress.setValue(0);
    connect(&job, &ExportJob::progressed, &progress, [&progress](int done, int) { progress.setValue(done); });
    connect(&progress, &QProgressDialog::canceled, &job, &ExportJob::cancel);
    QEventLoop loop;
    connect(&job, &ExportJob::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec();
    outcome = job.wait();
    progress.close();
    if (!outcome.cancelled && !outcome.error.empty()) {
        QMessageBox::warning(m_window, QString(), QString::fromStdString(outcome.error));
    }
    return outcome;
}

std::optional<std::string> ExportRunner::showSaveDialog() {
    QFileDialog dialog(m_window, tr("書き出し"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (m_choices.animated) {
        dialog.setNameFilters({tr("GIF(*.gif)"), tr("WebP(*.webp)")});
        dialog.setDefaultSuffix(QStringLiteral("gif"));
    } else {
        dialog.setNameFilters(
            {tr("PNG(*.png)"), tr("BMP(*.bmp)"), tr("JPEG(*.jpg)"), tr("TIFF(*.tif)"), tr("GIF(*.gif)")});
        dialog.setDefaultSuffix(QStringLiteral("png"));
    }
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
