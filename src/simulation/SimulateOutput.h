#pragma once
// The machine-readable state of a simulation after a step: one JSON line
//   {"frame":F,"particles":[[id,parent,age,life,px,py,pz,dx,dy,dz,
//     sx,sy,sz,r,g,b,a,selfAngle,revAngle],...]}
// with the live particles in list order, parent as an index into the same
// array (−1 for none) and floats printed with "%.9g".

#include <cstdint>
#include <string>

#include "simulation/Simulation.h"

namespace fg {

// Appends the line (with its newline) for the frame `frame` to `out`.
void appendSimulateLine(const Simulation& simulation, std::uint32_t frame, std::string& out);

}  // namespace fg
