#pragma once
// Whether a step moves its particles on the threads or in the one-thread
// walk. Both give the same particles, bit for bit, so the choice is only
// about time, and which is faster depends on the effect and the machine: a
// cheap update over a million particles is bound by memory, which two
// threads share, while a costly one over ten thousand splits well. So each
// way's cost per particle is measured as steps run and the faster way is
// taken; the other is tried again every so often for a few steps, since the
// effect and the number of particles change.

#include <array>
#include <optional>

namespace fg {

class ThreadChoice {
public:
    // Steps on the faster way between two tries of the other.
    static constexpr int kTryOtherEvery = 60;
    // Steps in a try. The first step after a change of way is not counted:
    // the threads wake from sleep and the caches hold the other way's data.
    static constexpr int kTryLength = 4;
    // The weight of a new measurement against what was measured before.
    static constexpr double kNewWeight = 0.25;

    // Whether the next step that could run on the threads should.
    bool threadsNext() const;
    // Such a step ran `onThreads` and took `secondsPerParticle`.
    void measured(bool onThreads, double secondsPerParticle);
    // Forgets the measurements (the threads were changed).
    void reset();

    // The measured cost per particle of each way, once known.
    std::optional<double> cost(bool onThreads) const { return m_cost[onThreads ? 1 : 0]; }

private:
    bool threadsFaster() const { return *m_cost[1] < *m_cost[0]; }

    std::array<std::optional<double>, 2> m_cost;  // one thread, threads
    std::optional<bool> m_lastWay;                // threads or not, at the last step
    int m_sinceTry = 0;                           // steps on the faster way since the last try
    int m_tryLeft = 0;                            // steps of the try under way
    bool m_tryThreads = false;                    // the way being tried
};

}  // namespace fg
