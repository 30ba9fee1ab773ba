// The language rule: --lang for one run, else data.prm's UI LANG, else
// Japanese; the system locale never decides.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>
#include <cstdlib>

#include "app/ProgramSettings.h"
#include "persistence/FileBytes.h"
#include "persistence/TempDir.h"
#include "text/Language.h"

namespace fg::text {
namespace {

const QStringList kNoOption{QStringLiteral("fulgrane3d"), QStringLiteral("/p/fire.nbx")};

TEST(Language, JapaneseUnlessTheUserChoseEnglish) {
    // The locale of an English-speaking machine does not change the default.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ::setenv("LANG", "en_US.UTF-8", 1);
    EXPECT_EQ(chooseLanguage(languageArgument(kNoOption), std::nullopt), Language::Japanese);
    EXPECT_EQ(chooseLanguage(std::nullopt, Language::English), Language::English);
    EXPECT_EQ(chooseLanguage(std::nullopt, Language::Japanese), Language::Japanese);
    // The command line beats the stored choice, both ways.
    EXPECT_EQ(chooseLanguage(Language::English, Language::Japanese), Language::English);
    EXPECT_EQ(chooseLanguage(Language::Japanese, Language::English), Language::Japanese);
    ::unsetenv("LANG");
    QLocale::setDefault(QLocale::c());
}

TEST(Language, TheLangOptionInBothSpellingsAnywhereOnTheLine) {
    EXPECT_EQ(languageArgument(kNoOption), std::nullopt);
    EXPECT_EQ(languageArgument({"fulgrane3d", "--lang", "en", "/p/fire.nbx"}), Language::English);
    EXPECT_EQ(languageArgument({"fulgrane3d", "/p/fire.nbx", "--lang=ja"}), Language::Japanese);
    EXPECT_EQ(languageArgument({"fulgrane3d", "--lang=en", "--lang", "ja"}), Language::Japanese);
    // Unknown codes and a missing value choose nothing.
    EXPECT_EQ(languageArgument({"fulgrane3d", "--lang", "fr"}), std::nullopt);
    EXPECT_EQ(languageArgument({"fulgrane3d", "--lang"}), std::nullopt);
    EXPECT_EQ(languageFromCode("EN"), std::nullopt);
    EXPECT_STREQ(languageCode(Language::English), "en");
    EXPECT_STREQ(languageCode(Language::Japanese), "ja");
}

TEST(Language, TheProjectIsFoundWithTheOptionTakenOut) {
    EXPECT_EQ(withoutLanguageArgument({"fulgrane3d", "--lang", "en", "/p/fire.nbx"}),
              (QStringList{"fulgrane3d", "/p/fire.nbx"}));
    EXPECT_EQ(withoutLanguageArgument({"fulgrane3d", "/p/a b.nbx", "--lang=en"}),
              (QStringList{"fulgrane3d", "/p/a b.nbx"}));
    EXPECT_EQ(withoutLanguageArgument(kNoOption), kNoOption);
}

TEST(Language, DataPrmHoldsTheChoiceUnderUiLang) {
    fg::test::TempDir dir;
    const auto dataPrm = dir / "data.prm";
    EXPECT_EQ(app::loadProgramSettings(dataPrm).language, std::nullopt);
    ASSERT_TRUE(writeFileBytes(dataPrm, "[HELP]\nURL=http://intranet/help\n"));
    ASSERT_TRUE(app::saveLanguage(dataPrm, Language::English));
    EXPECT_EQ(app::loadProgramSettings(dataPrm).language, Language::English);
    // The other keys stay.
    EXPECT_EQ(app::loadProgramSettings(dataPrm).web.helpPage, "http://intranet/help");
    ASSERT_TRUE(app::saveLanguage(dataPrm, Language::Japanese));
    EXPECT_EQ(app::loadProgramSettings(dataPrm).language, Language::Japanese);
    // A value by hand that names no language is no choice.
    ASSERT_TRUE(writeFileBytes(dataPrm, "[UI]\nLANG=de\n"));
    EXPECT_EQ(app::loadProgramSettings(dataPrm).language, std::nullopt);
}

TEST(Language, EnglishLoadsTheEmbeddedTextsJapaneseNeedsNone) {
    EXPECT_EQ(installLanguage(Language::Japanese), nullptr);
    const std::unique_ptr<QTranslator> english = installLanguage(Language::English);
    ASSERT_NE(english, nullptr);
    EXPECT_EQ(QCoreApplication::translate("fg::MainWindow", "名前を付けて保存(&A)"), QStringLiteral("Save &As…"));
    EXPECT_EQ(QCoreApplication::translate("fg::PageSelector", "発生源"), QStringLiteral("Emitter"));
}

TEST(Language, QtsOwnTextsFollowTheChosenLanguage) {
    const QString yes = QStringLiteral("&Yes");
    {
        // The standard buttons and dialogs speak Japanese in the Japanese editor…
        const std::unique_ptr<QTranslator> japanese = installQtTexts(Language::Japanese);
        ASSERT_NE(japanese, nullptr) << "Qt's Japanese translations are not installed";
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("はい(&Y)"));
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("キャンセル"));
        EXPECT_NE(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Look in:"));
        EXPECT_NE(QCoreApplication::translate("QColorDialog", "Select Color"), QStringLiteral("Select Color"));
    }
    // …and nothing is loaded for English, whose sources are Qt's own.
    EXPECT_EQ(installQtTexts(Language::English), nullptr);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), yes);
}

}  // namespace
}  // namespace fg::text
