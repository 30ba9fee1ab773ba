#include <gtest/gtest.h>

#include <limits>

#include "render/export/AnimatedWriter.h"
#include "render/export/ExportFormat.h"
#include "render/export/ExportSettings.h"

namespace fg {
namespace {

WriteSettings range(int start, int end, int step, int columns = 7) {
    WriteSettings write;
    write.start = start;
    write.end = end;
    write.step = step;
    write.width = columns;
    return write;
}

TEST(ExportSettings, CountsImagesAndProposesColumns) {
    EXPECT_EQ(exportImageCount(1, 10, 3), 4);  // frames 1, 4, 7, 10
    EXPECT_EQ(proposedColumns(1, 10, 3), 1);   // (int)√(10 / 3) = (int)√3
    EXPECT_EQ(exportImageCount(5, 5, 1), 1);
    EXPECT_EQ(exportImageCount(1, 60, 1), 60);
    EXPECT_EQ(proposedColumns(1, 60, 1), 7);
    EXPECT_EQ(exportImageCount(1, 60, 7), 9);
    // Fewer frames than one step would propose no column at all; a sheet keeps one.
    EXPECT_EQ(proposedColumns(1, 2, 3), 1);
    EXPECT_EQ(proposedColumns(9, 2, 1), 1);
    EXPECT_EQ(sheetRows(4, 1, 1, 10), 4);
    EXPECT_EQ(sheetRows(7, 3, 1, 10), 3);
    EXPECT_EQ(sheetRows(0, 3, 9, 2), 0);  // end before start
}

TEST(ExportSettings, AcceptClampsColumnsAndDerivesRows) {
    ProjectSettings project;
    WriteSettings write = range(1, 10, 3, 4);
    ExportPlan plan;
    ASSERT_FALSE(acceptExportSettings(write, project, plan));
    EXPECT_EQ(plan.imageCount, 4);
    EXPECT_EQ(plan.columns, 4);
    EXPECT_EQ(plan.rows, 1);
    EXPECT_EQ(write.height, 1);

    write = range(1, 10, 3, 9);  // more columns than images
    ASSERT_FALSE(acceptExportSettings(write, project, plan));
    EXPECT_EQ(write.width, 4);

    write = range(1, 60, 1, 7);
    write.smooth = 0;  // read as 1
    write.type = 1;
    project.width = 200;
    project.height = 100;
    ASSERT_FALSE(acceptExportSettings(write, project, plan));
    EXPECT_EQ(write.smooth, 1);
    EXPECT_EQ(plan.rows, 9);
    EXPECT_TRUE(plan.separateFiles);
    write.smooth = 2;
    ASSERT_FALSE(acceptExportSettings(write, project, plan));
    EXPECT_EQ(plan.renderWidth(), 400);
    EXPECT_EQ(plan.renderHeight(), 200);
    EXPECT_EQ(project.width, 200);  // the project keeps the frame size
}

TEST(ExportSettings, RefusesBadRangesInTheDialogsOrder) {
    ProjectSettings project;  // 60 frames
    ExportPlan plan;
    auto messageFor = [&](WriteSettings write) {
        auto error = acceptExportSettings(write, project, plan);
        if (!error) return std::string("accepted");
        EXPECT_EQ(error->caption.sourceText(), "設定を修正してください。");
        return error->message.sourceText();
    };
    EXPECT_EQ(messageFor(range(10, 5, 1)), "開始フレームが終了フレームより大きくなっています");
    EXPECT_EQ(messageFor(range(0, 0, 1)), "開始フレームが正しくありません");
    EXPECT_EQ(messageFor(range(0, 10, 1)), "開始フレームが正しくありません");
    EXPECT_EQ(messageFor(range(1, 61, 1)), "終了フレームが正しくありません");
    EXPECT_EQ(messageFor(range(-3, 0, 1)), "終了フレームが正しくありません");
    EXPECT_EQ(messageFor(range(-3, 5, 1)), "開始フレームが正しくありません");
    EXPECT_EQ(messageFor(range(1, 60, 0)), "accepted");  // a step of 0 reads as 1
    EXPECT_EQ(plan.imageCount, 60);
}

TEST(ExportSettings, InformationLine) {
    ProjectSettings project;
    project.width = 64;
    project.height = 32;
    WriteSettings write = range(1, 10, 3, 3);
    EXPECT_EQ(exportInfoLine(write, project).sourceText(), "4コマ　192×64ピクセル");
    write.type = 1;
    EXPECT_EQ(exportInfoLine(write, project).sourceText(), "4枚");
    // Start after the end: what is wrong, not a negative count.
    write = range(12, 10, 1, 3);
    EXPECT_EQ(exportInfoLine(write, project).sourceText(), "開始フレームが終了フレームより大きくなっています");
    write.type = 1;
    EXPECT_EQ(exportInfoLine(write, project).sourceText(), "開始フレームが終了フレームより大きくなっています");
}

TEST(ExportSettings, ExtremeValuesFromAFileGiveDefinedResults) {
    constexpr int kMin = std::numeric_limits<int>::min();
    constexpr int kMax = std::numeric_limits<int>::max();
    EXPECT_EQ(exportImageCount(kMin, kMax, 1), kMax);  // 2^32 images: as many as an int holds
    EXPECT_EQ(exportImageCount(kMin, kMax, kMax), 2);  // 2.0000000009 + 0.9999, truncated
    EXPECT_EQ(exportImageCount(kMax, kMin, 1), kMin);
    EXPECT_EQ(exportImageCount(1, kMax, kMin), kMax);  // a negative step counts as 1
    EXPECT_EQ(proposedColumns(kMin, kMax, 1), 65536);  // ⌊√(2^32)⌋
    EXPECT_EQ(proposedColumns(kMax, kMin, 1), 1);
    EXPECT_EQ(sheetRows(kMax, kMax, 1, 2), 1);
    EXPECT_EQ(sheetRows(kMax, 1, 1, 2), kMax);
    EXPECT_EQ(sheetRows(kMax, kMin, 1, 2), kMax);

    ProjectSettings project;
    project.width = kMax;
    project.height = kMax;
    WriteSettings write = range(1, 60, 1, 7);
    EXPECT_EQ(exportInfoLine(write, project).sourceText(), "60コマ　15032385529×19327352823ピクセル");
    write = range(kMin, kMax, 1, kMax);
    EXPECT_EQ(exportInfoLine(write, project).sourceText(), "2147483647コマ　4611686014132420609×2147483647ピクセル");

    ExportPlan plan;
    project = ProjectSettings{};
    write = range(kMin, kMax, kMin, kMax);
    auto error = acceptExportSettings(write, project, plan);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message.sourceText(), "終了フレームが正しくありません");
    write = range(kMin, 10, 1, kMax);
    error = acceptExportSettings(write, project, plan);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message.sourceText(), "開始フレームが正しくありません");
    // A step far beyond the range would make the dialog's rounding count no
    // image at all; it is taken as the largest step the dialog offers.
    EXPECT_EQ(exportImageCount(1, 60, kMax), 0);
    write = range(1, 60, kMax, kMin);
    write.smooth = kMin;
    project.width = kMax;
    project.height = kMin;
    ASSERT_FALSE(acceptExportSettings(write, project, plan));
    EXPECT_EQ(plan.imageCount, 1);
    EXPECT_EQ(plan.step, 9999);
    EXPECT_EQ(plan.columns, 1);
    EXPECT_EQ(plan.rows, 1);
    EXPECT_EQ(plan.renderWidth(), 2048);
    EXPECT_EQ(plan.renderHeight(), 4);
}

TEST(ExportSettings, TheEndStaysWithinTheLongestEffectTheEditorMakes) {
    ProjectSettings project;
    project.frame = std::numeric_limits<int>::max();
    WriteSettings write = range(1, std::numeric_limits<int>::max(), 1);
    ExportPlan plan;
    auto error = acceptExportSettings(write, project, plan);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message.sourceText(), "終了フレームが正しくありません");
    write = range(1, 10000, 1);
    EXPECT_TRUE(acceptExportSettings(write, project, plan));
    write = range(1, 9999, 1);
    ASSERT_FALSE(acceptExportSettings(write, project, plan));
    EXPECT_EQ(plan.imageCount, 9999);
    EXPECT_EQ(plan.columns, 7);
}

TEST(ExportFormat, ExtensionsInAnyCase) {
    EXPECT_EQ(fileExtension("/out/fire.png"), ".png");
    EXPECT_EQ(fileExtension("/out.d/fire"), "");
    EXPECT_EQ(fileExtension("fire.tar.gif"), ".gif");
    EXPECT_EQ(formatForExtension(".bmp"), ImageFormat::Bmp);
    EXPECT_EQ(formatForExtension(".jpeg"), ImageFormat::Jpeg);
    EXPECT_EQ(formatForExtension(".tiff"), ImageFormat::Tiff);
    EXPECT_EQ(formatForExtension(".gif"), ImageFormat::Gif);
    EXPECT_EQ(formatForExtension(".PNG"), ImageFormat::Png);
    EXPECT_EQ(formatForExtension(".JPG"), ImageFormat::Jpeg);
    EXPECT_EQ(formatForExtension(".Jpeg"), ImageFormat::Jpeg);
    EXPECT_EQ(formatForExtension(".BMP"), ImageFormat::Bmp);
    EXPECT_EQ(formatForExtension(".TIFF"), ImageFormat::Tiff);
    EXPECT_EQ(formatForExtension(".Tif"), ImageFormat::Tiff);
    EXPECT_EQ(formatForExtension(".GIF"), ImageFormat::Gif);
    EXPECT_EQ(formatForExtension(".txt"), ImageFormat::Png);
    EXPECT_EQ(formatForExtension(""), ImageFormat::Png);

    EXPECT_FALSE(keepsTransparentBackground(true, ".jpg"));
    EXPECT_FALSE(keepsTransparentBackground(true, ".jpeg"));
    EXPECT_FALSE(keepsTransparentBackground(true, ".bmp"));
    EXPECT_TRUE(keepsTransparentBackground(true, ".png"));
    EXPECT_FALSE(keepsTransparentBackground(true, ".JPG"));
    EXPECT_FALSE(keepsTransparentBackground(true, ".Bmp"));
    EXPECT_TRUE(keepsTransparentBackground(true, ".PNG"));
    EXPECT_FALSE(keepsTransparentBackground(false, ".png"));

    EXPECT_EQ(numberedFileName("/out/fire.png", 0), "/out/fire00000.png");
    EXPECT_EQ(numberedFileName("/out/fire.png", 12), "/out/fire00012.png");
    EXPECT_EQ(numberedFileName("/out.d/fire", 3), "/out.d/fire00003");
    EXPECT_EQ(numberedFileName("/out/FIRE.JPG", 1), "/out/FIRE00001.JPG");  // the extension as typed

    ASSERT_NE(animationFormatFor(".WEBP"), nullptr);
    EXPECT_EQ(animationFormatFor(".WEBP")->id, ImageFormat::Webp);
    ASSERT_NE(animationFormatFor(".Gif"), nullptr);
    EXPECT_EQ(animationFormatFor(".Gif")->id, ImageFormat::Gif);
    EXPECT_EQ(animationFormatFor(".JPG"), nullptr);
    // WebP is an animation only: a still picture under that name is a PNG.
    EXPECT_EQ(formatForExtension(".webp"), ImageFormat::Png);
    EXPECT_TRUE(keepsTransparentBackground(true, ".webp"));
    // An animation named .png is an animated PNG; a still one stays PNG.
    ASSERT_NE(animationFormatFor(".PNG"), nullptr);
    EXPECT_EQ(animationFormatFor(".PNG")->id, ImageFormat::Apng);
    EXPECT_EQ(animationFormatFor(".Apng")->id, ImageFormat::Apng);
    EXPECT_EQ(animationFormatFor(".MP4")->id, ImageFormat::Mp4);
    EXPECT_EQ(animationFormatFor(".WebM")->id, ImageFormat::Webm);
    EXPECT_EQ(formatForExtension(".png"), ImageFormat::Png);
    // H.264 holds no alpha: the background is filled in.
    EXPECT_FALSE(keepsTransparentBackground(true, ".mp4"));
    EXPECT_TRUE(keepsTransparentBackground(true, ".webm"));
    EXPECT_TRUE(keepsTransparentBackground(true, ".apng"));
}

// The save dialog's filters and the command line's list come from the table,
// in its order, the default name first.
TEST(ExportFormat, TheTableListsStillsAndAnimations) {
    std::vector<std::string> stills;
    std::vector<std::string> animations;
    for (const ExportFormat& format : exportFormats()) {
        if (format.still) stills.push_back(format.filterLabel);
        if (format.animation) animations.push_back(format.filterLabel);
        EXPECT_EQ(format.defaultExtension(), format.extensions.front());
        EXPECT_EQ(&exportFormat(format.id), &format);
    }
    EXPECT_EQ(stills, (std::vector<std::string>{"PNG(*.png)", "BMP(*.bmp)", "JPEG(*.jpg)", "TIFF(*.tif)", "GIF(*.gif)"}));
    EXPECT_EQ(animations, (std::vector<std::string>{"GIF(*.gif)", "WebP(*.webp)", "MP4(*.mp4)", "WebM(*.webm)",
                                                    "APNG(*.apng *.png)"}));
    EXPECT_EQ(exportFormats().front().defaultExtension(), ".png");
}

}  // namespace
}  // namespace fg
