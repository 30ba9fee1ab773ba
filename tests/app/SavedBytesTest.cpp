// A project made and saved in English is byte for byte the project made and
// saved in Japanese: node names, default names and view labels are data.

#include <gtest/gtest.h>

#include <QTranslator>

#include "app/AppTestSupport.h"
#include "app/EditorTestSupport.h"
#include "model/NodeFields.h"
#include "persistence/FileBytes.h"
#include "text/Language.h"

namespace fg::text {
namespace {

// The same edits in either language, saved; the saved file's bytes.
std::string savedProject(Language language) {
    test::testApplication();  // translators need one
    const std::unique_ptr<QTranslator> translator = installLanguage(language);
    test::ScratchHome home;
    test::ScriptedPrompts prompts;
    auto editor = test::makeEditor(&prompts);
    editor->addBelow();
    editor->addChild();
    editor->duplicateNode();
    editor->viewSettings().addView();
    editor->deleteNode();
    editor->undo();
    EXPECT_EQ(editor->state().fileName, "無題.nbx");
    const std::string path = home.file("effect.nbx");
    EXPECT_TRUE(editor->document().saveTo(path));
    return readFileBytes(path).value_or("");
}

TEST(SavedBytes, AProjectSavedInEnglishIsTheOneSavedInJapanese) {
    const std::string japanese = savedProject(Language::Japanese);
    const std::string english = savedProject(Language::English);
    ASSERT_FALSE(japanese.empty());
    EXPECT_EQ(english, japanese);
}

}  // namespace
}  // namespace fg::text
