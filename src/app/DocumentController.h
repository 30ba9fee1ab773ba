#pragma once
// The project as a file: new, open, save, the window title and the recent
// files. A part of the Editor, which owns it; it changes the Editor's
// document through the Editor's bracket and announces what changed through
// the Editor's one documentChanged signal.

#include <QString>
#include <QStringList>
#include <string>

#include "model/ProjectSettings.h"
#include "persistence/IoResult.h"
#include "persistence/RecentFiles.h"
#include "persistence/RecoveryStore.h"

namespace fg {

class Editor;

class DocumentController {
public:
    explicit DocumentController(Editor& editor) : m_editor(editor) {}
    DocumentController(const DocumentController&) = delete;
    DocumentController& operator=(const DocumentController&) = delete;

    // "新規作成": after the unsaved-changes question, asks for a fresh
    // instance. False when the user cancelled.
    bool newProject();
    // "開く": the unsaved-changes question, then the open dialog; a chosen
    // file is opened by a fresh instance.
    bool openProject();
    // Files dropped on the view: the first one is opened by a fresh instance.
    bool openDropped(const QStringList& paths);
    // Opens a project in this instance (the command line, a recent entry).
    // On failure the user has been told why and the effect is empty.
    bool openInPlace(const std::string& path);
    // "最近使ったファイル" entry `index` of the menu.
    bool openRecent(int index);
    // "上書き保存": to the current path, or as a new file when there is none.
    bool save();
    // "名前を付けて保存": asks for a path.
    bool saveAs();
    // "元に戻す（保存時の状態）": after a confirmation, the project as it is
    // in its file. Only for a project with a file and unsaved changes; a
    // file that is gone or unreadable is reported and the changes stay.
    bool canRevert() const;
    bool revertToSaved();
    // A recovery copy left by an editor that was killed: opened as the
    // project it belongs to (its path, or untitled), with unsaved changes.
    // On failure the user has been told why and the effect is empty.
    bool restoreRecovered(const RecoveryContent& copy);
    // Saves to `path` and makes it the current project path.
    bool saveTo(const std::string& path);
    // Whether the window may close: the unsaved-changes question (not asked
    // again once a relaunch was requested). Stops the worker when it may.
    bool confirmClose();
    // Ends this instance in favour of a fresh one opening `path` (empty:
    // none). The receiver of the Editor's relaunchRequested starts it and
    // closes.
    void requestRelaunch(const QString& path);

    // The camera as the project placed it when it was opened or last saved;
    // a new project's is the default placement.
    const CameraPlacement& placedCamera() const { return m_placedCamera; }

    // "無題.nbx* - Fulgrane3D"
    QString titleText() const;

    const RecentFiles& recentFiles() const { return m_recent; }
    void setRecentFiles(RecentFiles recent);
    // The paths the recent-files menu lists, in order.
    QStringList recentMenuEntries() const;

private:
    // Asks about unsaved changes; true when the operation may go on.
    bool resolveUnsavedChanges();
    // Loads `path` into this instance; the caller reports a failure.
    IoResult loadInPlace(const std::string& path);
    void addRecent(const std::string& path);

    Editor& m_editor;
    RecentFiles m_recent;
    bool m_leaving = false;  // a relaunch was requested: no more questions
    CameraPlacement m_placedCamera;
};

}  // namespace fg
