#pragma once
// Effects built in code from a seed, shared by the simulation tests.

#include <cstdint>
#include <random>

#include "SimulationTestSupport.h"

namespace fg::test {

// Effects built from a seed: parents that outlive the pass (so they are
// carried across the wrap) and keep drawing random numbers there, through
// children spawned during their life and at their death.
inline EditorState generatedLoopEffect(std::uint32_t seed) {
    std::mt19937 gen(seed);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); };
    EditorState g = rootOnlyState();
    g.project.frame = pick(10, 24);
    g.project.randomSeed = pick(1, 30000);
    Node& a = g.tree.addChild(g.tree.root());
    a.m_timing.end = pick(g.project.frame / 3, g.project.frame / 2);
    a.m_timing.often = pick(1, 3);
    a.m_timing.num = pick(2, 3);
    a.m_timing.num_err = pick(0, 40);  // at least one particle per emission
    a.m_emitter.type = pick(kEmitterCircleVertical, kEmitterBox);
    a.m_emitter.size = {1.0f, 2.0f, 1.5f};
    a.m_move.speed = pick(1, 4);
    a.m_move.speed_err = pick(0, 50);
    // The last emitted outlast the pass they began in; most of what is
    // carried is gone before the next pass ends, while that pass still draws.
    a.m_kill.span = g.project.frame + pick(2, g.project.frame / 3);
    a.m_kill.span_err = pick(0, 20);
    a.m_color.brigRnd = pick(0, 40);
    Node& during = g.tree.addChild(a);
    during.m_timing.type = kTimingParentFrames;
    during.m_timing.start = pick(1, 4);
    during.m_timing.end = 1000;
    during.m_timing.often = pick(2, 5);
    during.m_timing.often_err = pick(0, 40);
    during.m_timing.num = pick(1, 2);
    during.m_emitter.type = kEmitterSphere;
    during.m_emitter.size = {0.5f, 0.5f, 0.5f};
    during.m_move.speed = 2;
    during.m_move.speed_err = pick(10, 60);
    during.m_kill.span = pick(3, 8);
    during.m_kill.span_err = pick(0, 50);
    Node& atDeath = g.tree.addChild(a);
    atDeath.m_timing.type = kTimingParentDeath;
    atDeath.m_timing.num = pick(1, 3);
    atDeath.m_timing.num_err = pick(0, 50);
    atDeath.m_emitter.type = kEmitterHemisphere;
    atDeath.m_emitter.size = {0.4f, 0.4f, 0.4f};
    atDeath.m_move.speed = 1;
    atDeath.m_move.speed_err = 30;
    atDeath.m_kill.span = pick(2, 6);
    return g;
}

// A curve through three points from the seed; `flat` keeps every sample at
// the default, so a node mixes flat and shaped curves.
inline void pickCurve(Node& node, int index, std::mt19937& gen, bool flat) {
    if (flat) return;
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); };
    node.curve(index).setPoints({{0.0f, static_cast<float>(pick(0, 100))},
                                 {static_cast<float>(pick(10, 90)), static_cast<float>(pick(0, 100))},
                                 {100.0f, static_cast<float>(pick(0, 100))}});
    node.curve(index).rebuild();
}

// Effects that reach every part of the step: each emitter and scope, every
// curve shaped in some effects and flat in others, self rotation and
// revolution about every axis (angles 0 and not), random facings, trails,
// opacity from the parent, attraction, following, gravity, landing and
// frame kills, and children during and at the end of a life.
inline EditorState generatedFeatureEffect(std::uint32_t seed) {
    std::mt19937 gen(seed);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); };
    EditorState g = rootOnlyState();
    g.project.frame = pick(20, 60);
    g.project.randomSeed = pick(0, 30000);
    const auto shapeNode = [&](Node& node) {
        node.m_emitter.type = pick(kEmitterCircleVertical, kEmitterBox);
        node.m_emitter.scope = pick(kScopeInside, kScopeCustom);
        node.m_emitter.err = pick(0, 60);
        node.m_emitter.size = {static_cast<float>(pick(0, 30)) / 10.0f, static_cast<float>(pick(0, 30)) / 10.0f,
                               static_cast<float>(pick(0, 30)) / 10.0f};
        node.m_emitter.pos = {static_cast<float>(pick(-10, 10)) / 10.0f, 0.0f, 0.0f};
        node.m_emitter.fix = pick(0, 1);
        node.m_emitter.scaleFix = pick(0, 1);
        node.m_emitter.isEvenInterval = pick(0, 1);
        node.m_move.isOneWay = pick(0, 3) == 0 ? 1 : 0;
        node.m_move.oneway_err = pick(0, 40);
        node.m_move.dirY = static_cast<float>(pick(0, 359));
        node.m_move.dirX = static_cast<float>(pick(0, 180));
        node.m_move.speed = pick(0, 5);
        node.m_move.speed_err = pick(0, 60);
        node.m_move.isFollow = pick(0, 1);
        node.m_move.gravity = pick(-3, 6);
        if (pick(0, 2) == 0) {
            node.m_move.absorbPos = {static_cast<float>(pick(-20, 20)), static_cast<float>(pick(-20, 20)),
                                     static_cast<float>(pick(-20, 20))};
            node.m_move.absorbPawer = static_cast<float>(pick(1, 30));
        }
        node.m_kill.span = pick(4, 40);
        node.m_kill.span_err = pick(0, 50);
        node.m_kill.isFrame = pick(0, 4) == 0 ? 1 : 0;
        node.m_kill.frame = pick(5, 50);
        node.m_kill.frame_err = pick(0, 30);
        node.m_kill.isLand = pick(0, 3) == 0 ? 1 : 0;
        node.m_shape.type = pick(kShape2D, kShapeTrail);
        node.m_shape.dir = pick(kDirFront, kDirRandom);
        node.m_shape.isDir = pick(0, 1);
        node.m_scale.max = pick(1, 30);
        node.m_scale.max_err = pick(0, 60);
        node.m_scale.trailLength = pick(0, 10);
        node.m_color.isAlphaParent = pick(0, 2) == 0 ? 1 : 0;
        node.m_color.brigRnd = pick(0, 40);
        node.m_color.alphaRnd = pick(0, 40);
        node.m_rotate.axis = pick(kAxisX, kAxisParentTravel);
        node.m_rotate.angle = pick(0, 1) == 0 ? 0 : pick(-720, 720);
        node.m_rotate.angle_err = pick(0, 50);
        node.m_rotate.dir = pick(kRotateNormal, kRotateRandom);
        node.m_rotate.isSameParent = pick(0, 1);
        node.m_rotate.revAxis = pick(kRevAxisX, kRevAxisParentTravel);
        node.m_rotate.revAngle = pick(0, 1) == 0 ? 0 : pick(-360, 360);
        node.m_rotate.revAngle_err = pick(0, 50);
        node.m_rotate.revDir = pick(kRotateNormal, kRotateRandom);
        const bool allFlat = pick(0, 3) == 0;
        for (int c = 0; c < kCurveCount; ++c) pickCurve(node, c, gen, allFlat || pick(0, 2) == 0);
    };
    Node& a = g.tree.addChild(g.tree.root());
    shapeNode(a);
    a.m_timing.end = pick(5, g.project.frame);
    a.m_timing.often = pick(1, 3);
    a.m_timing.num = pick(1, 4);
    a.m_timing.num_err = pick(0, 40);
    Node& during = g.tree.addChild(a);
    shapeNode(during);
    during.m_timing.type = kTimingParentFrames;
    during.m_timing.start = pick(0, 3);
    during.m_timing.end = 1000;
    during.m_timing.often = pick(1, 4);
    during.m_timing.often_err = pick(0, 40);
    during.m_timing.num = pick(1, 2);
    Node& atDeath = g.tree.addChild(pick(0, 1) == 0 ? a : during);
    shapeNode(atDeath);
    atDeath.m_timing.type = kTimingParentDeath;
    atDeath.m_timing.num = pick(1, 3);
    atDeath.m_timing.num_err = pick(0, 50);
    return g;
}

// Effects built from a seed whose particles read their parents in every way
// an update does: following their travel, turning about their facing or
// travel, revolving about them and taking their opacity, three generations
// deep, with children during life and at death (whose own children end up
// before them in the list), deaths by frame number and on landing, and
// trails. A few hundred to a few thousand particles live at once.
inline EditorState generatedParentReadingEffect(std::uint32_t seed) {
    std::mt19937 gen(seed);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); };
    EditorState g = rootOnlyState();
    g.project.frame = pick(40, 70);
    g.project.randomSeed = pick(1, 30000);
    Node* parent = &g.tree.root();
    for (int depth = 0; depth < 3; ++depth) {
        Node& n = g.tree.addChild(*parent);
        if (depth == 0) {
            n.m_timing.type = kTimingAbsolute;
            n.m_timing.end = pick(g.project.frame / 2, g.project.frame);
            n.m_timing.num = pick(8, 16);
        } else {
            n.m_timing.type = pick(0, 3) == 0 ? kTimingParentDeath : kTimingParentFrames;
            n.m_timing.start = pick(0, 3);
            n.m_timing.end = 1000;
            n.m_timing.often = pick(2, 5);
            n.m_timing.often_err = pick(0, 40);
            n.m_timing.num = pick(1, 2);
        }
        n.m_timing.num_err = pick(0, 50);
        n.m_emitter.type = pick(kEmitterCircleVertical, kEmitterBox);
        n.m_emitter.size = {static_cast<float>(pick(1, 20)) / 10.0f, static_cast<float>(pick(1, 20)) / 10.0f,
                            static_cast<float>(pick(1, 20)) / 10.0f};
        n.m_emitter.fix = pick(0, 1);
        n.m_emitter.scaleFix = pick(0, 1);
        n.m_emitter.isEvenInterval = pick(0, 1);
        n.m_move.speed = pick(0, 5);
        n.m_move.speed_err = pick(0, 60);
        n.m_move.gravity = pick(-3, 6);
        n.m_move.isFollow = pick(0, 1);
        if (pick(0, 2) == 0) {
            n.m_move.absorbPos = {static_cast<float>(pick(-20, 20)), static_cast<float>(pick(-20, 20)), 0.0f};
            n.m_move.absorbPawer = static_cast<float>(pick(1, 8));
        }
        n.m_kill.span = pick(6, 20);
        n.m_kill.span_err = pick(0, 50);
        n.m_kill.isFrame = pick(0, 4) == 0 ? 1 : 0;
        n.m_kill.frame = pick(10, g.project.frame);
        n.m_kill.isLand = pick(0, 3) == 0 ? 1 : 0;
        n.m_shape.type = pick(0, 2) == 0 ? kShapeTrail : kShape2D;
        n.m_shape.dir = pick(kDirFront, kDirRandom);
        n.m_scale.max = pick(5, 30);
        n.m_scale.max_err = pick(0, 50);
        n.m_scale.trailLength = pick(2, 10);
        n.m_rotate.axis = pick(kAxisX, kAxisParentTravel);
        n.m_rotate.angle = pick(-90, 90);
        n.m_rotate.angle_err = pick(0, 30);
        n.m_rotate.dir = pick(kRotateNormal, kRotateRandom);
        n.m_rotate.revAxis = pick(kRevAxisX, kRevAxisParentTravel);
        n.m_rotate.revAngle = pick(-45, 45);
        n.m_rotate.revDir = pick(kRotateNormal, kRotateRandom);
        n.m_color.isAlphaParent = pick(0, 1);
        n.m_color.alphaRnd = pick(0, 40);
        n.m_color.brigRnd = pick(0, 40);
        for (const int curve : {kCurveOpacity, kCurveSize, kCurveSpeed, kCurveSelfAngle, kCurveRevolutionAngle}) {
            n.curve(curve).setPoints({{0, static_cast<float>(pick(0, 100))},
                                      {static_cast<float>(pick(20, 80)), static_cast<float>(pick(0, 100))},
                                      {100, static_cast<float>(pick(0, 100))}});
            n.curve(curve).rebuild();
        }
        parent = &n;
    }
    return g;
}

}  // namespace fg::test
