#include "ui/dialogs/BackgroundColorDialog.h"

#include <QColorDialog>
#include <QCoreApplication>

#include "app/Editor.h"
#include "render/BackgroundColor.h"

namespace fg {

bool chooseBackgroundColor(Editor& editor, QWidget* parent) {
    const Rgb8 current = backgroundBytes(editor.state().project.backColor);
    // Qt's own chooser: the custom colours it keeps are process-wide, and it
    // looks and behaves the same on every desktop.
    QColorDialog dialog(QColor(current.r, current.g, current.b), parent);
    dialog.setObjectName(QStringLiteral("backgroundColorDialog"));
    dialog.setWindowTitle(QCoreApplication::translate("fg::BackgroundColorDialog", "背景色の設定"));
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted) return false;
    const QColor chosen = dialog.selectedColor();
    editor.viewSettings().setBackgroundColor(
        Vec3f{static_cast<float>(chosen.red()), static_cast<float>(chosen.green()), static_cast<float>(chosen.blue())});
    return true;
}

}  // namespace fg
