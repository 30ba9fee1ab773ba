#include "export-service/ExportService.h"

#include <utility>

namespace fg {

ExportService::ExportService(QObject* parent) : QObject(parent) {}

ExportService::~ExportService() {
    m_cancel = true;
    if (m_thread.joinable()) m_thread.join();
}

void ExportService::start(ExportTask task) {
    m_task = std::move(task);
    m_running = true;
    m_thread = std::thread([this] {
        m_outcome = runHeadlessExport(m_task.document, m_task.request, [this](int done, int total) {
            QMetaObject::invokeMethod(
                this, [this, done, total] { emit progressed(done, total); }, Qt::QueuedConnection);
            return !m_cancel.load();
        });
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_running = false;
                emit finished();
            },
            Qt::QueuedConnection);
    });
}

ExportOutcome ExportService::wait() {
    if (m_thread.joinable()) m_thread.join();
    m_running = false;
    return m_outcome;
}

ExportOutcome ExportService::run(const ExportTask& task, Renderer& renderer, const ExportProgressCallback& progress) {
    return runExportPipeline(renderer, task.document, task.request, progress);
}

}  // namespace fg
