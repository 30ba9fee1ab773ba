#include "ui/UndoActions.h"

#include <QAction>
#include <QCoreApplication>

#include "app/Editor.h"
#include "text/Format.h"
#include "ui/Commands.h"

namespace fg {
namespace {

// `source` (a template with %1, context fg::MainWindow) filled with the label
// of entry `row`, or the command's menu text when there is no such entry.
QString actionText(const EditHistory& history, int row, const char* source, Command command) {
    if (row < 1 || row >= history.count()) return QCoreApplication::translate("fg::MainWindow", commandInfo(command).label);
    QString label = text::format(history.entry(row).label);
    // A node name may hold '&', which a menu would take as a mnemonic.
    label.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QCoreApplication::translate("fg::MainWindow", source).arg(label);
}

}  // namespace

void followHistory(const Editor& editor, QAction* undo, QAction* redo) {
    const auto update = [&editor, undo, redo] {
        const EditHistory& history = editor.history();
        undo->setEnabled(history.canUndo());
        undo->setText(actionText(history, history.index(), QT_TRANSLATE_NOOP("fg::MainWindow", "元に戻す: %1"),
                                 Command::Undo));
        redo->setEnabled(history.canRedo());
        redo->setText(actionText(history, history.index() + 1, QT_TRANSLATE_NOOP("fg::MainWindow", "やり直し: %1"),
                                 Command::Redo));
    };
    update();
    QObject::connect(&editor, &Editor::documentChanged, undo, [update](DocumentChanges what) {
        if (what & DocumentPart::History) update();
    });
}

}  // namespace fg
