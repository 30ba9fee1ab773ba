#include "app/UpdateCheck.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace fg::app {
namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

UpdateDecision ask(std::string_view current, const std::string& newVersion) {
    UpdateDecision decision;
    decision.kind = UpdateDecision::Kind::Ask;
    decision.versionLine = updateTexts::versionLine(current, newVersion);
    decision.newVersion = newVersion;
    return decision;
}

UpdateDecision tell(QString message) {
    UpdateDecision decision;
    decision.kind = UpdateDecision::Kind::Tell;
    decision.message = std::move(message);
    return decision;
}

}  // namespace

namespace updateTexts {
QString caption() { return QCoreApplication::translate("UpdateCheck", "Fulgrane3D"); }
QString dialogTitle() { return QCoreApplication::translate("UpdateCheck", "Fulgrane3D　アップデート確認"); }
QString question() {
    return QCoreApplication::translate("UpdateCheck", "新しいバージョンが公開されています。アップデートしますか？");
}
QString doNotTellAgain() { return QCoreApplication::translate("UpdateCheck", "このバージョンでは通知しない"); }
QString accept() { return QCoreApplication::translate("UpdateCheck", "OK"); }
QString decline() { return QCoreApplication::translate("UpdateCheck", "いいえ"); }
QString noNetwork() { return QCoreApplication::translate("UpdateCheck", "ネットワークに接続できません。\n"); }
QString upToDate() { return QCoreApplication::translate("UpdateCheck", "お使いのバージョンは最新版です。"); }
QString versionLine(std::string_view current, std::string_view newVersion) {
    return QCoreApplication::translate("UpdateCheck", "【現在】%1 ⇒ 【新】%2").arg(fromUtf8(current), fromUtf8(newVersion));
}
}  // namespace updateTexts

UpdateDecision decideAtStartUp(const VersionFetch& fetched, std::string_view current, std::string_view ignoredVersion) {
    if (!fetched.reached || fetched.version == current || fetched.version == ignoredVersion) return {};
    return ask(current, fetched.version);
}

UpdateDecision decideFromMenu(const VersionFetch& fetched, std::string_view current) {
    if (!fetched.reached) return tell(updateTexts::noNetwork());
    if (fetched.version == current) return tell(updateTexts::upToDate());
    return ask(current, fetched.version);
}

UpdateCheck::UpdateCheck(QUrl versionFile, std::string currentVersion, std::chrono::milliseconds timeout,
                         QObject* parent)
    : QObject(parent), m_versionFile(std::move(versionFile)), m_currentVersion(std::move(currentVersion)),
      m_timeout(timeout) {
    connect(&m_reader, &VersionFileReader::finished, this, &UpdateCheck::fetched);
}

void UpdateCheck::start(Occasion occasion, std::string ignoredVersion) {
    m_occasion = occasion;
    m_ignoredVersion = std::move(ignoredVersion);
    m_reader.start(m_versionFile, m_timeout);
}

UpdateDecision UpdateCheck::run(Occasion occasion, std::string ignoredVersion) {
    QEventLoop loop;
    UpdateDecision result;
    const auto connection = connect(this, &UpdateCheck::decided, &loop, [&](const UpdateDecision& decision) {
        result = decision;
        loop.quit();
    });
    start(occasion, std::move(ignoredVersion));
    loop.exec();
    disconnect(connection);
    return result;
}

void UpdateCheck::fetched(const VersionFetch& result) {
    emit decided(m_occasion == Occasion::StartUp ? decideAtStartUp(result, m_currentVersion, m_ignoredVersion)
                                                 : decideFromMenu(result, m_currentVersion));
}

}  // namespace fg::app
