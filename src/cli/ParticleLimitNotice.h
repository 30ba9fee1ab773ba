#pragma once
// What a command says on stderr when the live-particle limit skipped spawns
// during its run (the run itself goes on: the limit is a guard, not an error).

#include <cstdint>
#include <cstdio>
#include <string>

#include "simulation/Simulation.h"

namespace fg::cli {

// Prints the notice when `skipped` spawns were skipped under `limit`; `hint`
// (may be empty) follows in parentheses.
inline void reportParticleLimit(const char* command, std::uint32_t limit, std::uint64_t skipped,
                                const std::string& hint = {}) {
    if (skipped == 0) return;
    std::fprintf(stderr,
                 "fulgrane3d-cli %s: the live-particle limit of %u was reached; %llu particles were not created%s%s%s\n",
                 command, limit, static_cast<unsigned long long>(skipped), hint.empty() ? "" : " (", hint.c_str(),
                 hint.empty() ? "" : ")");
}

// The same for the spawns skipped since the simulation's last restart.
inline void reportParticleLimit(const char* command, const Simulation& simulation, const std::string& hint = {}) {
    reportParticleLimit(command, simulation.particleLimit(), simulation.skippedSpawns(), hint);
}

}  // namespace fg::cli
