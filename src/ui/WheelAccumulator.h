#pragma once
// Turns wheel turns into whole steps. A mouse wheel's notch is 120 units of
// angleDelta(); a touchpad or a fine wheel sends smaller pieces, which add
// up here instead of being rounded away one by one.

namespace fg {

class WheelAccumulator {
public:
    static constexpr int kNotch = 120;

    // The whole steps `angleDelta` completes with what earlier pieces left
    // (positive: turned away from the user); the remainder is kept. Turning
    // the other way drops what was left of the old direction.
    int steps(int angleDelta) {
        if ((m_rest > 0 && angleDelta < 0) || (m_rest < 0 && angleDelta > 0)) m_rest = 0;
        m_rest += angleDelta;
        const int whole = m_rest / kNotch;
        m_rest -= whole * kNotch;
        return whole;
    }

private:
    int m_rest = 0;
};

}  // namespace fg
