#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "LocalHttpServer.h"
#include "AppTestSupport.h"
#include "app/VersionFile.h"

namespace fg::app {

void PrintTo(const VersionFetch& fetched, std::ostream* out) {
    *out << (fetched.reached ? "reached \"" + fetched.version + "\"" : std::string("failed"));
}

namespace {

using fg::test::LocalHttpServer;
using namespace std::chrono_literals;

class VersionFileRead : public ::testing::Test {
protected:
    void SetUp() override { fg::test::testApplication(); }

    fg::test::DirectLoopback m_direct;
};

TEST(VersionFetchOf, TakesTheFirstTenBytesOfTheFirstLineWithoutBlanks) {
    EXPECT_EQ(VersionFetch::of("1.0.1"), (VersionFetch{true, "1.0.1"}));
    EXPECT_EQ(VersionFetch::of("1.0.1\r\n"), (VersionFetch{true, "1.0.1"}));
    EXPECT_EQ(VersionFetch::of(" 2.0\nnotes"), (VersionFetch{true, "2.0"}));
    EXPECT_EQ(VersionFetch::of("1.2.3456789ABCDEF"), (VersionFetch{true, "1.2.345678"}));
}

TEST(VersionFetchOf, AFileWithNothingButBlanksNamesNoVersion) {
    EXPECT_EQ(VersionFetch::of(""), VersionFetch::failed());
    EXPECT_EQ(VersionFetch::of(" \r\n"), VersionFetch::failed());
    // The first ten bytes are blank; what follows does not count.
    EXPECT_EQ(VersionFetch::of("          1.0.1"), VersionFetch::failed());
}

TEST_F(VersionFileRead, ReadsTheVersionAndAsksPastEveryCache) {
    LocalHttpServer server(LocalHttpServer::Answer::File, "1.0.1\r\n");
    EXPECT_EQ(readVersionFile(server.url(), 2s), (VersionFetch{true, "1.0.1"}));
    ASSERT_EQ(server.requests().size(), 1);
    const QByteArray request = server.requests().front().toLower();
    EXPECT_TRUE(request.startsWith("get /version.txt http/1.1")) << request.toStdString();
    EXPECT_TRUE(request.contains("\r\ncache-control: no-cache")) << request.toStdString();
    EXPECT_TRUE(request.contains("\r\nuser-agent: fulgrane3d/")) << request.toStdString();
}

TEST_F(VersionFileRead, OnlyTheFirstTenBytesOfALongerFileCount) {
    LocalHttpServer server(LocalHttpServer::Answer::File, "1.2.3456789ABCDEF and more text after it");
    EXPECT_EQ(readVersionFile(server.url(), 2s), (VersionFetch{true, "1.2.345678"}));
}

TEST_F(VersionFileRead, StopsReadingOnceTenBytesAreIn) {
    // The server announces a megabyte and sends twelve bytes: waiting for the
    // rest would run into the deadline.
    LocalHttpServer server(LocalHttpServer::Answer::Partial, "3.0.0-beta.1");
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(readVersionFile(server.url(), 2s), (VersionFetch{true, "3.0.0-beta"}));
    EXPECT_LT(clock.elapsed(), 1500);
}

TEST_F(VersionFileRead, AnHttpErrorPageIsNoVersion) {
    LocalHttpServer server(LocalHttpServer::Answer::NotFound);
    EXPECT_EQ(readVersionFile(server.url(), 2s), VersionFetch::failed());
    EXPECT_EQ(server.requests().size(), 1);
}

TEST_F(VersionFileRead, AFileCutOffBeforeTenBytesIsNoVersion) {
    LocalHttpServer server(LocalHttpServer::Answer::Truncated, "1.0");
    EXPECT_EQ(readVersionFile(server.url(), 2s), VersionFetch::failed());
}

TEST_F(VersionFileRead, NothingListeningFailsAtOnce) {
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(readVersionFile(LocalHttpServer::unreachableUrl(), 2s), VersionFetch::failed());
    EXPECT_LT(clock.elapsed(), 1500);
}

TEST_F(VersionFileRead, AServerThatNeverAnswersFailsAtTheDeadline) {
    LocalHttpServer server(LocalHttpServer::Answer::Silent);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(readVersionFile(server.url(), 400ms), VersionFetch::failed());
    EXPECT_GE(clock.elapsed(), 390);
    EXPECT_LT(clock.elapsed(), 1500);
    EXPECT_EQ(server.requests().size(), 1);
}

TEST_F(VersionFileRead, AnEmptyAddressFailsWithoutTouchingTheNetwork) {
    EXPECT_EQ(readVersionFile(QUrl(), 2s), VersionFetch::failed());
}

TEST_F(VersionFileRead, ANewReadAbandonsTheOneStillRunning) {
    LocalHttpServer silent(LocalHttpServer::Answer::Silent);
    LocalHttpServer file(LocalHttpServer::Answer::File, "4.5.6");
    VersionFileReader reader;
    QList<VersionFetch> results;
    QObject::connect(&reader, &VersionFileReader::finished,
                     [&](const VersionFetch& fetched) { results.append(fetched); });
    reader.start(silent.url(), 300ms);
    reader.start(file.url(), 2s);
    EXPECT_TRUE(reader.running());
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 800) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    ASSERT_EQ(results.size(), 1);
    EXPECT_EQ(results.front(), (VersionFetch{true, "4.5.6"}));
    EXPECT_FALSE(reader.running());
}

}  // namespace
}  // namespace fg::app
