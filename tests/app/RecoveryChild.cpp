// A stand-in for an editor that is killed: it renames the selected node,
// waits until its autosave has copied the change, then either kills itself
// with SIGKILL ("kill") or ends cleanly ("exit"). FULGRANE3D_HOME is the
// caller's scratch folder.

#include <csignal>
#include <cstring>
#include <iostream>

#include <QCoreApplication>
#include <QTest>

#include "app/Autosave.h"
#include "app/Editor.h"
#include "persistence/Workspace.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 2 || (std::strcmp(argv[1], "kill") != 0 && std::strcmp(argv[1], "exit") != 0)) {
        std::cerr << "usage: recovery_child kill|exit\n";
        return 2;
    }
    auto workspace = fg::ScopedWorkspace::create(fg::defaultWorkspaceRoot());
    if (!workspace) return 3;
    fg::Editor editor(std::move(*workspace));
    fg::Autosave autosave(editor, fg::RecoverySlot::create(fg::defaultRecoveryRoot()), std::chrono::seconds(1));
    if (!autosave.enabled() || !editor.renameSelected("killed before saving")) return 4;
    if (!QTest::qWaitFor([&] { return autosave.slot()->hasCopy(); }, 20000)) return 5;
    if (!autosave.waitIdle().ok) return 6;
    std::cout << "copied\n" << std::flush;
    if (std::strcmp(argv[1], "kill") == 0) std::raise(SIGKILL);
    return 0;
}
