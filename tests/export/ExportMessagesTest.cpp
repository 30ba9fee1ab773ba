// The export's messages shown in English: a reason inside a message is
// translated in turn, paths stay as they are, and the dialog's info line
// says what is wrong in the interface language.

#include <gtest/gtest.h>

#include <QTranslator>

#include <cerrno>

#include "persistence/Messages.h"
#include "render/export/ExportDestinations.h"
#include "render/export/ExportFrames.h"
#include "render/export/ExportSettings.h"
#include "render/export/ExportText.h"
#include "render/export/SheetComposer.h"
#include "render/export/VideoWriter.h"
#include "text/Format.h"
#include "text/Language.h"

namespace fg::text {
namespace {

class EnglishExportMessages : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(english, nullptr); }
    std::unique_ptr<QTranslator> english = installLanguage(Language::English);
};

TEST_F(EnglishExportMessages, ReasonsInsideMessagesAndThePathsAsTheyAre) {
    EXPECT_EQ(formatUtf8(exportMessage(export_text::kSaveFailed).arg("/p/a.png").arg(persistence_text::fileErrorReason(EROFS))),
              "Could not save the image file.\n/p/a.png\nThe location is read-only.");
    EXPECT_EQ(formatUtf8(exportMessage(export_text::kTargetFailed).arg(targetTooLargeReason(12288, 12288, 8192, 8192))),
              "Could not create the render target for the export.\n"
              "The frame size times the smoothing (12288×12288 pixels) is larger than this system can draw "
              "(8192×8192 pixels).");
    EXPECT_EQ(formatUtf8(overwritesProjectMessage("/p/fire.nbx")),
              "The export would overwrite the open project's file. Choose another file name.\n/p/fire.nbx");
}

TEST_F(EnglishExportMessages, VideoReasonsNameTheFileAndWhatTheLibrariesLack) {
    EXPECT_EQ(formatUtf8(exportMessage(export_text::kSaveFailed)
                             .arg("/p/a.mp4")
                             .arg(Message(kExportTextContext, kVideoLibraryLacks).arg("libx264"))),
              "Could not save the image file.\n/p/a.mp4\nThe installed FFmpeg libraries have no \"libx264\".");
    EXPECT_EQ(formatUtf8(exportMessage(export_text::kSaveFailed)
                             .arg("/p/a.webm")
                             .arg(Message(kExportTextContext, kVideoSizeRefused).arg("libvpx-vp9").arg("70000").arg("16"))),
              "Could not save the image file.\n/p/a.webm\n\"libvpx-vp9\" cannot encode pictures of 70000×16 pixels.");
}

TEST_F(EnglishExportMessages, TheInfoLineInEitherLayoutAndWhatIsWrong) {
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
    // In Japanese the same message is the text the dialog always showed.
    english.reset();
    EXPECT_EQ(formatUtf8(exportInfoLine(write, project)), "開始フレームが終了フレームより大きくなっています");
}

}  // namespace
}  // namespace fg::text
