#include "ui/VersionBox.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace fg {

void showVersionBox(QWidget* parent, const QString& version) {
    QString text = QStringLiteral("Fulgrane3D");
    if (!version.isEmpty()) text += QStringLiteral(" ") + version;
    QMessageBox box(QMessageBox::Information, QCoreApplication::translate("fg::VersionBox", "Fulgrane3D バージョン情報"),
                    text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("versionBox"));
    box.exec();
}

}  // namespace fg
