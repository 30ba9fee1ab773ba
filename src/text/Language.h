#pragma once
// The language of the interface: Japanese unless the user chose English,
// either for good (data.prm, section UI, key LANG) or for one run
// (`--lang en`). The system locale never decides it, so scripts that read
// the Japanese messages keep working on any machine.

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <string_view>

class QTranslator;

namespace fg::text {

enum class Language { Japanese, English };

// "ja" and "en"; nothing for any other code.
std::optional<Language> languageFromCode(std::string_view code);
const char* languageCode(Language language);

// The language a `--lang CODE` or `--lang=CODE` among `arguments` names
// (the last one wins); nothing when there is none or its code is unknown.
std::optional<Language> languageArgument(const QStringList& arguments);
// `arguments` without the language option and its value.
QStringList withoutLanguageArgument(const QStringList& arguments);

// The command line first, then the stored choice, then Japanese.
Language chooseLanguage(const std::optional<Language>& argument, const std::optional<Language>& stored);

// Installs the English texts into the running application; Japanese needs
// nothing, the sources are Japanese. The translator lives as long as the
// returned object; null for Japanese or when the texts cannot be loaded.
std::unique_ptr<QTranslator> installLanguage(Language language);

// Installs Qt's own texts (standard buttons, the file and colour dialogs) in
// the language, from the translations installed with Qt. English needs
// nothing, Qt's sources are English. Null for English or when Qt's Japanese
// texts are not installed (the standard dialogs then stay English).
std::unique_ptr<QTranslator> installQtTexts(Language language);

}  // namespace fg::text
