#include "app/Editor.h"

namespace fg {

Editor::Editor(ScopedWorkspace workspace, QObject* parent)
    : QObject(parent),
      m_workspace(std::move(workspace)),
      m_document(std::make_unique<DocumentController>(*this)),
      m_materials(std::make_unique<MaterialController>(*this)),
      m_viewSettings(std::make_unique<ViewSettingsController>(*this)),
      m_playback(std::make_unique<PlaybackController>(*this, m_playbackControl)) {
    m_g.workDir = m_workspace.path().string();
    m_simulation = std::make_unique<Simulation>(m_g);
    m_transport = std::make_unique<PreviewTransport>(*m_simulation, m_playbackControl);
    m_worker = makeWorker();
}

std::unique_ptr<SimulationWorker> Editor::makeWorker() {
    m_transport->setView(m_view);
    return std::make_unique<SimulationWorker>(*m_simulation, m_view, steadyMilliseconds, m_transport.get());
}

Editor::~Editor() { m_worker->stop(); }

void Editor::setParticleLimit(std::uint32_t limit) { m_simulation->setParticleLimit(limit); }

void Editor::attachView(WorkerView* view) {
    const bool wasRunning = m_worker->isRunning();
    m_worker.reset();  // joins the thread
    m_ownedView.reset();
    m_view = view;
    m_worker = makeWorker();
    if (wasRunning) m_worker->start();
}

void Editor::attachView(const WorkerViewMaker& makeView) {
    const bool wasRunning = m_worker->isRunning();
    m_worker.reset();  // joins the thread before its view goes
    m_ownedView = makeView ? makeView(*m_simulation) : nullptr;
    m_view = m_ownedView.get();
    m_worker = makeWorker();
    if (wasRunning) m_worker->start();
}

void Editor::startWorker() { m_worker->start(); }

void Editor::stopWorker() { m_worker->stop(); }

void Editor::changeDocument(const std::function<void()>& change) {
    const ChangeBatch batch(*this);
    restartAround(change);
    notify(DocumentPart::Preview);
}

void Editor::restartAround(const std::function<void()>& change) {
    const bool wasRunning = m_worker->isRunning();
    if (wasRunning) m_worker->stop();
    change();
    m_simulation->restart(m_g);
    m_transport->restarted();
    if (wasRunning) m_worker->start();
}

void Editor::changeDocument(DocumentChanges what, const std::function<void(EditorState&)>& change) {
    const ChangeBatch batch(*this);
    changeDocument([&] { change(m_g); });
    if (what) notify(what);
}

void Editor::publishParameters() { m_simulation->parameters().publish(m_g.tree.root()); }

void Editor::setLoopPreview(bool loop) {
    const ChangeBatch batch(*this);
    changeDocument([&] { m_simulation->setLoop(loop); });
}

void Editor::remake() {
    const ChangeBatch batch(*this);
    changeDocument([this] {
        // Wraps at the int limit instead of overflowing.
        m_g.project.randomSeed =
            static_cast<std::int32_t>(static_cast<std::uint32_t>(m_g.project.randomSeed) + 1u);
    });
}

void Editor::notify(DocumentChanges what) {
    if (m_batchDepth > 0) {
        m_pending |= what;
        return;
    }
    if (what) emit documentChanged(what);
}

Editor::ChangeBatch::~ChangeBatch() {
    if (--m_editor.m_batchDepth > 0 || !m_editor.m_pending) return;
    const DocumentChanges what = m_editor.m_pending;
    m_editor.m_pending = {};
    emit m_editor.documentChanged(what);
}

void Editor::setModified(bool modified) {
    const ChangeBatch batch(*this);
    m_changedOutsideHistory = modified;
    if (!modified) m_history.setClean();
    syncModified();
    notify(DocumentPart::Title);
}

MaterialNameList Editor::materialNames() const { return m_materials->names(); }

void Editor::showError(const Message& message, const Message& caption) {
    // The panels show what the command changed before the message box does.
    if (m_pending) {
        const DocumentChanges what = m_pending;
        m_pending = {};
        emit documentChanged(what);
    }
    if (m_prompts != nullptr) m_prompts->showError(message, caption);
}

}  // namespace fg
