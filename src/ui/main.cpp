// The editor: the per-user files read, a window on a fresh workspace, the
// project named on the command line opened in it; data.prm written back when
// the window closes.

#include <QApplication>
#include <QMessageBox>
#include <QTranslator>

#include "app/Autosave.h"
#include "app/Editor.h"
#include "app/Relaunch.h"
#include "persistence/Messages.h"
#include "persistence/Workspace.h"
#include "text/Format.h"
#include "text/Language.h"
#include "ui/HelpPage.h"
#include "ui/LanguageMenu.h"
#include "ui/MainWindow.h"
#include "ui/PanelColours.h"
#include "ui/ExportRunner.h"
#include "ui/RecoveryOffer.h"
#include "ui/StartUp.h"
#include "ui/UpdateDialog.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);

    fg::StartUpFiles files = fg::readStartUpFiles(fg::app::userFolders());
    // Dialogs and message boxes in the main window's colours.
    fg::applyApplicationColours(files.colours);
    // --lang for this run, else data.prm's choice, else Japanese; never the system locale.
    const QStringList arguments = QCoreApplication::arguments();
    const fg::text::Language language =
        fg::text::chooseLanguage(fg::text::languageArgument(arguments), files.settings.language);
    const std::unique_ptr<QTranslator> translator = fg::text::installLanguage(language);
    const std::unique_ptr<QTranslator> qtTexts = fg::text::installQtTexts(language);
    const std::optional<QString> project = fg::app::projectArgument(fg::text::withoutLanguageArgument(arguments));

    std::string error;
    std::optional<fg::ScopedWorkspace> workspace = fg::ScopedWorkspace::create(files.folders.workspaceRoot, &error);
    if (!workspace) {
        QMessageBox::critical(nullptr, QString::fromUtf8(fg::persistence_text::kProgramName),
                              fg::text::format(fg::persistence_text::message(fg::persistence_text::kWorkspaceError)));
        return 1;
    }

    fg::Editor editor(std::move(*workspace));
    fg::MainWindow window(editor, files.colours);
    window.setHelpPage(fg::helpPagePath(language, QCoreApplication::applicationDirPath()));
    const fg::app::WindowGeometry placed = fg::applyProgramSettings(editor, window, files.settings);
    fg::NormalGeometry normal(window, placed);

    // Asked only without a project to open; the answer is shown when it
    // comes, so a slow or missing network never delays the window.
    const fg::ShellCommands commands = fg::connectShellCommands(window, editor, fg::updateSettingsOf(files));
    commands.exporter->setChoices(files.settings.exportChoices, files.folders.dataPrm());
    fg::addLanguageMenu(window, files.folders.dataPrm(), language);
    if (!project) commands.updates->checkAtStartUp();

    const QString programName = QString::fromUtf8(fg::persistence_text::kProgramName);
    bool settingsSaved = false;
    const auto saveSettings = [&] {
        if (settingsSaved) return;
        settingsSaved = true;
        if (!fg::saveShutDownSettings(files.folders.dataPrm(), normal.closing(), editor, window.windowPlaces())) {
            QMessageBox::warning(nullptr, programName,
                                 QCoreApplication::translate("fg::EditorMain", "ウィンドウと表示の設定を保存できませんでした。\n%1")
                                     .arg(QString::fromStdString(files.folders.dataPrm().string())));
        }
    };
    QObject::connect(&editor, &fg::Editor::relaunchRequested, &window, [&](const QString& path) {
        // Written before the new instance starts, which reads them.
        saveSettings();
        if (!fg::app::relaunch(path.isEmpty() ? std::nullopt : std::optional<QString>(path))) {
            // The unsaved changes were settled before the relaunch was asked for.
            QMessageBox::critical(&window, programName,
                                  QCoreApplication::translate("fg::EditorMain", "Fulgrane3Dを起動し直せませんでした。もう一度起動してください。"));
        }
        window.close();
    });
    fg::showMainWindow(window, placed.zoomed);

    // The recovery copies of this editor's unsaved work.
    fg::Autosave autosave(editor, fg::RecoverySlot::create(files.folders.recoveryRoot),
                          std::chrono::seconds(files.settings.autosaveSeconds));
    // Said without stopping the work: the user saves, or frees the disk.
    QObject::connect(&autosave, &fg::Autosave::copyFailed, &window, [&window, programName](const fg::Message& why) {
        auto* box = new QMessageBox(QMessageBox::Warning, programName,
                                    QCoreApplication::translate("fg::EditorMain",
                                                                "変更の自動保存に失敗しました。\n%1\n"
                                                                "保存するまで、変更は失われるおそれがあります。")
                                        .arg(fg::text::format(why)),
                                    QMessageBox::Ok, &window);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(Qt::NonModal);
        box->show();
    });
    // Unsaved work a killed editor left comes first; a project named on the
    // command line then opens in an instance of its own.
    const fg::RecoveryOutcome recovered = fg::offerRecoveries(&window, editor, files.recoveries, [&autosave] {
        autosave.copyNow();
        return !autosave.enabled() || autosave.waitIdle().ok;
    });
    if (recovered == fg::RecoveryOutcome::Failed) {
        editor.document().requestRelaunch(project.value_or(QString()));
        return 0;
    }
    if (recovered == fg::RecoveryOutcome::Restored && project && !fg::app::relaunch(project)) {
        QMessageBox::critical(&window, programName,
                              QCoreApplication::translate("fg::EditorMain", "%1 を開く Fulgrane3D を起動できませんでした。")
                                  .arg(*project));
    }
    if (recovered == fg::RecoveryOutcome::None && project && !editor.document().openInPlace(project->toStdString())) {
        // The user has been told why; start again with the start-up effect.
        editor.document().requestRelaunch(QString());
        return 0;
    }
    editor.startWorker();
    const int code = QApplication::exec();
    saveSettings();
    return code;
}
