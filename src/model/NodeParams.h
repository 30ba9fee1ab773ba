#pragma once
// The authored emission parameters of one node, grouped as the settings file
// stores them. Integers are signed 32-bit; "flag" fields hold 0 or 1; angles
// are degrees; percentages are whole numbers. The initialisers are the
// defaults of a new node.

#include <cstdint>
#include <string>

#include "model/Vec3.h"

namespace fg {

// m_emitter.type
enum EmitterType : std::int32_t {
    kEmitterCircleVertical = 0,    // 円（垂直）
    kEmitterCircleHorizontal = 1,  // 円（水平）
    kEmitterSphere = 2,            // 球
    kEmitterHemisphere = 3,        // 半球
    kEmitterCylinder = 4,          // 円柱
    kEmitterBox = 5,               // 直方体
};

// m_emitter.scope
enum EmitterScope : std::int32_t { kScopeInside = 0, kScopeSurface = 1, kScopeCustom = 2 };

// m_timing.type
enum TimingType : std::int32_t { kTimingAbsolute = 0, kTimingParentFrames = 1, kTimingParentDeath = 2 };

// m_shape.type; 5 and above name model material (type - 5).
enum ShapeType : std::int32_t {
    kShape2D = 0,
    kShapePlane = 1,
    kShapeHemisphere = 2,
    kShapeCylinder = 3,
    kShapeTrail = 4,
    kShapeFirstModel = 5,
};

// m_shape.dir
enum ShapeDir : std::int32_t {
    kDirFront = 0, kDirBack = 1, kDirRight = 2, kDirLeft = 3, kDirUp = 4, kDirDown = 5, kDirRandom = 6,
};

// m_rotate.axis
enum RotateAxis : std::int32_t {
    kAxisX = 0, kAxisY = 1, kAxisZ = 2,
    kAxisTravelX = 3, kAxisTravelY = 4, kAxisTravelZ = 5,
    kAxisParentOrientation = 6, kAxisParentTravel = 7,
};

// m_rotate.revAxis
enum RevolutionAxis : std::int32_t {
    kRevAxisX = 0, kRevAxisY = 1, kRevAxisZ = 2, kRevAxisParentOrientation = 3, kRevAxisParentTravel = 4,
};

// m_rotate.dir and m_rotate.revDir
enum RotateDir : std::int32_t { kRotateNormal = 0, kRotateReversed = 1, kRotateRandom = 2 };

struct EmitterParams {
    std::int32_t type = kEmitterBox;
    Vec3f size;               // shown ×10 in the panels
    Vec3f pos;                // shown ×10 in the panels
    std::int32_t scope = kScopeInside;
    std::int32_t err = 0;     // percent, used when scope is custom
    std::int32_t fix = 0;
    std::int32_t scaleFix = 0;
    std::int32_t isEvenInterval = 0;
};

struct TimingParams {
    std::int32_t type = kTimingAbsolute;
    std::int32_t start = 1;
    std::int32_t end = 1;
    std::int32_t often = 1;
    std::int32_t often_err = 0;
    std::int32_t num = 1;
    std::int32_t num_err = 0;
};

struct KillParams {
    std::int32_t span = 60;
    std::int32_t span_err = 0;
    std::int32_t isFrame = 0;
    std::int32_t frame = 60;
    std::int32_t frame_err = 0;
    std::int32_t isLand = 0;
};

struct MoveParams {
    std::int32_t isOneWay = 0;
    std::int32_t oneway_err = 0;  // degrees
    float dirY = 0.0f;            // degrees, seen from above
    float dirX = 90.0f;           // degrees, seen from the side
    std::int32_t speed = 0;
    std::int32_t speed_err = 0;
    std::int32_t isFollow = 0;
    std::int32_t gravity = 0;
    Vec3f absorbPos;
    float absorbPawer = 0.0f;
};

struct ShapeParams {
    std::int32_t type = kShape2D;
    std::string objName;  // model material name, kept only while materials change
    std::int32_t dir = kDirFront;
    std::int32_t isDir = 0;
    std::int32_t isUnderCut = 0;
};

struct TextureParams {
    std::string name;  // image material name, kept only while materials change
    std::int32_t ID = -1;  // image material index, -1 = none
    std::int32_t isAdd = 0;
    std::int32_t isAnim = 0;
    std::int32_t w = 4;
    std::int32_t h = 4;
    std::int32_t speed = 0;
    std::int32_t isLoop = 0;
};

struct ScaleParams {
    std::int32_t max = 10;  // 10 stands for 1.0
    std::int32_t max_err = 0;
    std::int32_t trailLength = 10;
    std::int32_t trailThickChange = 0;
};

struct ColorParams {
    std::int32_t isAlphaParent = 0;
    std::int32_t brigRnd = 0;
    std::int32_t alphaRnd = 0;
};

struct RotateParams {
    std::int32_t axis = kAxisZ;
    std::int32_t angle = 0;
    std::int32_t angle_err = 0;
    std::int32_t dir = kRotateNormal;
    std::int32_t isSameParent = 0;
    std::int32_t revAxis = kRevAxisY;
    std::int32_t revAngle = 0;
    std::int32_t revAngle_err = 0;
    std::int32_t revDir = kRotateNormal;
};

// Everything a node stores besides its identity, links and curves.
struct NodeParams {
    std::int32_t m_isDraw = 1;
    EmitterParams m_emitter;
    TimingParams m_timing;
    KillParams m_kill;
    MoveParams m_move;
    ShapeParams m_shape;
    TextureParams m_texture;
    ScaleParams m_scale;
    ColorParams m_color;
    RotateParams m_rotate;
};

}  // namespace fg
