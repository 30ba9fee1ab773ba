#include "app/Autosave.h"

#include <algorithm>
#include <filesystem>

#include "app/Editor.h"

namespace fg {

using std::chrono::milliseconds;

Autosave::Autosave(Editor& editor, std::optional<RecoverySlot> slot, std::chrono::seconds interval, QObject* parent)
    : QObject(parent), m_editor(editor), m_interval(interval) {
    if (interval.count() > 0 && slot) {
        // Outcomes come from the writer's thread: they are looked at here.
        // Events still queued when this object goes are dropped with it.
        m_writer = std::make_unique<RecoveryWriter>(std::move(*slot), [this](const IoResult& outcome) {
            QMetaObject::invokeMethod(this, [this, outcome] { copyFinished(outcome); }, Qt::QueuedConnection);
        });
    }
    m_due.setSingleShot(true);
    connect(&m_due, &QTimer::timeout, this, &Autosave::copyNow);
    connect(&editor, &Editor::documentChanged, this, &Autosave::documentChanged);
}

Autosave::~Autosave() = default;

void Autosave::documentChanged(DocumentChanges) {
    if (!m_writer) return;
    if (!m_editor.isModified()) {
        m_due.stop();
        if (m_hasCopy) copyNow();
        return;
    }
    if (m_due.isActive()) return;
    // At most one copy per interval, and never before the change settles.
    milliseconds wait = kSettle;
    if (m_sinceCopy.isValid()) {
        const milliseconds left = milliseconds(m_interval) - milliseconds(m_sinceCopy.elapsed());
        wait = std::max(wait, left);
    }
    m_due.start(wait);
}

void Autosave::copyNow() {
    if (!m_writer) return;
    m_due.stop();
    if (!m_editor.isModified()) {
        m_writer->discard();
        m_hasCopy = false;
        return;
    }
    const EditorState& g = m_editor.state();
    std::optional<ProjectSnapshot> snapshot = snapshotProject(g);
    if (!snapshot) return;  // a tree no file can hold: a save would refuse it too
    const std::string origin = g.hasFileName ? g.fileName : std::string();
    m_writer->write(std::move(*snapshot), origin, std::filesystem::path(g.fileName).filename().string());
    m_hasCopy = true;
    m_sinceCopy.start();
}

void Autosave::copyFinished(const IoResult& outcome) {
    if (outcome.ok) {
        m_failing = false;
        return;
    }
    if (m_failing) return;  // said once; a disk that stays full is not news
    m_failing = true;
    emit copyFailed(outcome.message);
}

IoResult Autosave::waitIdle() { return m_writer ? m_writer->waitIdle() : IoResult::success(); }

}  // namespace fg
