// The export command on real widgets: the dialog's proposal and its check of
// the range, and an export from the dialog to image files on the export's
// own thread.

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <cstdlib>
#include <filesystem>

#include "UiTestSupport.h"
#include "ui/dialogs/ExportDialog.h"
#include "render/export/ExportFrames.h"
#include "render/export/IntermediateFrames.h"
#include "ui/ExportRunner.h"
#include "export-service/ExportService.h"
#include "text/Format.h"
#include "ui/dialogs/ExportPreview.h"
#include "ui/dialogs/ExportAdvancedGroup.h"
#include "app/ProgramSettings.h"
#include <QToolButton>
#include <QJsonDocument>
#include <QJsonObject>

namespace fg {
namespace {

QAbstractButton* okButton(QWidget* dialog) { return dialog->findChild<QAbstractButton*>(QStringLiteral("ok")); }

// Answers the next message box, letting the progress dialog pass.
void answerNextMessage(const std::function<void(QMessageBox*)>& answer) {
    test::answerNextModal([answer](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            answer(box);
        } else {
            answerNextMessage(answer);
        }
    });
}

TEST(ExportDialogTest, EnterAcceptsTheFramesPerRowAsShown) {
    test::ScratchHome home;
    const auto editor = test::makeEditor(nullptr);  // 60 frames
    editor->changeDocument({}, [](EditorState& g) {
        g.write.start = 1;
        g.write.end = 60;
        g.write.step = 2;
        g.write.width = 6;  // not the proposal for this range, ⌊√30⌋ = 5
    });
    ExportDialog dialog(*editor);
    dialog.show();
    dialog.startBox()->setFocus();
    // Enter in a spin box announces its (unchanged) value again, then OKs.
    QTest::keyClick(dialog.startBox(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.settings().width, 6);
}

TEST(ExportDialogTest, ProposesFramesPerRowAndRefusesAStartAfterTheEnd) {
    test::ScratchHome home;
    const auto editor = test::makeEditor(nullptr);  // 60 frames
    ExportDialog dialog(*editor);
    dialog.show();
    dialog.startBox()->setValue(1);
    dialog.endBox()->setValue(10);
    dialog.stepBox()->setValue(3);
    EXPECT_EQ(dialog.columnsBox()->value(), 1);  // ⌊√(10 / 3)⌋

    dialog.startBox()->setValue(12);
    // The information line says what is wrong rather than counting "-2" images.
    EXPECT_EQ(dialog.infoLine()->text(), QStringLiteral("開始フレームが終了フレームより大きくなっています"));
    dialog.layoutBox()->setCurrentIndex(1);
    EXPECT_EQ(dialog.infoLine()->text(), QStringLiteral("開始フレームが終了フレームより大きくなっています"));
    dialog.layoutBox()->setCurrentIndex(0);
    QStringList seen;
    test::answerNextModal([&](QWidget* modal) {
        seen << modal->windowTitle() << static_cast<QMessageBox*>(modal)->text();
        static_cast<QMessageBox*>(modal)->accept();
    });
    okButton(&dialog)->click();
    EXPECT_EQ(seen, (QStringList{"設定を修正してください。", "開始フレームが終了フレームより大きくなっています"}));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_NE(dialog.result(), QDialog::Accepted);

    dialog.startBox()->setValue(4);
    EXPECT_EQ(dialog.infoLine()->text(), QStringLiteral("3コマ　128×384ピクセル"));
    okButton(&dialog)->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const WriteSettings chosen = dialog.settings();
    EXPECT_EQ((std::vector<int>{chosen.start, chosen.end, chosen.step}), (std::vector<int>{4, 10, 3}));
}

TEST(ExportDialogTest, TabGoesFromTopToBottomAndEscapeCancels) {
    test::ScratchHome home;
    const auto editor = test::makeEditor(nullptr);
    ExportDialog dialog(*editor);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    dialog.startBox()->setFocus();
    QStringList visited;
    for (int i = 0; i < 10; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    // The folded advanced choices are one stop, their heading.
    EXPECT_EQ(visited, (QStringList{"end", "step", "layout", "columns", "frameWidth", "frameHeight", "alpha", "smooth",
                                    "advancedToggle", "ok"}));
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(ExportDialogTest, AdvancedChoicesStartFoldedAndDefaultToThePlainExport) {
    test::ScratchHome home;
    const auto editor = test::makeEditor(nullptr);
    ExportDialog dialog(*editor);
    dialog.show();
    ExportAdvancedGroup* advanced = dialog.advanced();
    EXPECT_FALSE(advanced->expanded());
    EXPECT_FALSE(advanced->metaBox()->isVisible());
    EXPECT_FALSE(dialog.choices().any());
    EXPECT_EQ(dialog.choices().quality, -1);
    EXPECT_EQ(advanced->qualityBox()->text(), QString("ロスレス"));

    advanced->toggle()->click();
    EXPECT_TRUE(advanced->metaBox()->isVisible());
    EXPECT_FALSE(advanced->extrudeBox()->isEnabled());  // nothing to extrude into without padding
    advanced->paddingBox()->setValue(2);
    EXPECT_TRUE(advanced->extrudeBox()->isEnabled());
    advanced->extrudeBox()->click();
    advanced->metaBox()->click();
    advanced->pow2Box()->click();
    advanced->loopBox()->click();
    const EngineExportOptions sheet = dialog.choices();
    EXPECT_TRUE(sheet.metaJson && sheet.extrude && sheet.pow2 && sheet.loop && !sheet.animated);
    EXPECT_EQ(sheet.padding, 2);
    // An animation has no sheet to describe or pad; only its quality applies.
    EXPECT_FALSE(advanced->qualityBox()->isEnabled());
    advanced->animatedBox()->click();
    EXPECT_FALSE(advanced->metaBox()->isEnabled());
    EXPECT_FALSE(advanced->paddingBox()->isEnabled());
    EXPECT_TRUE(advanced->qualityBox()->isEnabled());
    advanced->qualityBox()->setValue(80);
    EXPECT_EQ(dialog.choices().quality, 80);
    EXPECT_TRUE(dialog.choices().animated);
}

TEST(ExportDialogTest, SeparateFilesDisableTheColumnsAndCountImages) {
    test::ScratchHome home;
    const auto editor = test::makeEditor(nullptr);  // 60 frames, step 1
    ExportDialog dialog(*editor);
    EXPECT_EQ(dialog.infoLine()->text(), QStringLiteral("60コマ　896×1152ピクセル"));  // 7 across, 9 rows
    dialog.layoutBox()->setCurrentIndex(1);
    EXPECT_FALSE(dialog.columnsBox()->isEnabled());
    EXPECT_EQ(dialog.infoLine()->text(), QStringLiteral("60枚"));
    EXPECT_EQ(dialog.preview()->cellsDrawn(), 1);
    EXPECT_EQ(dialog.preview()->sheetRect().width(), ExportPreview::kSingleCell);
    EXPECT_EQ(editor->state().write.type, 1);  // kept at once
    EXPECT_TRUE(editor->isModified());
    EXPECT_EQ(dialog.widthBox()->minimum(), 4);
    EXPECT_EQ(dialog.smoothBox()->maximum(), 6);
    EXPECT_EQ(dialog.startBox()->maximum(), 59);
}

class ExportCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        editor = test::makeEditor(nullptr);
        editor->changeDocument({}, [](EditorState& g) {
            g.project.width = 32;
            g.project.height = 24;
            g.write.start = 1;
            g.write.end = 3;
            g.write.step = 1;
            g.write.width = 3;
            g.write.type = 0;
            g.write.smooth = 1;
        });
    }
    void TearDown() override { test::cancelModalAnswers(); }

    test::ScratchHome home;
    std::unique_ptr<Editor> editor;
    QWidget window;
};

TEST_F(ExportCommandTest, TheDialogsSettingsAreKeptAndTheSheetIsWritten) {
    ExportRunner runner(&window, *editor);
    const std::string destination = home.file("sheet.png");
    runner.askDestination = [&] { return std::optional<std::string>(destination); };
    test::answerNextModal([](QWidget* modal) {
        auto* dialog = static_cast<ExportDialog*>(modal);
        dialog->endBox()->setValue(4);
        dialog->columnsBox()->setValue(2);
        okButton(dialog)->click();
    });
    EXPECT_TRUE(runner.run());

    const WriteSettings& write = editor->state().write;
    EXPECT_EQ((std::vector<int>{write.end, write.width, write.height}), (std::vector<int>{4, 2, 2}));
    EXPECT_TRUE(editor->isModified());
    const QImage sheet(QString::fromStdString(destination));
    EXPECT_EQ(sheet.size(), QSize(2 * 32, 2 * 24));
}

TEST_F(ExportCommandTest, ARangeWithAStepProposesOnePerRowAndExportsFourImages) {
    ExportRunner runner(&window, *editor);
    const std::string destination = home.file("four.png");
    runner.askDestination = [&] { return std::optional<std::string>(destination); };
    int proposed = 0;
    QString info;
    int cells = 0;
    test::answerNextModal([&](QWidget* modal) {
        auto* dialog = static_cast<ExportDialog*>(modal);
        dialog->startBox()->setValue(1);
        dialog->endBox()->setValue(10);
        dialog->stepBox()->setValue(3);
        proposed = dialog->columnsBox()->value();
        info = dialog->infoLine()->text();
        cells = dialog->preview()->cellsDrawn();
        okButton(dialog)->click();
    });
    EXPECT_TRUE(runner.run());
    EXPECT_EQ(proposed, 1);  // ⌊√(10 / 3)⌋
    EXPECT_EQ(info, QStringLiteral("4コマ　32×96ピクセル"));
    EXPECT_EQ(cells, 4);
    EXPECT_EQ(QImage(QString::fromStdString(destination)).size(), QSize(32, 4 * 24));
    // The four frames went straight into the sheet: no intermediate files.
    EXPECT_FALSE(std::filesystem::exists(exportRenderFolder(editor->state().workDir)));
}

TEST_F(ExportCommandTest, AStartAfterTheEndIsToldAndNothingIsExported) {
    ExportRunner runner(&window, *editor);
    bool askedWhere = false;
    const std::string destination = home.file("never.png");
    runner.askDestination = [&] {
        askedWhere = true;
        return std::optional<std::string>(destination);
    };
    QStringList seen;
    bool stayedOpen = false;
    test::answerNextModal([&](QWidget* modal) {
        auto* dialog = static_cast<ExportDialog*>(modal);
        dialog->endBox()->setValue(10);
        dialog->startBox()->setValue(12);
        answerNextMessage([&](QMessageBox* box) {
            seen << box->windowTitle() << box->text();
            box->accept();
        });
        okButton(dialog)->click();
        stayedOpen = dialog->isVisible();
        dialog->findChild<QAbstractButton*>(QStringLiteral("cancel"))->click();
    });
    EXPECT_FALSE(runner.run());
    EXPECT_EQ(seen, (QStringList{"設定を修正してください。", "開始フレームが終了フレームより大きくなっています"}));
    EXPECT_TRUE(stayedOpen);
    EXPECT_FALSE(askedWhere);
    EXPECT_FALSE(std::filesystem::exists(destination));
    // What was typed is kept, as the dialog's edits go straight to the project.
    EXPECT_EQ(editor->state().write.start, 12);
    EXPECT_TRUE(editor->isModified());
}

TEST_F(ExportCommandTest, CancellingTheProgressLeavesTheUsersFolderUntouched) {
    editor->changeDocument({}, [](EditorState& g) {
        g.project.width = 512;
        g.project.height = 512;
        g.write.end = 60;
        g.write.smooth = 4;  // slow enough to be cancelled halfway
    });
    const std::filesystem::path folder = home.path() / "out";
    std::filesystem::create_directories(folder);
    ExportRunner runner(&window, *editor);
    runner.askDestination = [&] { return std::optional<std::string>((folder / "sheet.png").string()); };
    QString progressTitle;
    test::answerNextModal([&](QWidget* modal) {
        test::answerNextModal([&](QWidget* progress) {
            ASSERT_NE(qobject_cast<QProgressDialog*>(progress), nullptr);
            progressTitle = progress->windowTitle();
            progress->findChild<QPushButton*>()->click();
        });
        okButton(modal)->click();
    });
    EXPECT_FALSE(runner.run());
    EXPECT_EQ(progressTitle, QStringLiteral("書き出し中"));
    EXPECT_TRUE(std::filesystem::is_empty(folder));
    EXPECT_FALSE(std::filesystem::exists(intermediateFramePath(exportRenderFolder(editor->state().workDir), 59)));
}

TEST(ExportThroughTheDialogTest, TheSheetEqualsTheCommandLineExportByteForByte) {
    test::ScratchHome home;
    const auto editor = test::makeEditor(nullptr);
    const std::string fire = std::string(std::getenv("FULGRANE3D_SOURCE_DIR")) + "/resources/samples/fire.nbx";
    ASSERT_TRUE(editor->document().openInPlace(fire));
    QWidget window;
    ExportRunner runner(&window, *editor);
    const std::string fromDialog = home.file("dialog.png");
    runner.askDestination = [&] { return std::optional<std::string>(fromDialog); };
    test::answerNextModal([](QWidget* modal) {
        auto* dialog = static_cast<ExportDialog*>(modal);
        dialog->layoutBox()->setCurrentIndex(0);
        dialog->startBox()->setValue(5);
        dialog->endBox()->setValue(20);
        dialog->stepBox()->setValue(5);
        dialog->columnsBox()->setValue(3);
        dialog->widthBox()->setValue(64);
        dialog->heightBox()->setValue(48);
        dialog->smoothBox()->setValue(2);
        dialog->alphaBox()->setChecked(true);
        okButton(dialog)->click();
    });
    ASSERT_TRUE(runner.run());

    const std::string fromCli = home.file("cli.png");
    QProcess cli;
    cli.start(QStringLiteral(FULGRANE3D_CLI_PATH),
              {"export", QString::fromStdString(fire), "-o", QString::fromStdString(fromCli), "--start", "5", "--end",
               "20", "--step", "5", "--columns", "3", "--width", "64", "--height", "48", "--smooth", "2", "--alpha"});
    ASSERT_TRUE(cli.waitForFinished(120000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();

    QFile a(QString::fromStdString(fromDialog));
    QFile b(QString::fromStdString(fromCli));
    ASSERT_TRUE(a.open(QIODevice::ReadOnly));
    ASSERT_TRUE(b.open(QIODevice::ReadOnly));
    const QByteArray dialogBytes = a.readAll();
    EXPECT_EQ(QImage::fromData(dialogBytes).size(), QSize(3 * 64, 2 * 48));
    EXPECT_TRUE(dialogBytes == b.readAll());
}

TEST_F(ExportCommandTest, SeparateFilesAreNumberedAndFailuresAreTold) {
    editor->changeDocument({}, [](EditorState& g) { g.write.type = 1; });
    ExportRunner runner(&window, *editor);
    const ExportOutcome outcome = runner.exportTo(home.file("frame.bmp"));
    ASSERT_TRUE(outcome.ok()) << outcome.error.sourceText();
    EXPECT_EQ(outcome.written, (std::vector<std::string>{home.file("frame00000.bmp"), home.file("frame00001.bmp"),
                                                         home.file("frame00002.bmp")}));
    EXPECT_EQ(QImage(QString::fromStdString(outcome.written.back())).size(), QSize(32, 24));

    // A folder that does not exist cannot take the files: the message says so.
    QString told;
    answerNextMessage([&](QMessageBox* box) {
        told = box->text();
        box->accept();
    });
    const ExportOutcome failed = runner.exportTo(home.file("missing/frame.png"));
    EXPECT_FALSE(failed.ok());
    EXPECT_FALSE(failed.error.empty());
    EXPECT_EQ(told, text::format(failed.error));
}

TEST_F(ExportCommandTest, ACancelledJobStopsWithoutWriting) {
    ExportOptions options;
    options.destination = home.file("never.png");
    PreparedExport prepared = ExportService::prepare(editor->state(), options);
    ASSERT_TRUE(std::holds_alternative<ExportTask>(prepared));
    ExportService service;
    service.cancel();
    service.start(std::get<ExportTask>(std::move(prepared)));
    const ExportOutcome outcome = service.wait();
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_FALSE(std::filesystem::exists(options.destination));
}

TEST_F(ExportCommandTest, ThePipelineKeepsTheParticleLimitAndSaysWhatItSkipped) {
    ExportRequest request;
    EditorState g = copyOf(editor->state());
    ASSERT_FALSE(acceptExportSettings(g.write, g.project, request.plan));
    request.destination = home.file("limited.png");
    request.particleLimit = 1;  // the root particle only
    const ExportOutcome limited = runHeadlessExport(g, request);
    ASSERT_TRUE(limited.ok()) << limited.error.sourceText();
    EXPECT_EQ(limited.particleLimit, 1u);
    EXPECT_GT(limited.skippedSpawns, 0u);

    request.particleLimit.reset();
    const ExportOutcome unlimited = runHeadlessExport(g, request);
    ASSERT_TRUE(unlimited.ok()) << unlimited.error.sourceText();
    EXPECT_EQ(unlimited.skippedSpawns, 0u);
}

}  // namespace
}  // namespace fg

namespace fg {
namespace {

// An animation asked for with a still picture's name is refused with a
// message, and nothing is written.
TEST_F(ExportCommandTest, AnAnimationNeedsAnAnimationName) {
    ExportRunner runner(&window, *editor);
    EngineExportOptions animated;
    animated.animated = true;
    runner.setChoices(animated, {});
    const std::string destination = home.file("moving.bmp");
    QString said;
    test::answerNextModal([&](QWidget* modal) {
        said = static_cast<QMessageBox*>(modal)->text();
        static_cast<QMessageBox*>(modal)->accept();
    });
    const ExportOutcome outcome = runner.exportTo(destination);
    EXPECT_FALSE(outcome.ok());
    EXPECT_EQ(said, QString("アニメーションはGIF（.gif）、WebP（.webp）、APNG（.apng、.png）、MP4（.mp4）かWebM（.webm）で保存してください。"));
    EXPECT_FALSE(std::filesystem::exists(destination));

    const std::string gif = home.file("moving.gif");
    EXPECT_TRUE(runner.exportTo(gif).ok());
    EXPECT_TRUE(std::filesystem::exists(gif));
}

// A name typed without an extension takes the extension of the file type
// chosen in the save dialog, not always the first one's.
TEST_F(ExportCommandTest, TheChosenFileTypeGivesTheExtension) {
    ExportRunner runner(&window, *editor);
    EngineExportOptions animated;
    animated.animated = true;
    runner.setChoices(animated, {});
    QString suffixBefore;
    QString suffixAfter;
    test::answerNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        ASSERT_NE(types, nullptr);
        suffixBefore = dialog->defaultSuffix();
        // GIF, WebP, then MP4.
        QTest::keyClick(types, Qt::Key_Down);
        QTest::keyClick(types, Qt::Key_Down);
        suffixAfter = dialog->defaultSuffix();
        test::chooseFile(dialog, QString::fromStdString(home.file("moving")));
    });
    const std::optional<std::string> destination = runner.askDestination();
    EXPECT_EQ(suffixBefore, QString("gif"));
    EXPECT_EQ(suffixAfter, QString("mp4"));
    ASSERT_TRUE(destination);
    EXPECT_EQ(*destination, home.file("moving.mp4"));
}

// The editor's export writes videos and animated PNG under the same choice.
TEST_F(ExportCommandTest, AnimationsAlsoGoToVideosAndAnimatedPng) {
    ExportRunner runner(&window, *editor);
    EngineExportOptions animated;
    animated.animated = true;
    animated.loop = true;
    runner.setChoices(animated, {});
    const std::string mp4 = home.file("moving.mp4");
    const std::string webm = home.file("moving.webm");
    const std::string png = home.file("moving.png");
    ASSERT_TRUE(runner.exportTo(mp4).ok());
    ASSERT_TRUE(runner.exportTo(webm).ok());
    ASSERT_TRUE(runner.exportTo(png).ok());
    QFile file(QString::fromStdString(mp4));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(8).mid(4), QByteArray("ftyp"));
    QFile matroska(QString::fromStdString(webm));
    ASSERT_TRUE(matroska.open(QIODevice::ReadOnly));
    EXPECT_EQ(matroska.read(4), QByteArray("\x1a\x45\xdf\xa3"));
    QFile apng(QString::fromStdString(png));
    ASSERT_TRUE(apng.open(QIODevice::ReadOnly));
    EXPECT_TRUE(apng.readAll().contains("acTL"));
}

TEST_F(ExportCommandTest, AdvancedChoicesShapeTheSheetAndAreKeptInDataPrm) {
    ExportRunner runner(&window, *editor);
    const std::filesystem::path dataPrm = home.file("data.prm");
    runner.setChoices(EngineExportOptions{}, dataPrm);
    const std::string destination = home.file("engine.png");
    runner.askDestination = [&] { return std::optional<std::string>(destination); };
    test::answerNextModal([](QWidget* modal) {
        auto* dialog = static_cast<ExportDialog*>(modal);
        ExportAdvancedGroup* advanced = dialog->advanced();
        advanced->toggle()->click();
        advanced->metaBox()->click();
        advanced->paddingBox()->setValue(2);
        advanced->pow2Box()->click();
        okButton(dialog)->click();
    });
    EXPECT_TRUE(runner.run());
    // 3 × (32 + 4) = 108 → 128; 24 + 4 = 28 → 32.
    EXPECT_EQ(QImage(QString::fromStdString(destination)).size(), QSize(128, 32));
    QFile json(QString::fromStdString(home.file("engine.json")));
    ASSERT_TRUE(json.open(QIODevice::ReadOnly));
    const QJsonObject frames = QJsonDocument::fromJson(json.readAll())["frames"].toObject();
    EXPECT_EQ(frames.size(), 3);

    // Kept per user, and shown again by the next export's dialog.
    const EngineExportOptions kept = app::loadProgramSettings(dataPrm).exportChoices;
    EXPECT_TRUE(kept.metaJson && kept.pow2);
    EXPECT_EQ(kept.padding, 2);
    ExportRunner next(&window, *editor);
    next.setChoices(kept, dataPrm);
    next.askDestination = [] { return std::optional<std::string>(); };
    bool shown = false;
    test::answerNextModal([&](QWidget* modal) {
        auto* dialog = static_cast<ExportDialog*>(modal);
        shown = dialog->choices().metaJson && dialog->choices().padding == 2 && !dialog->advanced()->expanded();
        dialog->reject();
    });
    EXPECT_FALSE(next.run());
    EXPECT_TRUE(shown);
}

}  // namespace
}  // namespace fg
