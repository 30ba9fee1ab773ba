#include "ui/WheelSteps.h"

#include <QWheelEvent>

namespace fg {

int WheelSteps::add(int delta) {
    if ((delta > 0 && m_rest < 0) || (delta < 0 && m_rest > 0)) m_rest = 0;
    m_rest += delta;
    // Truncates towards zero: the rest keeps the sign of the turn.
    const int notches = m_rest / kNotch;
    m_rest -= notches * kNotch;
    return notches;
}

int WheelSteps::add(const QWheelEvent& event) { return add(event.angleDelta().y()); }

}  // namespace fg
