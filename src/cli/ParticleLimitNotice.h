#pragma once
// What a command says on stderr when the live-particle limit skipped spawns
// during its run (the run itself goes on: the limit is a guard, not an error).

#include <cstdio>
#include <string>

#include "simulation/Simulation.h"

namespace fg::cli {

// Prints the notice when spawns were skipped since the simulation's last
// restart; `hint` (may be empty) follows in parentheses.
inline void reportParticleLimit(const char* command, const Simulation& simulation, const std::string& hint = {}) {
    if (simulation.skippedSpawns() == 0) return;
    std::fprintf(stderr,
                 "fulgrane3d-cli %s: the live-particle limit of %u was reached; %llu particles were not created%s%s%s\n",
                 command, simulation.particleLimit(), static_cast<unsigned long long>(simulation.skippedSpawns()),
                 hint.empty() ? "" : " (", hint.c_str(), hint.empty() ? "" : ")");
}

}  // namespace fg::cli
