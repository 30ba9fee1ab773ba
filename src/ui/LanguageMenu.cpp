#include "ui/LanguageMenu.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMessageBox>

#include "app/ProgramSettings.h"
#include "ui/MainWindow.h"

namespace fg {
namespace {

QString translated(const char* text) { return QCoreApplication::translate("fg::LanguageMenu", text); }

}  // namespace

QMenu* addLanguageMenu(MainWindow& window, const std::filesystem::path& dataPrm, text::Language current) {
    QMenu* view = window.menu(MenuId::View);
    view->addSeparator();
    QMenu* menu = view->addMenu(translated(QT_TRANSLATE_NOOP("fg::LanguageMenu", "言語 / Language")));
    menu->setObjectName(QStringLiteral("languageMenu"));
    auto* group = new QActionGroup(menu);
    struct Choice {
        text::Language language;
        QString name;  // in its own language, never translated
        const char* objectName;
    };
    const Choice choices[] = {{text::Language::Japanese, QStringLiteral("日本語"), "languageJapanese"},
                              {text::Language::English, QStringLiteral("English"), "languageEnglish"}};
    for (const Choice& choice : choices) {
        QAction* item = menu->addAction(choice.name);
        item->setObjectName(QString::fromLatin1(choice.objectName));
        item->setCheckable(true);
        item->setChecked(choice.language == current);
        group->addAction(item);
        QObject::connect(item, &QAction::triggered, &window, [&window, dataPrm, language = choice.language] {
            if (!app::saveLanguage(dataPrm, language)) {
                QMessageBox::warning(&window, translated(QT_TRANSLATE_NOOP("fg::LanguageMenu", "言語 / Language")), translated(QT_TRANSLATE_NOOP("fg::LanguageMenu", "設定を保存できませんでした。")));
                return;
            }
            QMessageBox::information(&window, translated(QT_TRANSLATE_NOOP("fg::LanguageMenu", "言語 / Language")),
                                     translated(QT_TRANSLATE_NOOP("fg::LanguageMenu", "次回の起動から、選んだ言語で表示されます。")));
        });
    }
    return menu;
}

}  // namespace fg
