// Each step takes the way that has measured faster per particle, tries the
// other every so often, and follows when the costs change.

#include <gtest/gtest.h>

#include <vector>

#include "simulation/ThreadChoice.h"

namespace fg {
namespace {

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

TEST(ThreadChoice, BothWaysAreMeasuredFirstAndTheFirstThreadedStepDoesNotCount) {
    ThreadChoice choice;
    EXPECT_TRUE(choice.threadsNext());
    choice.measured(true, 1e-3);  // starting the threads: not counted
    EXPECT_FALSE(choice.cost(true));
    EXPECT_TRUE(choice.threadsNext());
    choice.measured(true, 4e-9);
    EXPECT_EQ(*choice.cost(true), 4e-9);
    EXPECT_FALSE(choice.threadsNext());
    choice.measured(false, 6e-9);
    EXPECT_EQ(*choice.cost(false), 6e-9);
    EXPECT_TRUE(choice.threadsNext());
}

TEST(ThreadChoice, TheFasterWayIsTakenAndTheOtherTriedEverySoOften) {
    const int steps = 3 + 10 * (ThreadChoice::kTryOtherEvery + 1);
    {
        SCOPED_TRACE("threads faster");
        ThreadChoice choice;
        const std::vector<bool> taken = run(choice, steps, 6e-9, 3e-9);
        // After the three measuring steps, one step in kTryOtherEvery + 1 is the try.
        EXPECT_EQ(countThreaded(taken, 3), 10 * ThreadChoice::kTryOtherEvery);
        constexpr auto kWindow = static_cast<std::size_t>(ThreadChoice::kTryOtherEvery) + 1;
        for (std::size_t i = 3; i + kWindow <= taken.size(); ++i) {
            int tries = 0;
            for (std::size_t k = 0; k < kWindow; ++k) tries += taken[i + k] ? 0 : 1;
            ASSERT_EQ(tries, 1) << "from step " << i;
        }
    }
    {
        SCOPED_TRACE("one thread faster");
        ThreadChoice choice;
        const std::vector<bool> taken = run(choice, steps, 3e-9, 6e-9);
        EXPECT_EQ(countThreaded(taken, 3), 10);
    }
}

TEST(ThreadChoice, ItFollowsWhenTheCostsChange) {
    ThreadChoice choice;
    run(choice, 100, 6e-9, 3e-9);  // many particles of a costly node: threads pay
    // The effect now has a cheap node with a million particles: memory-bound,
    // two threads lose. Within a few tries the one-thread walk is preferred.
    const std::vector<bool> taken = run(choice, 12 * (ThreadChoice::kTryOtherEvery + 1), 2e-9, 3e-9);
    const std::size_t settled = 6 * (ThreadChoice::kTryOtherEvery + 1);
    EXPECT_TRUE(taken[0]);
    EXPECT_GT(*choice.cost(true), *choice.cost(false));
    // From then on only the tries run on the threads.
    EXPECT_EQ(countThreaded(taken, settled), 6);
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
