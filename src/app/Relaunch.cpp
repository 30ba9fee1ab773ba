#include "app/Relaunch.h"

#include <QCoreApplication>
#include <QProcess>

#include "text/Language.h"

namespace fg::app {

std::optional<QString> projectArgument(const QStringList& arguments) {
    if (arguments.size() < 2) return std::nullopt;
    QString path = arguments.at(1);
    if (path.startsWith(u'"')) {
        const qsizetype close = path.indexOf(u'"', 1);
        path = path.mid(1, close < 0 ? -1 : close - 1);
    }
    if (path.isEmpty()) return std::nullopt;
    return path;
}

LaunchCommand relaunchCommand(const QString& program, const std::optional<QString>& projectPath) {
    LaunchCommand command{program, {}};
    if (projectPath) command.arguments.append(*projectPath);
    return command;
}

bool startDetached(const LaunchCommand& command) {
    return QProcess::startDetached(command.program, command.arguments);
}

bool relaunch(const std::optional<QString>& projectPath) {
    LaunchCommand command = relaunchCommand(QCoreApplication::applicationFilePath(), projectPath);
    // A language chosen with --lang holds for the instances this run starts.
    if (const auto language = text::languageArgument(QCoreApplication::arguments())) {
        command.arguments << QStringLiteral("--lang") << QString::fromLatin1(text::languageCode(*language));
    }
    return startDetached(command);
}

}  // namespace fg::app
