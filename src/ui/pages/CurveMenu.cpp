#include "ui/pages/CurveMenu.h"

#include <QCoreApplication>
#include <QMenu>

#include "app/Editor.h"

namespace fg {

QMenu* popUpCurveMenu(QWidget* owner, Editor& editor, int graphNumber, const QPoint& globalPos,
                      std::function<void()> afterPaste) {
    // One menu at a time per owner.
    for (QMenu* old : owner->findChildren<QMenu*>(QStringLiteral("curveMenu"), Qt::FindDirectChildrenOnly)) {
        old->close();
        old->deleteLater();
    }
    auto* menu = new QMenu(QCoreApplication::translate("fg::CurveMenu", "グラフ"), owner);
    menu->setObjectName(QStringLiteral("curveMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction* copy = menu->addAction(QCoreApplication::translate("fg::CurveMenu", "コピー"));
    QAction* paste = menu->addAction(QCoreApplication::translate("fg::CurveMenu", "貼り付け"));
    paste->setEnabled(editor.canPastePoints());
    QObject::connect(copy, &QAction::triggered, owner, [&editor, graphNumber] { editor.copyCurvePoints(graphNumber); });
    QObject::connect(paste, &QAction::triggered, owner, [&editor, graphNumber, afterPaste = std::move(afterPaste)] {
        if (editor.pasteCurvePoints(graphNumber) && afterPaste) afterPaste();
    });
    menu->popup(globalPos);
    return menu;
}

}  // namespace fg
