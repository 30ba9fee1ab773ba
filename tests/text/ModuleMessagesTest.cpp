// The messages the project files and the effect tree return, put into words
// where they are shown: in English with each template translated as one
// unit, a reason inside a message translated in turn and paths kept as they
// are; in Japanese exactly the texts these modules have always shown.

#include <gtest/gtest.h>

#include <QTranslator>

#include <cerrno>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "model/EffectTree.h"
#include "persistence/Archive.h"
#include "persistence/FileBytes.h"
#include "persistence/Messages.h"
#include "persistence/TempDir.h"
#include "text/Format.h"
#include "text/Language.h"
#include "text/Untitled.h"

namespace fg::text {
namespace {

// Repeats a tree command until it stops succeeding (a few more times than
// any limit allows); its last result.
template <typename Command>
TreeEditResult untilRefused(Command command) {
    TreeEditResult result = command();
    for (int i = 0; i < 2 * EffectTree::kMaxChildren && result.done(); ++i) result = command();
    return result;
}

// Real failures of the modules, the same in either language.
struct Failures {
    test::TempDir root;
    std::string odd;  // a folder name that is itself a marker and has brackets
    IoResult missingFolder;
    IoResult unstorableName;
    IoResult unreadable;
    TreeEditResult lastTopLevel;
    TreeEditResult tenthChild;
    TreeEditResult tenthLevel;

    Failures() {
        odd = (root / "%2「x」").string();
        const std::filesystem::path work = root / "work";
        std::filesystem::create_directories(work);
        EXPECT_TRUE(writeFileBytes(work / "save.ini", "[0]\r\n"));
        EXPECT_TRUE(writeFileBytes(work / "a,b.png", "x"));
        missingFolder = packProject(work, {}, std::filesystem::path(odd) / "p.nbx");
        const std::vector<std::string> unstorable{"a,b.png"};
        unstorableName = packProject(work, unstorable, root / "p.nbx");
        unreadable = unpackProject(root / "none.nbx", work, odd + "/none.nbx").result;

        EffectTree tree = EffectTree::startup();
        lastTopLevel = tree.deleteSelected();
        tenthChild = untilRefused([&] { return tree.addBelowSelected(); });
        EffectTree deep = EffectTree::startup();
        tenthLevel = untilRefused([&] { return deep.addChildToSelected(); });
    }
};

class ModuleMessages : public ::testing::Test {
protected:
    Failures failures;
};

TEST_F(ModuleMessages, FileFailuresInEnglishKeepThePathAndTranslateTheReason) {
    const std::unique_ptr<QTranslator> english = installLanguage(Language::English);
    ASSERT_NE(english, nullptr);
    const std::string path = failures.odd + "/p.nbx";
    ASSERT_FALSE(failures.missingFolder.ok);
    EXPECT_EQ(formatUtf8(failures.missingFolder.message),
              "Could not save to \"" + path + "\".\nThe folder to save in does not exist.");
    EXPECT_EQ(formatUtf8(failures.missingFolder.caption), "File Write Error");
    EXPECT_EQ(formatUtf8(failures.unstorableName.message),
              "The name of the material \"a,b.png\" cannot be stored in a project file.\n"
              "Rename the file and load it again.");
    EXPECT_EQ(formatUtf8(failures.unreadable.message),
              "\"" + failures.odd + "/none.nbx\" cannot be read: it does not exist or is open in another application.");
    EXPECT_EQ(formatUtf8(failures.unreadable.caption), "File Read Error");
    // Every reason a save names, and the system's own words for the rest.
    EXPECT_EQ(formatUtf8(persistence_text::cannotWrite("/p/x.nbx", ENOSPC)),
              "Could not save to \"/p/x.nbx\".\nThe disk is full.");
    EXPECT_EQ(formatUtf8(persistence_text::cannotWrite("/p/x.nbx", EACCES)),
              "Could not save to \"/p/x.nbx\".\nYou do not have permission to write here.");
    EXPECT_EQ(formatUtf8(persistence_text::fileErrorReason(EROFS)), "The location is read-only.");
    EXPECT_EQ(formatUtf8(persistence_text::fileErrorReason(ENODEV)), "System error: No such device");
    EXPECT_EQ(formatUtf8(persistence_text::cannotWrite("/p/x.nbx")), "Could not save to \"/p/x.nbx\".");
    EXPECT_EQ(formatUtf8(persistence_text::programName()), "Fulgrane3D");
    EXPECT_EQ(untitledFileName(), QStringLiteral("Untitled.nbx"));
}

TEST_F(ModuleMessages, TreeRefusalsInEnglish) {
    const std::unique_ptr<QTranslator> english = installLanguage(Language::English);
    ASSERT_NE(english, nullptr);
    EXPECT_EQ(formatUtf8(failures.lastTopLevel.message), "This node cannot be deleted.");
    EXPECT_EQ(formatUtf8(failures.lastTopLevel.caption), "Confirm");
    EXPECT_EQ(formatUtf8(failures.tenthChild.message),
              "No more nodes can be added.\nA node can hold at most 9 child nodes.");
    EXPECT_EQ(formatUtf8(failures.tenthLevel.message),
              "The tree cannot be made deeper.\nNodes nest at most 9 levels deep.");
    EXPECT_EQ(formatUtf8(failures.tenthLevel.caption), "Confirm");
}

TEST_F(ModuleMessages, JapaneseIsTheTextAsItWasAlwaysShown) {
    const std::string path = failures.odd + "/p.nbx";
    const std::vector<std::pair<Message, std::string>> expected{
        {failures.missingFolder.message,
         "「" + path + "」に保存できませんでした。\n保存先のフォルダが見つかりません。"},
        {failures.missingFolder.caption, "ファイル書き込みエラー"},
        {failures.unstorableName.message,
         "マテリアル「a,b.png」の名前はプロジェクトファイルに保存できません。\n名前を変えて読み込み直してください。"},
        {failures.unreadable.message,
         "「" + failures.odd + "/none.nbx」は存在しないか、他のアプリケーションで開いているため読み込めません。"},
        {failures.unreadable.caption, "ファイル読み込みエラー"},
        {persistence_text::cannotWrite("/p/x.nbx", ENOSPC),
         "「/p/x.nbx」に保存できませんでした。\nディスクの空き容量が足りません。"},
        {persistence_text::fileErrorReason(ENODEV), "システムエラー: No such device"},
        {failures.lastTopLevel.message, "このノードは削除できません"},
        {failures.lastTopLevel.caption, "確認"},
        {failures.tenthChild.message, "これ以上ノードを追加できません。\n一つのノードに置ける子ノードは9個までです。"},
        {failures.tenthLevel.message, "これ以上深い階層にはできません。\nノードの階層は9段までです。"},
    };
    for (const auto& [message, text] : expected) {
        EXPECT_EQ(message.sourceText(), text);
        EXPECT_EQ(formatUtf8(message), text);
    }
    EXPECT_EQ(untitledFileName(), QStringLiteral("無題.nbx"));
}

}  // namespace
}  // namespace fg::text
