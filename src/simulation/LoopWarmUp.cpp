#include "simulation/LoopWarmUp.h"

namespace fg {
namespace {

// Steps to the end of the current pass: the next step() wraps.
void finishPass(Simulation& simulation) {
    const auto last = static_cast<std::uint32_t>(simulation.project().frame);
    while (simulation.frame() <= last) simulation.step();
}

}  // namespace

void warmUpLoop(Simulation& simulation, int extraCycles) {
    simulation.setLoop(true);
    finishPass(simulation);
    for (int passes = 1; passes < kMaxLoopWarmUpCycles && simulation.firstCycleAlive(); ++passes) {
        simulation.step();
        finishPass(simulation);
    }
    for (int i = 0; i < extraCycles; ++i) {
        simulation.step();
        finishPass(simulation);
    }
}

}  // namespace fg
