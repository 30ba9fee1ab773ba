#include "ui/pages/GradientColourDialog.h"

#include <QColorDialog>
#include <QCoreApplication>

namespace fg {

std::optional<GradientColour> chooseGradientColour(const GradientColour& current, QWidget* parent) {
    QColorDialog dialog(QColor(current.red, current.green, current.blue, current.alpha), parent);
    dialog.setObjectName(QStringLiteral("gradientColourDialog"));
    dialog.setWindowTitle(QCoreApplication::translate("fg::GradientStrip", "カラーストップの色"));
    // Qt's own chooser, as for the background colour: the same on every
    // desktop, and with the opacity the stop carries.
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.setOption(QColorDialog::ShowAlphaChannel);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QColor chosen = dialog.selectedColor();
    return GradientColour{chosen.red(), chosen.green(), chosen.blue(), chosen.alpha()};
}

}  // namespace fg
