#pragma once
// One export at a time on a thread of its own, with a GL context of its own,
// so that the editor's view goes on drawing: start it with a prepared task,
// follow its progress, cancel it, and take its outcome when it has finished.
// Signals arrive on the thread that owns the service.

#include <QObject>

#include <atomic>
#include <thread>

#include "export-service/ExportPreparation.h"
#include "render/export/ExportPipeline.h"

namespace fg {

class Renderer;

class ExportService : public QObject {
    Q_OBJECT
public:
    explicit ExportService(QObject* parent = nullptr);
    // Cancels a running export and waits for its thread.
    ~ExportService() override;

    static PreparedExport prepare(const EditorState& document, const ExportOptions& options) {
        return prepareExport(document, options);
    }

    // Renders and writes `task` on the service's thread. One export per
    // service; a cancel before the start stops it before its first image.
    void start(ExportTask task);
    // Stops before the next image; the files already written stay.
    void cancel() { m_cancel = true; }
    bool running() const { return m_running; }
    // Waits for the thread: the outcome of the export.
    ExportOutcome wait();

    // The same export on the calling thread, with a renderer whose context is
    // current there and which holds the project's materials.
    static ExportOutcome run(const ExportTask& task, Renderer& renderer, const ExportProgressCallback& progress = {});

signals:
    // After each culling pass of each image: (1 … total, total).
    void progressed(int done, int total);
    // The export ended (done, failed or cancelled); wait() gives the outcome.
    void finished();

private:
    ExportTask m_task;
    std::atomic<bool> m_cancel{false};
    bool m_running = false;  // on the owner's thread: from start to finished
    std::thread m_thread;
    ExportOutcome m_outcome;  // written by the thread, read after the join
};

}  // namespace fg
