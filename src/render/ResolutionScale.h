#pragma once
// How finely the view draws its particles: a divisor of the view's pixel
// size (1 = full resolution, 2 = half, …) chosen from what the pictures
// cost. A picture over the budget makes the next ones coarser at once; a
// finer step is taken only after a few pictures that would fit it with room
// to spare, so the view does not flicker between two sizes.

namespace fg {

class ResolutionScale {
public:
    // The divisors in order, finest first.
    static constexpr int kDivisors[] = {1, 2, 3, 4};
    // Pictures in a row that must fit the finer step before it is taken.
    static constexpr int kPicturesBeforeFiner = 3;

    explicit ResolutionScale(double budgetMs = 33.0) : m_budgetMs(budgetMs) {}

    // The divisor for the next live picture.
    int divisor() const { return m_divisor; }
    // A picture drawn at `divisor` took `costMs`.
    void measured(double costMs, int divisor);
    // Back to full resolution (a new effect, the reduction turned off).
    void reset();
    double budgetMs() const { return m_budgetMs; }

    // The share of the view's pixels in each direction at `divisor`, in percent.
    static int percent(int divisor) { return (100 + divisor / 2) / divisor; }
    // The pixels of a view `size` pixels long at `divisor`: at least 1.
    static int scaledSize(int size, int divisor);

private:
    double m_budgetMs;
    int m_divisor = 1;
    int m_fitsFiner = 0;  // pictures in a row that would have fit the finer step
};

}  // namespace fg
