#include "render/ResolutionScale.h"

#include <algorithm>
#include <iterator>

namespace fg {
namespace {

// A coarser step aims below the budget, a finer one well below it: the
// gap between the two is the hysteresis.
constexpr double kCoarserAim = 0.8;
constexpr double kFinerAim = 0.6;

// What a picture that cost `costMs` at divisor `from` would cost at `to`:
// the particles' cost grows with the pixels they cover. Fixed costs make
// this an overestimate when going finer, which errs on the steady side.
double costAt(double costMs, int from, int to) {
    const double ratio = static_cast<double>(from) / static_cast<double>(to);
    return costMs * ratio * ratio;
}

}  // namespace

void ResolutionScale::measured(double costMs, int divisor) {
    if (costMs > m_budgetMs) {
        m_fitsFiner = 0;
        // The finest divisor coarser than the measured one that the
        // picture would fit at; the coarsest there is when none would.
        int chosen = kDivisors[std::size(kDivisors) - 1];
        for (const int candidate : kDivisors) {
            if (candidate > divisor && costAt(costMs, divisor, candidate) <= m_budgetMs * kCoarserAim) {
                chosen = candidate;
                break;
            }
        }
        // A picture begun before the last change never makes it finer.
        m_divisor = std::max(m_divisor, chosen);
        return;
    }
    if (m_divisor == 1) return;
    const int* current = std::find(std::begin(kDivisors), std::end(kDivisors), m_divisor);
    const int finer = current == std::begin(kDivisors) || current == std::end(kDivisors) ? 1 : *(current - 1);
    if (costAt(costMs, divisor, finer) <= m_budgetMs * kFinerAim) {
        if (++m_fitsFiner >= kPicturesBeforeFiner) {
            m_divisor = finer;
            m_fitsFiner = 0;
        }
    } else {
        m_fitsFiner = 0;
    }
}

void ResolutionScale::reset() {
    m_divisor = 1;
    m_fitsFiner = 0;
}

int ResolutionScale::scaledSize(int size, int divisor) {
    return std::max(1, (size + divisor / 2) / std::max(1, divisor));
}

}  // namespace fg
