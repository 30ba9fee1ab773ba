#pragma once
// Whether to tell the user about a newer version. Two occasions: at start-up
// (only when no project was named on the command line), silent unless there
// is something to announce, and from the menu, which always answers. The
// decisions are plain values; the widgets show them.

#include <QObject>
#include <QString>
#include <QUrl>

#include <chrono>
#include <string>
#include <string_view>

#include "app/VersionFile.h"

namespace fg::app {

struct UpdateDecision {
    enum class Kind {
        Nothing,  // go on without a word
        Ask,      // show the update dialog with versionLine
        Tell,     // show message in a box captioned updateTexts::caption()
    };
    Kind kind = Kind::Nothing;
    QString message;          // Tell
    QString versionLine;      // Ask: "【現在】" current " ⇒ 【新】" new
    std::string newVersion;   // Ask: what "このバージョンでは通知しない" stores
    bool operator==(const UpdateDecision&) const = default;
};

// Start-up: nothing when the file could not be read, names this version, or
// names the version the user asked not to hear about again; else ask.
UpdateDecision decideAtStartUp(const VersionFetch& fetched, std::string_view current, std::string_view ignoredVersion);
// Menu: "ネットワークに接続できません。\n" when the file could not be read,
// "お使いのバージョンは最新版です。" when it names this version (the ignored
// version does not count here), else ask.
UpdateDecision decideFromMenu(const VersionFetch& fetched, std::string_view current);

// The user-visible texts of the update check, translatable.
namespace updateTexts {
QString caption();             // "Fulgrane3D"
QString dialogTitle();         // "Fulgrane3D　アップデート確認"
QString question();            // "新しいバージョンが公開されています。アップデートしますか？"
QString doNotTellAgain();      // "このバージョンでは通知しない"
QString accept();              // "OK"
QString decline();             // "いいえ"
QString noNetwork();           // "ネットワークに接続できません。\n"
QString upToDate();            // "お使いのバージョンは最新版です。"
QString versionLine(std::string_view current, std::string_view newVersion);
}  // namespace updateTexts

// Reads the version file at `versionFile` and decides. The address comes from
// data.prm (UPDATE URL); an empty one turns the check off (read as failed).
class UpdateCheck : public QObject {
    Q_OBJECT
public:
    enum class Occasion { StartUp, Menu };

    UpdateCheck(QUrl versionFile, std::string currentVersion,
                std::chrono::milliseconds timeout = kVersionFileTimeout, QObject* parent = nullptr);

    // Starts a check; decided() follows once. `ignoredVersion` (UPDATE VERSION)
    // counts at start-up only. A check still running is abandoned.
    void start(Occasion occasion, std::string ignoredVersion = {});
    // The same, waiting for the answer in a local event loop.
    UpdateDecision run(Occasion occasion, std::string ignoredVersion = {});

signals:
    void decided(const fg::app::UpdateDecision& decision);

private:
    void fetched(const VersionFetch& result);

    QUrl m_versionFile;
    std::string m_currentVersion;
    std::chrono::milliseconds m_timeout;
    VersionFileReader m_reader;
    Occasion m_occasion = Occasion::StartUp;
    std::string m_ignoredVersion;
};

}  // namespace fg::app
