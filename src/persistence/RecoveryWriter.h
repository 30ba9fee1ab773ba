#pragma once
// Writes the running editor's recovery copies on a thread of its own, so
// the editing thread only takes a snapshot. Requests run in the order they
// were made; a write waiting behind the one under way is replaced by a
// newer request (only the latest state matters), so a slow disk never
// builds a queue. A discard (the project was saved) likewise replaces a
// waiting write, and runs after a write under way, never before it.

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <variant>

#include "persistence/IoResult.h"
#include "persistence/ProjectDocument.h"
#include "persistence/RecoveryStore.h"

namespace fg {

class RecoveryWriter {
public:
    // Called on the writer's thread with the outcome of every request.
    using Finished = std::function<void(const IoResult&)>;

    explicit RecoveryWriter(RecoverySlot slot, Finished finished = {});
    // Finishes the request under way and drops a waiting one; the slot then
    // goes with its copy (a clean exit).
    ~RecoveryWriter();
    RecoveryWriter(const RecoveryWriter&) = delete;
    RecoveryWriter& operator=(const RecoveryWriter&) = delete;

    void write(ProjectSnapshot snapshot, std::string origin, std::string fileName);
    void discard();
    // Blocks until no request is waiting or under way; the outcome of the
    // last one (success when there was none).
    IoResult waitIdle();

    const RecoverySlot& slot() const { return m_slot; }

private:
    struct WriteRequest {
        ProjectSnapshot snapshot;
        std::string origin;
        std::string fileName;
    };
    struct DiscardRequest {};
    using Request = std::variant<WriteRequest, DiscardRequest>;

    void run();
    IoResult carryOut(const Request& request);

    RecoverySlot m_slot;
    Finished m_finished;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::optional<Request> m_waiting;
    bool m_busy = false;
    bool m_stopping = false;
    IoResult m_last = IoResult::success();
    std::thread m_thread;  // last: starts once everything it reads exists
};

}  // namespace fg
