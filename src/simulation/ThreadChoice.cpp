#include "simulation/ThreadChoice.h"

namespace fg {

bool ThreadChoice::threadsNext() const {
    // Each way is measured once before either is preferred.
    if (!m_cost[1]) return true;
    if (!m_cost[0]) return false;
    const bool faster = threadsFaster();
    return m_sinceTry >= kTryOtherEvery ? !faster : faster;
}

void ThreadChoice::measured(bool onThreads, double secondsPerParticle) {
    if (onThreads && !m_threadsStarted) {
        m_threadsStarted = true;
        return;
    }
    std::optional<double>& cost = m_cost[onThreads ? 1 : 0];
    cost = cost ? *cost + kNewWeight * (secondsPerParticle - *cost) : secondsPerParticle;
    if (!m_cost[0] || !m_cost[1]) return;
    // A step on the slower way was the try; it may have made it the faster.
    if (onThreads != threadsFaster() || m_sinceTry >= kTryOtherEvery) m_sinceTry = 0;
    else ++m_sinceTry;
}

void ThreadChoice::reset() {
    *this = ThreadChoice();
}

}  // namespace fg
