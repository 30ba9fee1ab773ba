#pragma once
// New, Open, a dropped file and a project that fails to open at start-up do
// not clear the editor: they start a fresh instance of the program, with the
// project path as its only argument or with none (and the --lang option
// this run was given), and close this one.

#include <QString>
#include <QStringList>

#include <optional>

namespace fg::app {

// The project named on the command line (`arguments` as
// QCoreApplication::arguments() gives them, the program first): the first
// argument after the program; when it begins with a double quote, the text
// after it up to the next double quote or the end. None when there is no
// argument or nothing is left of it.
std::optional<QString> projectArgument(const QStringList& arguments);

struct LaunchCommand {
    QString program;
    QStringList arguments;
    bool operator==(const LaunchCommand&) const = default;
};

// `program` with the project path as its single argument (blanks and all),
// or with no argument.
LaunchCommand relaunchCommand(const QString& program, const std::optional<QString>& projectPath);

// Starts the command detached from this process; false when it could not be
// started.
bool startDetached(const LaunchCommand& command);

// Starts a new instance of this program (QCoreApplication::applicationFilePath())
// with the project path, or with none.
[[nodiscard]] bool relaunch(const std::optional<QString>& projectPath);

}  // namespace fg::app
