#include "text/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace fg::text {
namespace {

constexpr auto kOption = QLatin1StringView("--lang");

}  // namespace

std::optional<Language> languageFromCode(std::string_view code) {
    if (code == "ja") return Language::Japanese;
    if (code == "en") return Language::English;
    return std::nullopt;
}

const char* languageCode(Language language) { return language == Language::English ? "en" : "ja"; }

std::optional<Language> languageArgument(const QStringList& arguments) {
    std::optional<Language> chosen;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString code;
        if (arguments.at(i) == kOption && i + 1 < arguments.size()) code = arguments.at(++i);
        else if (arguments.at(i).startsWith(kOption + u'=')) code = arguments.at(i).mid(kOption.size() + 1);
        else continue;
        if (const auto language = languageFromCode(code.toStdString())) chosen = language;
    }
    return chosen;
}

QStringList withoutLanguageArgument(const QStringList& arguments) {
    QStringList rest;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments.at(i) == kOption) {
            ++i;  // and its value
            continue;
        }
        if (arguments.at(i).startsWith(kOption + u'=')) continue;
        rest.append(arguments.at(i));
    }
    return rest;
}

Language chooseLanguage(const std::optional<Language>& argument, const std::optional<Language>& stored) {
    if (argument) return *argument;
    if (stored) return *stored;
    return Language::Japanese;
}

std::unique_ptr<QTranslator> installLanguage(Language language) {
    if (language != Language::English) return nullptr;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral(":/i18n/fulgrane3d_en.qm"))) return nullptr;
    if (!QCoreApplication::installTranslator(translator.get())) return nullptr;
    return translator;
}

std::unique_ptr<QTranslator> installQtTexts(Language language) {
    if (language != Language::Japanese) return nullptr;
    auto translator = std::make_unique<QTranslator>();
    // qtbase_ja holds the texts of the widgets module's dialogs as well.
    if (!translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return nullptr;
    }
    if (!QCoreApplication::installTranslator(translator.get())) return nullptr;
    return translator;
}

}  // namespace fg::text
