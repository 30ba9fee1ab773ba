#include "app/Editor.h"

#include <QStringList>
#include <filesystem>

#include "persistence/ProjectDocument.h"
#include "text/CoreText.h"

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

Editor::Editor(ScopedWorkspace workspace, QObject* parent)
    : QObject(parent), m_workspace(std::move(workspace)) {
    m_g.workDir = m_workspace.path().string();
    m_simulation = std::make_unique<Simulation>(m_g);
    m_worker = std::make_unique<SimulationWorker>(*m_simulation, m_view);
}

Editor::~Editor() { m_worker->stop(); }

void Editor::attachView(WorkerView* view) {
    const bool wasRunning = m_worker->isRunning();
    m_worker.reset();  // joins the thread
    m_view = view;
    m_worker = std::make_unique<SimulationWorker>(*m_simulation, m_view);
    if (wasRunning) m_worker->start();
}

void Editor::startWorker() { m_worker->start(); }

void Editor::stopWorker() { m_worker->stop(); }

void Editor::changeDocument(const std::function<void()>& change) {
    const bool wasRunning = m_worker->isRunning();
    if (wasRunning) m_worker->stop();
    change();
    m_simulation->restart(m_g);
    emit previewRestarted();
    if (wasRunning) m_worker->start();
}

void Editor::publishParameters() { m_simulation->parameters().publish(m_g.tree.root()); }

bool Editor::newProject() {
    if (!resolveUnsavedChanges()) return false;
    requestRelaunch(QString());
    return true;
}

bool Editor::openProject() {
    if (!resolveUnsavedChanges() || m_prompts == nullptr) return false;
    const std::optional<std::string> path = m_prompts->askOpenPath();
    if (!path) return false;
    requestRelaunch(QString::fromStdString(*path));
    return true;
}

bool Editor::openDropped(const QStringList& paths) {
    if (paths.isEmpty() || !resolveUnsavedChanges()) return false;
    // Whether it is a project at all is for the new instance's open to say.
    requestRelaunch(paths.front());
    return true;
}

bool Editor::openInPlace(const std::string& path) {
    const std::string absolute = absolutePath(path);
    IoResult loaded;
    changeDocument([&] {
        DocumentHooks hooks;
        hooks.stopSimulation = [this] { m_simulation->clearParticles(); };
        loaded = loadProject(m_g, m_workspace, absolute, hooks);
    });
    // The entries refer to the nodes that were just replaced.
    resetHistory();
    emit treeChanged();
    emit selectionChanged();
    emit materialsChanged();
    emit pageReload();
    emit titleChanged(titleText());
    if (!loaded.ok) {
        showError(loaded.message, loaded.caption);
        return false;
    }
    addRecent(absolute);
    return true;
}

bool Editor::openRecent(int index) {
    const std::vector<std::string> entries = m_recent.menuEntries();
    if (index < 0 || static_cast<std::size_t>(index) >= entries.size()) return false;
    if (!resolveUnsavedChanges()) return false;
    const std::string path = entries[static_cast<std::size_t>(index)];
    std::error_code ec;
    if (std::filesystem::is_regular_file(path, ec)) return openInPlace(path);
    if (m_prompts != nullptr && m_prompts->askRemoveMissingRecent(path)) {
        m_recent.remove(path);
        emit recentFilesChanged();
    }
    return false;
}

bool Editor::save() {
    if (m_g.hasFileName) return saveTo(m_g.fileName);
    return saveAs();
}

bool Editor::saveAs() {
    if (m_prompts == nullptr) return false;
    const std::optional<std::string> path = m_prompts->askSavePath();
    if (!path) return false;
    return saveTo(*path);
}

bool Editor::saveTo(const std::string& path) {
    const std::string absolute = absolutePath(path);
    const IoResult saved = saveProjectTo(m_g, absolute);
    if (!saved.ok) {
        showError(saved.message, saved.caption);
        return false;
    }
    emit titleChanged(titleText());
    addRecent(absolute);
    return true;
}

void Editor::remake() {
    changeDocument([this] {
        // Wraps at the int limit instead of overflowing.
        m_g.project.randomSeed =
            static_cast<std::int32_t>(static_cast<std::uint32_t>(m_g.project.randomSeed) + 1u);
    });
}

bool Editor::confirmClose() {
    if (!m_leaving && !resolveUnsavedChanges()) return false;
    m_worker->stop();
    return true;
}

void Editor::requestRelaunch(const QString& path) {
    m_leaving = true;
    m_worker->stop();
    emit relaunchRequested(path);
}

void Editor::setCamera(Vec3f eye, Vec3f target) {
    m_g.camera.eye = eye;
    m_g.camera.target = target;
    if (!m_g.isModified) setModified(true);
}

void Editor::notify(DocumentChanges what) {
    emit documentChanged(what);
    if (what & DocumentPart::Tree) emit treeChanged();
    if (what & DocumentPart::Selection) emit selectionChanged();
    if (what & DocumentPart::Preview) emit previewRestarted();
    if (what & DocumentPart::Page) emit pageReload();
    if (what & DocumentPart::Title) emit titleChanged(titleText());
    if (what & DocumentPart::Materials) emit materialsChanged();
    if (what & DocumentPart::Recent) emit recentFilesChanged();
    if (what & DocumentPart::Display) emit displayFlagsChanged();
    if (what & DocumentPart::Camera) emit cameraPlaced();
    if (what & DocumentPart::Views) emit viewListChanged();
    if (what & DocumentPart::History) emit historyChanged();
}

void Editor::setModified(bool modified) {
    m_g.isModified = modified;
    notify(DocumentPart::Title);
}

QString Editor::titleText() const {
    QString title = QString::fromStdString(fg::titleText(m_g));
    // A project never saved is named in the interface language.
    if (!m_g.hasFileName && title.startsWith(QString::fromUtf8(kUntitledFileName))) {
        title.replace(0, QString::fromUtf8(kUntitledFileName).size(), text::untitledFileName());
    }
    return title;
}

void Editor::setRecentFiles(RecentFiles recent) {
    m_recent = std::move(recent);
    emit recentFilesChanged();
}

QStringList Editor::recentMenuEntries() const {
    QStringList entries;
    for (const std::string& path : m_recent.menuEntries()) entries.append(QString::fromStdString(path));
    return entries;
}

void Editor::setDisplayFlags(const DisplayFlags& flags) {
    m_display = flags;
    emit displayFlagsChanged();
}

void Editor::toggleFrameDisplay() {
    m_display.frame = !m_display.frame;
    emit displayFlagsChanged();
}

void Editor::toggleParticleDisplay() {
    m_display.particles = !m_display.particles;
    emit displayFlagsChanged();
}

void Editor::toggleFpsDisplay() {
    m_display.fps = !m_display.fps;
    emit displayFlagsChanged();
}

bool Editor::resolveUnsavedChanges() {
    if (!m_g.isModified) return true;
    if (m_prompts == nullptr) return false;
    switch (m_prompts->askSaveChanges()) {
    case SaveAnswer::No: return true;
    case SaveAnswer::Cancel: return false;
    case SaveAnswer::Yes:
        // A cancelled save dialog or a failed save keeps the changes, so
        // the operation that would lose them does not go on.
        return save();
    }
    return false;
}

void Editor::addRecent(const std::string& path) {
    m_recent.add(path);
    emit recentFilesChanged();
}

void Editor::showError(const std::string& message, const std::string& caption) {
    if (m_prompts != nullptr) m_prompts->showError(message, caption);
}

}  // namespace fg
