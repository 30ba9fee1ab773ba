#include "ui/HelpPage.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

namespace fg {

QString helpPagePath(text::Language language, const QString& programDir) {
    const QString file = QStringLiteral("index_%1.html").arg(QLatin1StringView(text::languageCode(language)));
    const QDir program(programDir);
    const QString installed = QDir::cleanPath(program.filePath(QStringLiteral("../share/fulgrane3d/help/") + file));
    const QString buildTree = QDir::cleanPath(program.filePath(QStringLiteral("help/") + file));
    for (const QString& candidate : {installed, buildTree}) {
        if (QFileInfo(candidate).isFile()) return candidate;
    }
    return installed;
}

UrlOpener desktopUrlOpener() {
    return [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

bool showHelpPage(QWidget* parent, const QUrl& page, const UrlOpener& open) {
    const bool missing = page.isLocalFile() && !QFileInfo(page.toLocalFile()).isFile();
    if (!missing && page.isValid() && open && open(page)) return true;
    const QString where = page.isLocalFile() ? QDir::toNativeSeparators(page.toLocalFile()) : page.toString();
    QMessageBox box(QMessageBox::Information, QCoreApplication::translate("fg::HelpPage", "ヘルプ"),
                    missing ? QCoreApplication::translate("fg::HelpPage", "ヘルプページが見つかりません。\n%1").arg(where)
                            : QCoreApplication::translate(
                                  "fg::HelpPage", "ヘルプページを開けませんでした。ブラウザで次の場所を開いてください。\n%1")
                                  .arg(where),
                    QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("helpPageMessage"));
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.exec();
    return false;
}

}  // namespace fg
