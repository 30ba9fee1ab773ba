// The editor: a window on a fresh workspace, with the project named on the
// command line opened in it.

#include <QApplication>
#include <QMessageBox>

#include "app/Editor.h"
#include "app/Relaunch.h"
#include "persistence/Messages.h"
#include "persistence/Workspace.h"
#include "ui/MainWindow.h"

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
        fg::app::relaunch(path.isEmpty() ? std::nullopt : std::optional<QString>(path));
        window.close();
    });
    window.show();

    if (const std::optional<QString> path = fg::app::projectArgument(QCoreApplication::arguments())) {
        if (!editor.openInPlace(path->toStdString())) {
            // The user has been told why; start again with the start-up effect.
            editor.requestRelaunch(QString());
            return 0;
        }
    }
    editor.startWorker();
    return QApplication::exec();
}
