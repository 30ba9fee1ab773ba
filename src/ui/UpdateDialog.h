#pragma once
// The update question and the two occasions that lead to it: the check at
// start-up (silent unless a newer version is out) and the one from the
// help menu, which always answers.

#include <QDialog>
#include <QObject>
#include <QUrl>

#include <chrono>
#include <filesystem>
#include <string>

#include "app/UpdateCheck.h"

class QCheckBox;

namespace fg {

// "Fulgrane3D　アップデート確認": the question, the version line, the box
// "このバージョンでは通知しない" and the buttons "OK" and "いいえ".
class UpdateDialog : public QDialog {
    Q_OBJECT
public:
    UpdateDialog(const QString& versionLine, QWidget* parent = nullptr);
    bool doNotTellAgain() const;

private:
    QCheckBox* m_doNotTell = nullptr;
};

struct UpdateSettings {
    std::filesystem::path dataPrm;  // where the ignored version goes
    QUrl versionFile;               // UPDATE URL
    QUrl downloadPage;              // UPDATE DOWNLOAD: opened for "OK"
    std::string currentVersion;
    std::string ignoredVersion;     // UPDATE VERSION
};

class UpdateFlow : public QObject {
    Q_OBJECT
public:
    UpdateFlow(QWidget* window, UpdateSettings settings,
               std::chrono::milliseconds timeout = app::kVersionFileTimeout);

    // Reads the version file in the background; the answer is shown when it
    // comes, and only when there is a version to announce.
    void checkAtStartUp();
    // "アップデート確認": the same read, then a message or the question.
    void checkFromMenu();
    // Shows a decision. "OK" opens the download page in the browser (there
    // is no updater program here) and the program goes on; "いいえ" with the
    // box ticked stores the version as not to be announced again.
    void present(const app::UpdateDecision& decision);

signals:
    // After a decision has been shown and answered.
    void presented(const fg::app::UpdateDecision& decision);

private:
    QWidget* m_window;
    UpdateSettings m_settings;
    app::UpdateCheck m_check;
};

}  // namespace fg
