// The update check as the user meets it: the question dialog with its texts,
// the version stored for "このバージョンでは通知しない", the download page for
// "OK" and the menu's two messages, against a version file on a local server.

#include <QAbstractButton>
#include <QCheckBox>
#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QSignalSpy>

#include "UiTestSupport.h"
#include "app/AppTestSupport.h"
#include "app/LocalHttpServer.h"
#include "app/ProgramSettings.h"
#include "app/Version.h"
#include "ui/VersionBox.h"
#include "ui/dialogs/ExportDialog.h"
#include "ui/StartUp.h"
#include "ui/UpdateDialog.h"

namespace fg {
namespace {

using test::LocalHttpServer;
using Kind = app::UpdateDecision::Kind;

// Records the pages the program asks the desktop to open.
class OpenedPages : public QObject {
    Q_OBJECT
public:
    OpenedPages() { QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open"); }
    ~OpenedPages() override { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }
    QList<QUrl> pages;
public slots:
    void open(const QUrl& url) { pages.append(url); }
};

class UpdateFlowTest : public ::testing::Test {
protected:
    std::unique_ptr<UpdateFlow> flowFor(const QUrl& versionFile, std::string ignored = {}) {
        UpdateSettings settings;
        settings.dataPrm = home.path() / "data.prm";
        settings.versionFile = versionFile;
        settings.downloadPage = QUrl(QStringLiteral("http://127.0.0.1:1/download/"));
        settings.currentVersion = std::string(app::versionText());
        settings.ignoredVersion = std::move(ignored);
        auto flow = std::make_unique<UpdateFlow>(nullptr, std::move(settings), std::chrono::milliseconds(2000));
        return flow;
    }
    // Runs `check` and waits until its answer has been shown and answered.
    app::UpdateDecision answered(UpdateFlow& flow, const std::function<void()>& check) {
        QSignalSpy spy(&flow, &UpdateFlow::presented);
        check();
        EXPECT_TRUE(spy.wait(10000));
        if (spy.isEmpty()) return {};
        return spy.front().front().value<app::UpdateDecision>();
    }
    std::string storedIgnoredVersion() const {
        return app::loadProgramSettings(home.path() / "data.prm").ignoredVersion;
    }
    void TearDown() override { test::cancelModalAnswers(); }

    test::ScratchHome home;
    test::DirectLoopback direct;
    OpenedPages opened;
};

QAbstractButton* buttonNamed(QWidget* dialog, const char* name) {
    return dialog->findChild<QAbstractButton*>(QString::fromLatin1(name));
}

TEST_F(UpdateFlowTest, TheQuestionShowsItsTextsAndDecliningWithTheBoxStoresTheVersion) {
    LocalHttpServer server(LocalHttpServer::Answer::File, "9.9.9\n");
    const auto flow = flowFor(server.url());
    QStringList seen;
    test::answerNextModal([&](QWidget* dialog) {
        seen << dialog->windowTitle() << dialog->findChild<QLabel*>(QStringLiteral("question"))->text()
             << dialog->findChild<QLabel*>(QStringLiteral("versionLine"))->text();
        auto* box = dialog->findChild<QCheckBox*>(QStringLiteral("doNotTellAgain"));
        seen << box->text() << buttonNamed(dialog, "accept")->text() << buttonNamed(dialog, "decline")->text();
        box->setChecked(true);
        buttonNamed(dialog, "decline")->click();
    });
    EXPECT_EQ(answered(*flow, [&] { flow->checkFromMenu(); }).kind, Kind::Ask);
    const QString current = QString::fromUtf8(app::versionText().data());
    EXPECT_EQ(seen, (QStringList{"Fulgrane3D　アップデート確認", "新しいバージョンが公開されています。アップデートしますか？",
                                 "【現在】" + current + " ⇒ 【新】9.9.9", "このバージョンでは通知しない", "OK",
                                 "いいえ"}));
    EXPECT_EQ(storedIgnoredVersion(), "9.9.9");
    EXPECT_TRUE(opened.pages.isEmpty());

    // That version is not announced at the next start, but the menu still asks.
    const auto next = flowFor(server.url(), "9.9.9");
    EXPECT_EQ(answered(*next, [&] { next->checkAtStartUp(); }).kind, Kind::Nothing);
}

TEST_F(UpdateFlowTest, DecliningWithoutTheBoxStoresNothingAndOkOpensTheDownloadPage) {
    LocalHttpServer server(LocalHttpServer::Answer::File, "9.9.9");
    const auto flow = flowFor(server.url());
    test::answerNextModal([](QWidget* dialog) { buttonNamed(dialog, "decline")->click(); });
    answered(*flow, [&] { flow->checkAtStartUp(); });
    EXPECT_EQ(storedIgnoredVersion(), "");
    EXPECT_TRUE(opened.pages.isEmpty());

    test::answerNextModal([](QWidget* dialog) {
        dialog->findChild<QCheckBox*>(QStringLiteral("doNotTellAgain"))->setChecked(true);
        buttonNamed(dialog, "accept")->click();
    });
    answered(*flow, [&] { flow->checkAtStartUp(); });
    EXPECT_EQ(opened.pages, (QList<QUrl>{QUrl(QStringLiteral("http://127.0.0.1:1/download/"))}));
    EXPECT_EQ(storedIgnoredVersion(), "");
}

TEST_F(UpdateFlowTest, TheMenuTellsWhenTheVersionIsTheNewestOrTheServerCannotBeReached) {
    LocalHttpServer same(LocalHttpServer::Answer::File, QByteArray(app::versionText().data()));
    QStringList messages;
    const auto readBox = [&](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr);
        messages << box->windowTitle() << box->text();
        box->accept();
    };
    test::answerNextModal(readBox);
    const auto newest = flowFor(same.url());
    EXPECT_EQ(answered(*newest, [&] { newest->checkFromMenu(); }).kind, Kind::Tell);

    test::answerNextModal(readBox);
    const auto offline = flowFor(LocalHttpServer::unreachableUrl());
    EXPECT_EQ(answered(*offline, [&] { offline->checkFromMenu(); }).kind, Kind::Tell);
    EXPECT_EQ(messages, (QStringList{"Fulgrane3D", "お使いのバージョンは最新版です。", "Fulgrane3D",
                                     "ネットワークに接続できません。\n"}));
}

TEST_F(UpdateFlowTest, StartUpStaysSilentForTheSameVersionAndAnUnreachableServer) {
    LocalHttpServer same(LocalHttpServer::Answer::File, QByteArray(app::versionText().data()));
    const auto newest = flowFor(same.url());
    EXPECT_EQ(answered(*newest, [&] { newest->checkAtStartUp(); }).kind, Kind::Nothing);
    const auto offline = flowFor(LocalHttpServer::unreachableUrl());
    EXPECT_EQ(answered(*offline, [&] { offline->checkAtStartUp(); }).kind, Kind::Nothing);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(UpdateFlowTest, TheHelpMenuAndExportReachTheirWorkThroughTheWindow) {
    LocalHttpServer server(LocalHttpServer::Answer::File, "9.9.9");
    StartUpFiles files;
    files.folders = app::userFolders();
    files.settings.web.helpPage = "http://127.0.0.1:1/help/";
    files.settings.web.versionFile = server.url().toString().toStdString();
    const std::unique_ptr<Editor> editor = test::makeEditor(nullptr);
    MainWindow window(*editor, files.colours);
    applyProgramSettings(*editor, window, files.settings);
    const ShellCommands commands = connectShellCommands(window, *editor, updateSettingsOf(files));

    QStringList seen;
    test::answerNextModal([&](QWidget* dialog) {
        seen << dialog->objectName();
        buttonNamed(dialog, "decline")->click();
    });
    QSignalSpy presented(commands.updates, &UpdateFlow::presented);
    window.action(Command::CheckUpdate)->trigger();
    ASSERT_TRUE(presented.wait(10000));

    test::answerNextModal([&](QWidget* dialog) {
        seen << dialog->objectName() << dialog->windowTitle() << static_cast<VersionBox*>(dialog)->versionText();
        static_cast<QDialog*>(dialog)->accept();
    });
    window.action(Command::Version)->trigger();

    test::answerNextModal([&](QWidget* dialog) {
        seen << dialog->objectName() << dialog->windowTitle();
        static_cast<QDialog*>(dialog)->reject();
    });
    window.action(Command::Export)->trigger();

    window.action(Command::OnlineHelp)->trigger();
    const QString version = QString::fromUtf8(app::versionText().data());
    EXPECT_EQ(seen, (QStringList{"updateDialog", "versionBox", "Fulgrane3D バージョン情報", "Fulgrane3D " + version,
                                 "exportDialog", "書き出し"}));
    EXPECT_EQ(opened.pages, (QList<QUrl>{QUrl(QStringLiteral("http://127.0.0.1:1/help/"))}));
}

}  // namespace
}  // namespace fg

#include "UpdateFlowTest.moc"
