#include "render/PictureSlots.h"

namespace fg {

int PictureSlots::slotToDraw() const {
    const std::lock_guard lock(m_mutex);
    const int waiting = m_newest ? m_newest->slot : -1;
    for (int slot = 0; slot < kSlots; ++slot) {
        if (slot != waiting && slot != m_shown) return slot;
    }
    return 0;  // unreachable with three slots
}

void PictureSlots::finished(ScenePicture picture) {
    const std::lock_guard lock(m_mutex);
    m_newest = std::move(picture);
}

std::optional<ScenePicture> PictureSlots::show() {
    const std::lock_guard lock(m_mutex);
    if (m_newest) m_shown = m_newest->slot;
    return m_newest;
}

bool PictureSlots::waiting() const {
    const std::lock_guard lock(m_mutex);
    return m_newest && m_newest->slot != m_shown;
}

void PictureSlots::clear() {
    const std::lock_guard lock(m_mutex);
    m_newest.reset();
    m_shown = -1;
}

}  // namespace fg
