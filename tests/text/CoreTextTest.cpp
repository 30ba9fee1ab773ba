// The messages the standard-library modules fill, shown in English: the
// template is found, translated as one unit, and its arguments (paths, node
// names) come back unchanged; in Japanese every text stays as it was built.

#include <gtest/gtest.h>

#include <QTranslator>

#include <cerrno>

#include "history/EditHistory.h"
#include "model/EffectTree.h"
#include "persistence/Messages.h"
#include "render/RenderError.h"
#include "render/export/ExportDestinations.h"
#include "render/export/ExportFrames.h"
#include "render/export/ExportSettings.h"
#include "render/export/SheetComposer.h"
#include "text/CoreText.h"
#include "text/Format.h"
#include "text/Language.h"

namespace fg::text {
namespace {

class EnglishCoreText : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(english, nullptr); }
    std::unique_ptr<QTranslator> english = installLanguage(Language::English);
};

TEST_F(EnglishCoreText, FileMessagesKeepTheirPathWhereEnglishPutsIt) {
    EXPECT_EQ(coreTextUtf8(persistence_text::cannotRead("/p/炎の効果.nbx")),
              "\"/p/炎の効果.nbx\" cannot be read: it does not exist or is open in another application.");
    EXPECT_EQ(coreTextUtf8(persistence_text::cannotWrite("/p/「x」.nbx")), "Could not save to \"/p/「x」.nbx\".");
    EXPECT_EQ(coreTextUtf8(persistence_text::kNewerVersion),
              "This file was made with a newer version of Fulgrane3D.\n"
              "Install the latest version of Fulgrane3D to open it.");
    EXPECT_EQ(coreTextUtf8(persistence_text::kWriteErrorCaption), "File Write Error");
    // The reason of a failed save, translated inside the message.
    EXPECT_EQ(coreTextUtf8(persistence_text::cannotWrite("/p/x.nbx", ENOSPC)), "Could not save to \"/p/x.nbx\".\nThe disk is full.");
    EXPECT_EQ(coreTextUtf8(persistence_text::cannotWrite("/p/x.nbx", EACCES)),
              "Could not save to \"/p/x.nbx\".\nYou do not have permission to write here.");
    EXPECT_EQ(coreTextUtf8(persistence_text::fileErrorReason(ENODEV)), "System error: No such device");
    EXPECT_EQ(formatUtf8(exportMessage(export_text::kSaveFailed).arg("/p/a.png").arg(persistence_text::fileErrorMessage(EROFS))),
              "Could not save the image file.\n/p/a.png\nThe location is read-only.");
    EXPECT_EQ(coreTextUtf8(tree_text::kConfirmCaption), "Confirm");
}

TEST_F(EnglishCoreText, HistoryLabelsTranslateTheirWordsNotTheNodeName) {
    EXPECT_EQ(coreTextUtf8(history_text::kStart), "Start");
    EXPECT_EQ(coreTextUtf8(fillTemplate(history_text::kParameter, {"ノード1-b", "寿命"})), "ノード1-b-Lifetime");
    EXPECT_EQ(coreTextUtf8(fillTemplate(history_text::kGraph, {"ノード1", "サイズ【幅】"})), "ノード1-Size (Width) curve");
    EXPECT_EQ(coreTextUtf8(fillTemplate(history_text::kRename, {"%2 寿命"})), "Renamed node to <%2 寿命>");
    EXPECT_EQ(coreTextUtf8(fillTemplate(history_text::kAdd, {"ノード3"})), "Added <ノード3>");
    EXPECT_EQ(coreTextUtf8(fillTemplate(history_text::kMoved, {"ノード3"})), "ノード3-Moved node");
    // A parameter whose label is not in the table keeps it.
    EXPECT_EQ(coreTextUtf8(fillTemplate(history_text::kParameter, {"a", "未知"})), "a-未知");
}

TEST_F(EnglishCoreText, ExportMessagesIncludingOneInsideAnother) {
    EXPECT_EQ(formatUtf8(exportMessage(export_text::kTargetFailed).arg(targetTooLargeReason(12288, 12288, 8192, 8192))),
              "Could not create the render target for the export.\n"
              "The frame size times the smoothing (12288×12288 pixels) is larger than this system can draw "
              "(8192×8192 pixels).");
    EXPECT_EQ(formatUtf8(overwritesProjectMessage("/p/fire.nbx")),
              "The export would overwrite the open project's file. Choose another file name.\n/p/fire.nbx");
    WriteSettings write;
    write.start = 1;
    write.end = 4;
    write.step = 1;
    write.width = 3;
    ProjectSettings project;
    project.width = 64;
    project.height = 32;
    write.type = 0;
    EXPECT_EQ(formatUtf8(exportInfoLine(write, project)), "4 frames, 192×64 pixels");
    write.type = 1;
    EXPECT_EQ(formatUtf8(exportInfoLine(write, project)), "4 images");
    write.start = 5;  // after the end: what is wrong
    EXPECT_EQ(formatUtf8(exportInfoLine(write, project)), "The first frame comes after the last frame.");
}

TEST_F(EnglishCoreText, OtherTextsAndTheUntitledName) {
    EXPECT_EQ(coreTextUtf8("ノード1"), "ノード1");
    EXPECT_EQ(coreTextUtf8("plain text - with a dash"), "plain text - with a dash");
    EXPECT_EQ(untitledFileName(), QStringLiteral("Untitled.nbx"));
    // A renderer failure: its text translated, a shader entry's caption kept.
    EXPECT_EQ(coreTextUtf8(render_text::kPixelShaderFailed), "Could not create the pixel shader.");
    EXPECT_EQ(coreTextUtf8("Line.hlsl 【PS】"), "Line.hlsl 【PS】");
}

TEST(JapaneseCoreText, EveryTextStaysAsBuilt) {
    for (const std::string& text :
         {persistence_text::cannotRead("/p/a.nbx"), std::string(persistence_text::kNewerVersion),
          fillTemplate(history_text::kGraph, {"ノード1", "サイズ【幅】"}),
          fillTemplate(history_text::kParameter, {"ノード1", "寿命"}), std::string("ノード1")}) {
        EXPECT_EQ(coreTextUtf8(text), text);
    }
    EXPECT_EQ(untitledFileName(), QStringLiteral("無題.nbx"));
}

}  // namespace
}  // namespace fg::text
