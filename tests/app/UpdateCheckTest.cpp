#include <gtest/gtest.h>

#include "AppTestSupport.h"
#include "LocalHttpServer.h"
#include "app/ProgramSettings.h"
#include "app/UpdateCheck.h"
#include "app/Version.h"
#include "persistence/TempDir.h"

namespace fg::app {
namespace {

using fg::test::LocalHttpServer;
using Kind = UpdateDecision::Kind;
using namespace std::chrono_literals;

const VersionFetch kUnreachable = VersionFetch::failed();
const VersionFetch kNewer{true, "1.1.0"};
const VersionFetch kSame{true, "1.0.0"};

TEST(UpdateDecisionAtStartUp, StaysSilentUnlessThereIsANewVersionToAnnounce) {
    EXPECT_EQ(decideAtStartUp(kUnreachable, "1.0.0", "").kind, Kind::Nothing);
    EXPECT_EQ(decideAtStartUp(kSame, "1.0.0", "").kind, Kind::Nothing);
    EXPECT_EQ(decideAtStartUp(kNewer, "1.0.0", "1.1.0").kind, Kind::Nothing);

    const UpdateDecision decision = decideAtStartUp(kNewer, "1.0.0", "1.0.5");
    EXPECT_EQ(decision.kind, Kind::Ask);
    EXPECT_EQ(decision.versionLine, QStringLiteral("【現在】1.0.0 ⇒ 【新】1.1.0"));
    EXPECT_EQ(decision.newVersion, "1.1.0");
    EXPECT_TRUE(decision.message.isEmpty());
}

TEST(UpdateDecisionFromMenu, AlwaysAnswersAndIgnoresNoVersion) {
    const UpdateDecision offline = decideFromMenu(kUnreachable, "1.0.0");
    EXPECT_EQ(offline.kind, Kind::Tell);
    EXPECT_EQ(offline.message, QStringLiteral("ネットワークに接続できません。\n"));

    const UpdateDecision newest = decideFromMenu(kSame, "1.0.0");
    EXPECT_EQ(newest.kind, Kind::Tell);
    EXPECT_EQ(newest.message, QStringLiteral("お使いのバージョンは最新版です。"));

    const UpdateDecision newer = decideFromMenu(kNewer, "1.0.0");
    EXPECT_EQ(newer.kind, Kind::Ask);
    EXPECT_EQ(newer.versionLine, QStringLiteral("【現在】1.0.0 ⇒ 【新】1.1.0"));
    EXPECT_EQ(newer.newVersion, "1.1.0");
}

TEST(UpdateTexts, AreTheDialogsOwnWords) {
    EXPECT_EQ(updateTexts::caption(), QStringLiteral("Fulgrane3D"));
    EXPECT_EQ(updateTexts::dialogTitle(), QStringLiteral("Fulgrane3D\u3000アップデート確認"));
    EXPECT_EQ(updateTexts::question(), QStringLiteral("新しいバージョンが公開されています。アップデートしますか？"));
    EXPECT_EQ(updateTexts::doNotTellAgain(), QStringLiteral("このバージョンでは通知しない"));
    EXPECT_EQ(updateTexts::accept(), QStringLiteral("OK"));
    EXPECT_EQ(updateTexts::decline(), QStringLiteral("いいえ"));
}

TEST(VersionText, IsTheProjectVersion) {
    EXPECT_EQ(versionText(), FG_PROJECT_VERSION);
}

class UpdateCheckAgainstServer : public ::testing::Test {
protected:
    void SetUp() override { fg::test::testApplication(); }

    fg::test::DirectLoopback m_direct;

    static UpdateDecision check(const QUrl& address, UpdateCheck::Occasion occasion, std::string ignored = {}) {
        UpdateCheck updateCheck(address, "1.0.0", 1500ms);
        return updateCheck.run(occasion, std::move(ignored));
    }
};

TEST_F(UpdateCheckAgainstServer, StartUpAsksAboutANewerVersion) {
    LocalHttpServer server(LocalHttpServer::Answer::File, "1.0.1\n");
    const UpdateDecision decision = check(server.url(), UpdateCheck::Occasion::StartUp);
    EXPECT_EQ(decision.kind, Kind::Ask);
    EXPECT_EQ(decision.versionLine, QStringLiteral("【現在】1.0.0 ⇒ 【新】1.0.1"));
}

TEST_F(UpdateCheckAgainstServer, StartUpIsSilentForTheSameVersionAndTheIgnoredOne) {
    LocalHttpServer same(LocalHttpServer::Answer::File, "1.0.0");
    EXPECT_EQ(check(same.url(), UpdateCheck::Occasion::StartUp).kind, Kind::Nothing);
    LocalHttpServer newer(LocalHttpServer::Answer::File, "1.0.1");
    EXPECT_EQ(check(newer.url(), UpdateCheck::Occasion::StartUp, "1.0.1").kind, Kind::Nothing);
}

TEST_F(UpdateCheckAgainstServer, StartUpIsSilentWithoutNetworkAndTheMenuSaysSo) {
    const QUrl nowhere = LocalHttpServer::unreachableUrl();
    EXPECT_EQ(check(nowhere, UpdateCheck::Occasion::StartUp), UpdateDecision{});
    const UpdateDecision menu = check(nowhere, UpdateCheck::Occasion::Menu);
    EXPECT_EQ(menu.kind, Kind::Tell);
    EXPECT_EQ(menu.message, QStringLiteral("ネットワークに接続できません。\n"));
}

TEST_F(UpdateCheckAgainstServer, TheMenuAsksEvenAboutTheIgnoredVersion) {
    LocalHttpServer server(LocalHttpServer::Answer::File, "1.0.1");
    EXPECT_EQ(check(server.url(), UpdateCheck::Occasion::Menu, "1.0.1").kind, Kind::Ask);
    LocalHttpServer same(LocalHttpServer::Answer::File, "1.0.0\r\n");
    EXPECT_EQ(check(same.url(), UpdateCheck::Occasion::Menu).message, QStringLiteral("お使いのバージョンは最新版です。"));
}

TEST_F(UpdateCheckAgainstServer, AnEmptyAddressTurnsTheCheckOff) {
    EXPECT_EQ(check(QUrl(), UpdateCheck::Occasion::StartUp), UpdateDecision{});
}

TEST_F(UpdateCheckAgainstServer, DoNotTellAgainSilencesTheNextStartUpForThatVersionOnly) {
    fg::test::TempDir dir;
    const auto dataPrm = dir / "data.prm";
    LocalHttpServer server(LocalHttpServer::Answer::File, "1.0.1");
    const UpdateDecision first = check(server.url(), UpdateCheck::Occasion::StartUp,
                                       loadProgramSettings(dataPrm).ignoredVersion);
    ASSERT_EQ(first.kind, Kind::Ask);
    ASSERT_TRUE(saveIgnoredVersion(dataPrm, first.newVersion));

    const std::string ignored = loadProgramSettings(dataPrm).ignoredVersion;
    EXPECT_EQ(ignored, "1.0.1");
    EXPECT_EQ(check(server.url(), UpdateCheck::Occasion::StartUp, ignored).kind, Kind::Nothing);
    LocalHttpServer later(LocalHttpServer::Answer::File, "1.0.2");
    EXPECT_EQ(check(later.url(), UpdateCheck::Occasion::StartUp, ignored).kind, Kind::Ask);
}

}  // namespace
}  // namespace fg::app
