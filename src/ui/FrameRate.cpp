#include "ui/FrameRate.h"

namespace fg {

namespace {
constexpr std::int64_t kWindowMs = 1000;
}

void FrameRate::frameShown(std::int64_t nowMs) {
    if (!m_started) {
        // The first frame opens the window; those after it are counted.
        m_started = true;
        m_windowStart = nowMs;
        return;
    }
    ++m_count;
    const std::int64_t elapsed = nowMs - m_windowStart;
    if (elapsed < kWindowMs) return;
    m_rate = static_cast<int>((m_count * kWindowMs + elapsed / 2) / elapsed);
    m_windowStart = nowMs;
    m_count = 0;
}

}  // namespace fg
