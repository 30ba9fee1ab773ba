#pragma once
// Whole wheel notches out of wheel events. A mouse wheel reports 120 per
// notch; touchpads and free-spinning wheels report small steps, which add
// up here until they make a notch instead of being dropped one by one.


class QWheelEvent;

namespace fg {

class WheelSteps {
public:
    static constexpr int kNotch = 120;  // angleDelta() of one notch (eighths of a degree)

    // Adds `delta` (an angleDelta() component) and returns the notches now
    // complete, negative towards the user; the rest waits for the next event.
    // Turning the other way drops the rest, so a reversal answers at once.
    int add(int delta);
    // add() with the vertical wheel of `event`.
    int add(const QWheelEvent& event);
    // Forgets a partial notch (e.g. when the view under the wheel changes).
    void reset() { m_rest = 0; }
    int rest() const { return m_rest; }

private:
    int m_rest = 0;
};

}  // namespace fg
