#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QThread>

#include "app/Relaunch.h"
#include "persistence/FileBytes.h"
#include "persistence/TempDir.h"

namespace fg::app {
namespace {

std::optional<QString> argumentOf(const QString& argument) { return projectArgument({"fulgrane3d", argument}); }

TEST(ProjectArgument, NoArgumentOrAnEmptyOneNamesNoProject) {
    EXPECT_EQ(projectArgument({"fulgrane3d"}), std::nullopt);
    EXPECT_EQ(projectArgument({}), std::nullopt);
    EXPECT_EQ(argumentOf(""), std::nullopt);
    EXPECT_EQ(argumentOf("\"\""), std::nullopt);
}

TEST(ProjectArgument, APlainArgumentIsThePath) {
    EXPECT_EQ(argumentOf("/home/u/my effect.nbx"), QString("/home/u/my effect.nbx"));
    EXPECT_EQ(argumentOf("effect\"1\".nbx"), QString("effect\"1\".nbx"));
    EXPECT_EQ(projectArgument({"fulgrane3d", "/a.nbx", "/b.nbx"}), QString("/a.nbx"));
}

TEST(ProjectArgument, QuotesAroundThePathAreRemoved) {
    EXPECT_EQ(argumentOf("\"/home/u/my effect.nbx\""), QString("/home/u/my effect.nbx"));
    EXPECT_EQ(argumentOf("\"/home/u/火の粉.nbx\" trailing"), QString("/home/u/火の粉.nbx"));
    // No closing quote: the rest of the text.
    EXPECT_EQ(argumentOf("\"/home/u/open end.nbx"), QString("/home/u/open end.nbx"));
}

TEST(RelaunchCommand, PassesThePathAsTheOnlyArgumentOrNone) {
    EXPECT_EQ(relaunchCommand("/usr/bin/fulgrane3d", QString("/home/u/my effect.nbx")),
              (LaunchCommand{"/usr/bin/fulgrane3d", {"/home/u/my effect.nbx"}}));
    EXPECT_EQ(relaunchCommand("/usr/bin/fulgrane3d", std::nullopt), (LaunchCommand{"/usr/bin/fulgrane3d", {}}));
}

// Starts a script that writes its argument count and arguments into a file.
std::optional<std::string> launchAndRecord(const fg::test::TempDir& dir, const std::optional<QString>& project) {
    const auto script = dir / "record.sh";
    const auto record = dir / "args.txt";
    if (!writeFileBytes(script, "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > \"$0.tmp\" && mv \"$0.tmp\" " +
                                    record.string() + "\n")) {
        return std::nullopt;
    }
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    if (!startDetached(relaunchCommand(QString::fromStdString(script.string()), project))) return std::nullopt;
    QElapsedTimer clock;
    clock.start();
    while (!std::filesystem::exists(record) && clock.elapsed() < 5000) QThread::msleep(10);
    return readFileBytes(record);
}

TEST(Relaunch, ThePathArrivesAsOneArgumentBlanksAndAll) {
    fg::test::TempDir dir;
    EXPECT_EQ(launchAndRecord(dir, QString("/home/u/my effect 火.nbx")),
              std::optional<std::string>("1\n/home/u/my effect 火.nbx\n"));
}

TEST(Relaunch, WithoutAPathNothingIsPassed) {
    fg::test::TempDir dir;
    EXPECT_EQ(launchAndRecord(dir, std::nullopt), std::optional<std::string>("0\n"));
}

TEST(Relaunch, AProgramThatCannotStartIsReported) {
    EXPECT_FALSE(startDetached(LaunchCommand{"/nonexistent/fulgrane3d", {}}));
}

}  // namespace
}  // namespace fg::app
