#include "simulation/SimulateOutput.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace fg {
namespace {

void appendFloat(std::string& out, float value) {
    // JSON has no spelling for infinities or NaN.
    if (!std::isfinite(value)) {
        out += "null";
        return;
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.9g", static_cast<double>(value));
    out += buffer;
}

void appendInt(std::string& out, long long value) { out += std::to_string(value); }

void appendVec(std::string& out, Vec3f v) {
    appendFloat(out, v.x);
    out += ',';
    appendFloat(out, v.y);
    out += ',';
    appendFloat(out, v.z);
}

}  // namespace

void appendSimulateLine(const Simulation& simulation, std::uint32_t frame, std::string& out) {
    const ParticleList& list = simulation.particles();
    // Array positions of the live particles (the list may hold dead slots).
    std::vector<long long> position(list.slotCount(), -1);
    long long next = 0;
    for (ParticleIndex i = 0; i < list.slotCount(); ++i)
        if (list[i].alive) position[i] = next++;

    out += "{\"frame\":";
    appendInt(out, frame);
    out += ",\"particles\":[";
    bool first = true;
    list.forEach([&](const Particle& p) {
        if (!first) out += ',';
        first = false;
        const Particle* parent = list.parentOf(p);
        out += '[';
        appendInt(out, simulation.nodeOf(p).id);
        out += ',';
        appendInt(out, parent != nullptr ? position[p.parent] : -1);
        out += ',';
        appendInt(out, p.age);
        out += ',';
        appendInt(out, p.life);
        out += ',';
        appendVec(out, p.position);
        out += ',';
        appendVec(out, p.direction);
        out += ',';
        appendVec(out, p.scale);
        out += ',';
        appendFloat(out, p.colour.r);
        out += ',';
        appendFloat(out, p.colour.g);
        out += ',';
        appendFloat(out, p.colour.b);
        out += ',';
        appendFloat(out, p.colour.a);
        out += ',';
        appendFloat(out, p.selfAngle);
        out += ',';
        appendFloat(out, p.revolutionAngle);
        out += ']';
    });
    out += "]}\n";
}

}  // namespace fg
