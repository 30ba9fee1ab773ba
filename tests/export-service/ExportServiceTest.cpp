// The export service as the dialog and the command-line tool use it: what
// prepare refuses, with the exact messages and in the dialog's order, and an
// export on the service's thread with its progress, outcome and cancel.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "export-service/ExportService.h"
#include "render/export/ExportDestinations.h"
#include "render/export/ExportFormat.h"
#include "render/export/ExportSettings.h"
#include "render/export/ExportText.h"
#include "render/export/SheetComposer.h"

namespace fg {
namespace {

namespace fs = std::filesystem;

}  // namespace

// Refusals read in failure messages: code, caption and message as Japanese text.
void PrintTo(const ExportRefusal& refusal, std::ostream* out) {
    *out << static_cast<int>(refusal.code) << " [" << refusal.caption.sourceText() << "] "
         << refusal.message.sourceText();
}

namespace {

QCoreApplication& application() {
    static int argc = 1;
    static char name[] = "export_service_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

class ExportServiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        application();
        std::random_device seed;
        m_dir = fs::temp_directory_path() / ("fg-export-service-" + std::to_string(seed()));
        fs::create_directories(m_dir / "work");
        m_g.workDir = (m_dir / "work").string();
        m_g.project.frame = 60;
        m_g.project.width = 32;
        m_g.project.height = 24;
        m_g.write.start = 1;
        m_g.write.end = 3;
        m_g.write.step = 1;
        m_g.write.width = 5;
        m_g.write.type = 0;
        m_g.write.smooth = 1;
        m_options.destination = file("sheet.png");
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string file(const char* name) const { return (m_dir / name).string(); }

    ExportRefusal refusal() const {
        const PreparedExport prepared = ExportService::prepare(m_g, m_options);
        EXPECT_TRUE(std::holds_alternative<ExportRefusal>(prepared));
        return std::holds_alternative<ExportRefusal>(prepared) ? std::get<ExportRefusal>(prepared) : ExportRefusal{};
    }

    ExportTask task() const {
        PreparedExport prepared = ExportService::prepare(m_g, m_options);
        EXPECT_TRUE(std::holds_alternative<ExportTask>(prepared));
        return std::holds_alternative<ExportTask>(prepared) ? std::get<ExportTask>(std::move(prepared)) : ExportTask{};
    }

    // Runs the event loop until the service has finished (at most a minute).
    static void waitForFinished(ExportService& service) {
        QEventLoop loop;
        QObject::connect(&service, &ExportService::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
        if (service.running()) loop.exec();
    }

    fs::path m_dir;
    EditorState m_g;
    ExportOptions m_options;
};

TEST_F(ExportServiceTest, PrepareRefusesBadRangesWithTheDialogsMessagesInItsOrder) {
    const Message fix = exportMessage(export_text::kFixCaption);
    m_g.write.start = 9;
    m_g.write.end = 3;
    // The range is checked first, even when the name would be refused too.
    m_options.engine.animated = true;
    EXPECT_EQ(refusal(),
              (ExportRefusal{ExportRefusalCode::StartAfterEnd, fix, exportMessage(export_text::kStartAfterEnd)}));
    m_options.engine.animated = false;
    m_g.write.start = 0;
    EXPECT_EQ(refusal(), (ExportRefusal{ExportRefusalCode::BadStart, fix, exportMessage(export_text::kBadStart)}));
    m_g.write.start = 1;
    m_g.write.end = 61;
    EXPECT_EQ(refusal(), (ExportRefusal{ExportRefusalCode::BadEnd, fix, exportMessage(export_text::kBadEnd)}));
    // The end is checked against the effect's length.
    m_g.project.frame = 20;
    m_g.write.end = 21;
    EXPECT_EQ(refusal(), (ExportRefusal{ExportRefusalCode::BadEnd, fix, exportMessage(export_text::kBadEnd)}));
    m_g.write.end = 20;
    EXPECT_EQ(task().request.plan.end, 20);
}

TEST_F(ExportServiceTest, PrepareRefusesAStillNameForAnAnimationAndAnOutputOverTheProject) {
    m_options.engine.animated = true;
    m_options.destination = file("moving.JPG");
    EXPECT_EQ(refusal(),
              (ExportRefusal{ExportRefusalCode::NotAnAnimationName, exportMessage(export_text::kExportCaption),
                             exportMessage(export_text::kAnimationNeedsFormat)}));
    m_options.destination = file("moving.WebP");
    EXPECT_EQ(task().request.destination, file("moving.WebP"));
    m_options.destination = file("moving.PNG");  // animated PNG
    EXPECT_EQ(task().request.destination, file("moving.PNG"));
    // The other way round: still pictures under a name only an animation can have.
    m_options.engine.animated = false;
    for (const char* name : {"clip.mp4", "clip.WebM", "clip.apng", "clip.webp"}) {
        m_options.destination = file(name);
        const std::string extension = fileExtension(m_options.destination);
        EXPECT_EQ(refusal(), (ExportRefusal{ExportRefusalCode::OnlyAnAnimationName,
                                            exportMessage(export_text::kExportCaption),
                                            exportMessage(export_text::kStillNeedsFormat).arg(extension)}))
            << name;
    }
    m_options.destination = file("still.png");
    EXPECT_EQ(task().request.destination, file("still.png"));
    m_options.engine.animated = true;

    // The project under another name: a link to it.
    const fs::path project = m_dir / "fire.nbx";
    { std::ofstream(project) << "NebrixData"; }
    fs::create_symlink(project, m_dir / "link.png");
    m_options.engine.animated = false;
    m_options.sources = {project};
    m_options.destination = file("link.png");
    EXPECT_EQ(refusal(), (ExportRefusal{ExportRefusalCode::OverwritesSource, Message(),
                                        exportMessage(export_text::kOverwritesProject).arg(file("link.png"))}));
    // Separate files: the second numbered name is the project.
    fs::rename(m_dir / "link.png", m_dir / "shot00001.png");
    m_g.write.type = 1;
    m_options.destination = file("shot.png");
    EXPECT_EQ(refusal().message, overwritesProjectMessage(file("shot00001.png")));
}

TEST_F(ExportServiceTest, PrepareAcceptsTheLayoutAndLeavesTheDocumentAlone) {
    m_options.particleLimit = 7;
    const ExportTask prepared = task();
    // Five frames per row for three images: clamped, one row.
    EXPECT_EQ(prepared.document.write.width, 3);
    EXPECT_EQ(prepared.document.write.height, 1);
    EXPECT_EQ(prepared.request.plan.columns, 3);
    EXPECT_EQ(prepared.request.plan.imageCount, 3);
    EXPECT_EQ(prepared.total(), 6);
    EXPECT_EQ(prepared.request.particleLimit, 7u);
    EXPECT_EQ(m_g.write.width, 5);  // the caller's document as it was
}

TEST_F(ExportServiceTest, AnExportOnTheServicesThreadReportsEveryPassAndWritesTheSheet) {
    ExportService service;
    std::vector<std::pair<int, int>> steps;
    QObject::connect(&service, &ExportService::progressed,
                     [&](int done, int total) { steps.emplace_back(done, total); });
    service.start(task());
    EXPECT_TRUE(service.running());
    waitForFinished(service);
    EXPECT_FALSE(service.running());
    const ExportOutcome outcome = service.wait();
    ASSERT_TRUE(outcome.ok()) << outcome.error.sourceText();
    EXPECT_EQ(outcome.written, (std::vector<std::string>{file("sheet.png")}));
    ASSERT_EQ(steps.size(), 6u);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        EXPECT_EQ(steps[i], (std::pair<int, int>{static_cast<int>(i) + 1, 6}));
    }
}

TEST_F(ExportServiceTest, CancelStopsBetweenImagesAndWritesNoOutput) {
    m_g.write.end = 40;
    ExportService service;
    int steps = 0;
    QObject::connect(&service, &ExportService::progressed, [&](int, int) {
        ++steps;
        service.cancel();
    });
    service.start(task());
    waitForFinished(service);
    const ExportOutcome outcome = service.wait();
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_FALSE(outcome.ok());
    EXPECT_TRUE(outcome.error.empty());
    EXPECT_LT(steps, 80);
    EXPECT_FALSE(fs::exists(file("sheet.png")));
}

TEST_F(ExportServiceTest, AFailureIsTheOutcomesMessage) {
    m_options.destination = file("missing/sheet.png");
    ExportService service;
    service.start(task());
    waitForFinished(service);
    const ExportOutcome outcome = service.wait();
    ASSERT_FALSE(outcome.ok());
    EXPECT_EQ(outcome.error.context(), std::string("fg::export_text"));
    EXPECT_EQ(outcome.error.source(), export_text::kSaveFailed);
    EXPECT_EQ(outcome.error.arguments().front(), Message::verbatim(file("missing/sheet.png")));
}

}  // namespace
}  // namespace fg
