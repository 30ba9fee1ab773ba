#include "simulation/ThreadChoice.h"

namespace fg {

bool ThreadChoice::threadsNext() const {
    // Each way is measured before either is preferred.
    if (!m_cost[1]) return true;
    if (!m_cost[0]) return false;
    if (m_tryLeft > 0) return m_tryThreads;
    const bool faster = threadsFaster();
    return m_sinceTry >= kTryOtherEvery ? !faster : faster;
}

void ThreadChoice::measured(bool onThreads, double secondsPerParticle) {
    const bool changedWay = m_lastWay != onThreads;
    m_lastWay = onThreads;
    const bool bothKnown = m_cost[0] && m_cost[1];
    if (bothKnown && m_tryLeft == 0 && m_sinceTry >= kTryOtherEvery) {
        // This step begins a try of the slower way.
        m_tryThreads = onThreads;
        m_tryLeft = kTryLength;
        m_sinceTry = 0;
    }
    if (!changedWay) {
        std::optional<double>& cost = m_cost[onThreads ? 1 : 0];
        cost = cost ? *cost + kNewWeight * (secondsPerParticle - *cost) : secondsPerParticle;
    }
    if (m_tryLeft > 0) --m_tryLeft;
    else if (bothKnown) ++m_sinceTry;
}

void ThreadChoice::reset() {
    *this = ThreadChoice();
}

}  // namespace fg
