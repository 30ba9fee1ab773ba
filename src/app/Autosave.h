#pragma once
// The editor's recovery copies. After a change the project is copied into
// the editor's recovery slot, at most once every interval: the editing
// thread takes a snapshot (the settings text and the material list) and the
// writer's thread packs and writes it. A project back at its saved state
// (saved, opened, undone to the save) has its copy discarded; the slot and
// whatever it holds go when the editor closes cleanly.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <memory>
#include <optional>

#include "app/DocumentChange.h"
#include "persistence/RecoveryWriter.h"

namespace fg {

class Editor;

class Autosave : public QObject {
    Q_OBJECT

public:
    // A change is copied this long after it at the earliest, so that a
    // drag is copied once it ends rather than at its start.
    static constexpr std::chrono::milliseconds kSettle{2000};

    // `interval` 0 or no slot (none could be made): nothing is ever written.
    Autosave(Editor& editor, std::optional<RecoverySlot> slot, std::chrono::seconds interval,
             QObject* parent = nullptr);
    ~Autosave() override;

    bool enabled() const { return m_writer != nullptr; }
    // Copies the project now when it has unsaved changes, discards the
    // copy when it has none.
    void copyNow();
    // Waits for the writer; the outcome of its last request.
    IoResult waitIdle();
    const RecoverySlot* slot() const { return m_writer ? &m_writer->slot() : nullptr; }

signals:
    // A copy could not be written: the work since the last save has no
    // copy. Sent once, not again until a copy has been written.
    void copyFailed(const fg::Message& why);

private:
    void documentChanged(DocumentChanges what);
    void copyFinished(const IoResult& outcome);

    Editor& m_editor;
    std::chrono::seconds m_interval;
    std::unique_ptr<RecoveryWriter> m_writer;
    QTimer m_due;
    QElapsedTimer m_sinceCopy;  // invalid until the first copy
    bool m_hasCopy = false;
    bool m_failing = false;  // the last copy failed and was reported
};

}  // namespace fg
