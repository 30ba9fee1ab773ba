// Each step takes the way that has measured faster per particle, tries the
// other for a few steps every so often, does not count the first step after
// a change of way, and follows when the costs change.

#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "simulation/ThreadChoice.h"

namespace fg {
namespace {

constexpr int kPeriod = ThreadChoice::kTryOtherEvery + ThreadChoice::kTryLength;
// Two steps on the threads, then two on one thread; the first of each is not counted.
constexpr std::size_t kMeasuring = 4;

// Runs `steps` steps with the given costs per particle; returns the ways taken.
std::vector<bool> run(ThreadChoice& choice, int steps, double oneThread, double threads) {
    std::vector<bool> taken;
    for (int i = 0; i < steps; ++i) {
        const bool onThreads = choice.threadsNext();
        taken.push_back(onThreads);
        choice.measured(onThreads, onThreads ? threads : oneThread);
    }
    return taken;
}

int countThreaded(const std::vector<bool>& taken, std::size_t from = 0) {
    int count = 0;
    for (std::size_t i = from; i < taken.size(); ++i) count += taken[i] ? 1 : 0;
    return count;
}

TEST(ThreadChoice, BothWaysAreMeasuredFirstAndTheFirstStepAfterAChangeDoesNotCount) {
    ThreadChoice choice;
    EXPECT_TRUE(choice.threadsNext());
    choice.measured(true, 1e-3);  // the threads wake up: not counted
    EXPECT_FALSE(choice.cost(true));
    EXPECT_TRUE(choice.threadsNext());
    choice.measured(true, 4e-9);
    EXPECT_EQ(*choice.cost(true), 4e-9);
    EXPECT_FALSE(choice.threadsNext());
    choice.measured(false, 1e-3);  // caches full of the other way's data: not counted
    EXPECT_FALSE(choice.cost(false));
    EXPECT_FALSE(choice.threadsNext());
    choice.measured(false, 6e-9);
    EXPECT_EQ(*choice.cost(false), 6e-9);
    EXPECT_TRUE(choice.threadsNext());
    choice.measured(true, 1e-3);  // back on the threads after a change: not counted
    EXPECT_EQ(*choice.cost(true), 4e-9);
    choice.measured(true, 2e-9);
    EXPECT_EQ(*choice.cost(true), 4e-9 + ThreadChoice::kNewWeight * (2e-9 - 4e-9));
}

TEST(ThreadChoice, TheFasterWayIsTakenAndTheOtherTriedForAFewStepsEverySoOften) {
    const int steps = static_cast<int>(kMeasuring) + 10 * kPeriod;
    {
        SCOPED_TRACE("threads faster");
        ThreadChoice choice;
        const std::vector<bool> taken = run(choice, steps, 6e-9, 3e-9);
        EXPECT_EQ(countThreaded(taken, kMeasuring), 10 * ThreadChoice::kTryOtherEvery);
        // Every stretch of one period holds one try, its steps together.
        for (std::size_t i = kMeasuring; i + kPeriod <= taken.size(); ++i) {
            int tried = 0;
            for (std::size_t k = 0; k < static_cast<std::size_t>(kPeriod); ++k) tried += taken[i + k] ? 0 : 1;
            ASSERT_EQ(tried, ThreadChoice::kTryLength) << "from step " << i;
        }
        for (std::size_t i = kMeasuring + ThreadChoice::kTryOtherEvery; i < kMeasuring + kPeriod; ++i) {
            EXPECT_FALSE(taken[i]) << "step " << i;
        }
    }
    {
        SCOPED_TRACE("one thread faster");
        ThreadChoice choice;
        const std::vector<bool> taken = run(choice, steps, 3e-9, 6e-9);
        EXPECT_EQ(countThreaded(taken, kMeasuring), 10 * ThreadChoice::kTryLength);
    }
}

TEST(ThreadChoice, ItFollowsWhenTheCostsChange) {
    ThreadChoice choice;
    run(choice, 200, 6e-9, 3e-9);  // many particles of a costly node: threads pay
    // Now a cheap node with a million particles: memory-bound, two threads
    // lose. Within a few tries the one-thread walk is preferred, and from
    // then on only the tries run on the threads.
    const std::vector<bool> taken = run(choice, 12 * kPeriod, 2e-9, 3e-9);
    EXPECT_TRUE(taken[0]);
    EXPECT_GT(*choice.cost(true), *choice.cost(false));
    const int threaded = countThreaded(taken, 6 * kPeriod);
    EXPECT_GE(threaded, 5 * ThreadChoice::kTryLength);
    EXPECT_LE(threaded, 7 * ThreadChoice::kTryLength);
}

TEST(ThreadChoice, ResetForgetsTheMeasurements) {
    ThreadChoice choice;
    run(choice, 10, 3e-9, 6e-9);
    choice.reset();
    EXPECT_FALSE(choice.cost(false));
    EXPECT_FALSE(choice.cost(true));
    EXPECT_TRUE(choice.threadsNext());
}

}  // namespace
}  // namespace fg
