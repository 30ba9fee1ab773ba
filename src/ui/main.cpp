// The editor: a window on a fresh workspace, with the project named on the
// command line opened in it.

#include <QApplication>
#include <QMessageBox>
#include <QProcess>

#include "app/CommandLinePath.h"
#include "app/Editor.h"
#include "persistence/Messages.h"
#include "persistence/Workspace.h"
#include "ui/MainWindow.h"

namespace {

// Starts this program again, opening `path` (or nothing).
void relaunch(const QString& path) {
    QStringList arguments;
    if (!path.isEmpty()) arguments.append(path);
    QProcess::startDetached(QCoreApplication::applicationFilePath(), arguments);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);

    const std::filesystem::path root = fg::defaultWorkspaceRoot();
    fg::clearStaleWorkspaces(root);
    std::string error;
    std::optional<fg::ScopedWorkspace> workspace = fg::ScopedWorkspace::create(root, &error);
    if (!workspace) {
        QMessageBox::critical(nullptr, QString::fromUtf8(fg::persistence_text::kProgramName),
                              QCoreApplication::translate("fg::main", fg::persistence_text::kWorkspaceError));
        return 1;
    }

    fg::Editor editor(std::move(*workspace));
    fg::MainWindow window(editor, fg::PanelColours{});
    QObject::connect(&editor, &fg::Editor::relaunchRequested, &window, [&window](const QString& path) {
        relaunch(path);
        window.close();
    });
    window.show();

    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1) {
        const std::string path = fg::commandLineProjectPath(arguments.at(1).toStdString());
        if (!editor.openInPlace(path)) {
            // The user has been told why; start again with the start-up effect.
            editor.requestRelaunch(QString());
            return 0;
        }
    }
    editor.startWorker();
    return QApplication::exec();
}
