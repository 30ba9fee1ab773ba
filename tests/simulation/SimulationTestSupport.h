#pragma once
// Shared helpers of the simulation tests: an independent LCG to predict
// draws, effects built in code and views of a simulation's live particles.

#include <cstdint>
#include <string>
#include <vector>

#include "model/EditorState.h"
#include "model/EffectTree.h"
#include "simulation/SimulateOutput.h"
#include "simulation/Simulation.h"

namespace fg::test {

// The generator written out again: state × 214013 + 2531011, bits 16–30.
struct Lcg {
    std::uint32_t state;
    int next() {
        state = state * 214013u + 2531011u;
        return static_cast<int>((state >> 16) & 0x7FFF);
    }
};

// The i-th draw (0-based) after seeding with `seed`.
inline int drawAt(std::uint32_t seed, int i) {
    Lcg lcg{seed};
    int value = 0;
    for (int k = 0; k <= i; ++k) value = lcg.next();
    return value;
}

inline float jitterOf(int draw) { return static_cast<float>(draw % 200 - 100) / 100.0f; }

// An editor state with only the root node.
inline EditorState rootOnlyState() {
    EditorState g;
    g.tree = EffectTree();
    return g;
}

// A top-level node that emits `num` particles once, at frame 1, from the
// root particle, with an emitter of size 0 at `pos`, no motion and the given life.
inline Node& addQuietNode(EditorState& g, Node& parent, std::int32_t life = 60, Vec3f pos = {}) {
    Node& node = g.tree.addChild(parent);
    node.m_emitter.pos = pos;
    node.m_kill.span = life;
    return node;
}

inline void setFlatCurve(Node& node, int index, float y) {
    node.curve(index).setPoints({{0.0f, y}, {100.0f, y}});
    node.curve(index).rebuild();
}

// The live particles of a node (by m_ID) in list order.
inline std::vector<const Particle*> particlesOf(const Simulation& sim, std::int32_t id) {
    std::vector<const Particle*> out;
    sim.particles().forEach([&](const Particle& p) {
        if (sim.nodeOf(p).id == id) out.push_back(&p);
    });
    return out;
}

inline std::vector<const Particle*> liveParticles(const Simulation& sim) {
    std::vector<const Particle*> out;
    sim.particles().forEach([&](const Particle& p) { out.push_back(&p); });
    return out;
}

inline std::string outputLine(const Simulation& sim) {
    std::string line;
    appendSimulateLine(sim, sim.frame() - 1, line);
    return line;
}

// A short effect that wraps often, draws random numbers everywhere and
// spawns children during and at the end of its parents' lives.
inline EditorState busyEffect() {
    EditorState g = rootOnlyState();
    g.project.frame = 18;
    g.project.randomSeed = 4242;
    Node& a = g.tree.addChild(g.tree.root());
    a.m_timing.end = 9;
    a.m_timing.num = 3;
    a.m_timing.num_err = 40;
    a.m_emitter.type = kEmitterSphere;
    a.m_emitter.size = {1.0f, 2.0f, 1.5f};
    a.m_move.speed = 3;
    a.m_move.speed_err = 50;
    a.m_kill.span = 24;  // outlives the pass: carried across the wrap in loop mode
    a.m_kill.span_err = 20;
    Node& during = g.tree.addChild(a);
    during.m_timing.type = kTimingParentFrames;
    during.m_timing.start = 2;
    during.m_timing.end = 1000;
    during.m_timing.often = 3;
    during.m_timing.often_err = 40;
    during.m_kill.span = 5;
    during.m_kill.span_err = 50;
    Node& atDeath = g.tree.addChild(a);
    atDeath.m_timing.type = kTimingParentDeath;
    atDeath.m_timing.num = 2;
    atDeath.m_kill.span = 4;
    return g;
}

}  // namespace fg::test
