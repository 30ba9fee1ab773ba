#include "app/DocumentController.h"

#include <unistd.h>

#include <filesystem>

#include "app/Editor.h"
#include "persistence/Archive.h"
#include "persistence/FileBytes.h"
#include "persistence/Messages.h"
#include "persistence/ProjectDocument.h"
#include "text/Untitled.h"

namespace fg {
namespace {

// Recent entries and the title keep a path that still means the same file
// when the program is started again from another folder.
std::string absolutePath(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    return ec ? path : absolute.lexically_normal().string();
}

}  // namespace

bool DocumentController::newProject() {
    const Editor::ChangeBatch batch(m_editor);
    if (!resolveUnsavedChanges()) return false;
    requestRelaunch(QString());
    return true;
}

bool DocumentController::openProject() {
    const Editor::ChangeBatch batch(m_editor);
    if (!resolveUnsavedChanges() || m_editor.m_prompts == nullptr) return false;
    const std::optional<std::string> path = m_editor.m_prompts->askOpenPath();
    if (!path) return false;
    requestRelaunch(QString::fromStdString(*path));
    return true;
}

bool DocumentController::openDropped(const QStringList& paths) {
    const Editor::ChangeBatch batch(m_editor);
    if (paths.isEmpty() || !resolveUnsavedChanges()) return false;
    // Whether it is a project at all is for the new instance's open to say.
    requestRelaunch(paths.front());
    return true;
}

IoResult DocumentController::loadInPlace(const std::string& path) {
    IoResult loaded;
    m_editor.changeDocument([&] {
        DocumentHooks hooks;
        hooks.stopSimulation = [this] { m_editor.m_simulation->clearParticles(); };
        loaded = loadProject(m_editor.m_g, m_editor.m_workspace, path, hooks);
    });
    // The entries refer to the nodes that were just replaced; the state
    // just opened is the clean one.
    m_editor.m_changedOutsideHistory = m_editor.m_g.isModified;
    m_editor.resetHistory();
    m_placedCamera = m_editor.m_g.camera;
    m_editor.notify(DocumentPart::Tree | DocumentPart::Selection | DocumentPart::Materials | DocumentPart::Page |
                    DocumentPart::Title | DocumentPart::Settings | DocumentPart::Views);
    return loaded;
}

bool DocumentController::openInPlace(const std::string& path) {
    const Editor::ChangeBatch batch(m_editor);
    const std::string absolute = absolutePath(path);
    const IoResult loaded = loadInPlace(absolute);
    if (!loaded.ok) {
        m_editor.showError(loaded.message, loaded.caption);
        return false;
    }
    addRecent(absolute);
    return true;
}

bool DocumentController::canRevert() const { return m_editor.m_g.hasFileName && m_editor.m_g.isModified; }

bool DocumentController::revertToSaved() {
    const Editor::ChangeBatch batch(m_editor);
    if (!canRevert() || m_editor.m_prompts == nullptr) return false;
    const std::string path = m_editor.m_g.fileName;
    if (!m_editor.m_prompts->askRevertToSaved(path)) return false;
    // Read before anything is thrown away: a file that is gone or broken
    // would otherwise leave neither the changes nor the saved project.
    const std::optional<std::string> bytes = readFileBytes(path);
    if (!bytes) {
        m_editor.showError(persistence_text::cannotRead(path),
                           persistence_text::message(persistence_text::kReadErrorCaption));
        return false;
    }
    if (parseArchive(*bytes).error != ArchiveError::None) {
        m_editor.showError(persistence_text::message(persistence_text::kBrokenFile), persistence_text::programName());
        return false;
    }
    return openInPlace(path);
}

bool DocumentController::restoreRecovered(const RecoveryContent& copy) {
    const Editor::ChangeBatch batch(m_editor);
    // The archive goes through the one reader every open uses, from a file
    // of its own beside the workspaces.
    const std::filesystem::path staged =
        m_editor.m_workspace.root() / ("recovered-" + std::to_string(::getpid()) + ".nbx");
    IoResult loaded = IoResult::success();
    if (const FileWriteResult written = writeFileBytes(staged, copy.archive, LinkRule::ReplaceLink); !written) {
        loaded = IoResult::failure(persistence_text::cannotWrite(staged.string(), written.error),
                                   persistence_text::message(persistence_text::kWriteErrorCaption));
    } else {
        loaded = loadInPlace(staged.string());
    }
    std::error_code ignored;
    std::filesystem::remove(staged, ignored);
    if (!loaded.ok) {
        m_editor.showError(loaded.message, loaded.caption);
        return false;
    }
    EditorState& g = m_editor.m_g;
    g.hasFileName = !copy.origin.empty();
    g.fileName = g.hasFileName ? copy.origin : copy.fileName;
    // What the copy holds was never saved.
    m_editor.setModified(true);
    return true;
}

bool DocumentController::openRecent(int index) {
    const Editor::ChangeBatch batch(m_editor);
    const std::vector<std::string> entries = m_recent.menuEntries();
    if (index < 0 || static_cast<std::size_t>(index) >= entries.size()) return false;
    if (!resolveUnsavedChanges()) return false;
    const std::string path = entries[static_cast<std::size_t>(index)];
    std::error_code ec;
    if (std::filesystem::is_regular_file(path, ec)) return openInPlace(path);
    if (m_editor.m_prompts != nullptr && m_editor.m_prompts->askRemoveMissingRecent(path)) {
        m_recent.remove(path);
        m_editor.notify(DocumentPart::Recent);
    }
    return false;
}

bool DocumentController::save() {
    const Editor::ChangeBatch batch(m_editor);
    if (m_editor.m_g.hasFileName) return saveTo(m_editor.m_g.fileName);
    return saveAs();
}

bool DocumentController::saveAs() {
    const Editor::ChangeBatch batch(m_editor);
    if (m_editor.m_prompts == nullptr) return false;
    const std::optional<std::string> path = m_editor.m_prompts->askSavePath();
    if (!path) return false;
    return saveTo(*path);
}

bool DocumentController::saveTo(const std::string& path) {
    const Editor::ChangeBatch batch(m_editor);
    const std::string absolute = absolutePath(path);
    const IoResult saved = saveProjectTo(m_editor.m_g, absolute);
    if (!saved.ok) {
        m_editor.showError(saved.message, saved.caption);
        return false;
    }
    m_editor.markSaved();
    m_placedCamera = m_editor.m_g.camera;
    m_editor.notify(DocumentPart::Title);
    addRecent(absolute);
    return true;
}

bool DocumentController::confirmClose() {
    const Editor::ChangeBatch batch(m_editor);
    if (!m_leaving && !resolveUnsavedChanges()) return false;
    m_editor.stopWorker();
    return true;
}

void DocumentController::requestRelaunch(const QString& path) {
    m_leaving = true;
    m_editor.stopWorker();
    emit m_editor.relaunchRequested(path);
}

QString DocumentController::titleText() const {
    const EditorState& g = m_editor.state();
    QString title = QString::fromStdString(fg::titleText(g));
    // A project never saved is named in the interface language.
    if (!g.hasFileName && title.startsWith(QString::fromUtf8(kUntitledFileName))) {
        title.replace(0, QString::fromUtf8(kUntitledFileName).size(), text::untitledFileName());
    }
    return title;
}

void DocumentController::setRecentFiles(RecentFiles recent) {
    const Editor::ChangeBatch batch(m_editor);
    m_recent = std::move(recent);
    m_editor.notify(DocumentPart::Recent);
}

QStringList DocumentController::recentMenuEntries() const {
    QStringList entries;
    for (const std::string& path : m_recent.menuEntries()) entries.append(QString::fromStdString(path));
    return entries;
}

bool DocumentController::resolveUnsavedChanges() {
    if (!m_editor.isModified()) return true;
    if (m_editor.m_prompts == nullptr) return false;
    switch (m_editor.m_prompts->askSaveChanges()) {
    case SaveAnswer::No: return true;
    case SaveAnswer::Cancel: return false;
    case SaveAnswer::Yes:
        // A cancelled save dialog or a failed save keeps the changes, so
        // the operation that would lose them does not go on.
        return save();
    }
    return false;
}

void DocumentController::addRecent(const std::string& path) {
    m_recent.add(path);
    m_editor.notify(DocumentPart::Recent);
}

}  // namespace fg
