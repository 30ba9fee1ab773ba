#include "persistence/RecoveryWriter.h"

#include "persistence/Messages.h"

namespace fg {

RecoveryWriter::RecoveryWriter(RecoverySlot slot, Finished finished)
    : m_slot(std::move(slot)), m_finished(std::move(finished)), m_thread([this] { run(); }) {}

RecoveryWriter::~RecoveryWriter() {
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
        m_waiting.reset();
    }
    m_changed.notify_all();
    m_thread.join();
}

void RecoveryWriter::write(ProjectSnapshot snapshot, std::string origin, std::string fileName) {
    {
        const std::lock_guard lock(m_mutex);
        m_waiting = WriteRequest{std::move(snapshot), std::move(origin), std::move(fileName)};
    }
    m_changed.notify_all();
}

void RecoveryWriter::discard() {
    {
        const std::lock_guard lock(m_mutex);
        m_waiting = DiscardRequest{};
    }
    m_changed.notify_all();
}

IoResult RecoveryWriter::waitIdle() {
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return !m_waiting && !m_busy; });
    return m_last;
}

void RecoveryWriter::run() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_stopping || m_waiting.has_value(); });
        if (m_stopping) return;
        const Request request = std::move(*m_waiting);
        m_waiting.reset();
        m_busy = true;
        lock.unlock();
        IoResult outcome = carryOut(request);
        if (m_finished) m_finished(outcome);
        lock.lock();
        m_last = std::move(outcome);
        m_busy = false;
        m_changed.notify_all();
    }
}

IoResult RecoveryWriter::carryOut(const Request& request) {
    if (std::holds_alternative<DiscardRequest>(request)) {
        m_slot.discard();
        return IoResult::success();
    }
    const WriteRequest& job = std::get<WriteRequest>(request);
    PackedProject packed = packSnapshot(job.snapshot);
    // The previous copy stays when this one cannot be made.
    if (!packed.result.ok) return packed.result;
    const RecoveryContent content{job.origin, job.fileName, std::move(packed.bytes)};
    if (const FileWriteResult written = m_slot.write(content); !written) {
        return IoResult::failure(persistence_text::cannotWrite(m_slot.copyPath().string(), written.error),
                                 persistence_text::message(persistence_text::kWriteErrorCaption));
    }
    return IoResult::success();
}

}  // namespace fg
