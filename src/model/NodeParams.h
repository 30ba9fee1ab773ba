#pragma once
// The authored emission parameters of one node, grouped as the settings file
// stores them. Integers are signed 32-bit; "flag" fields hold 0 or 1; angles
// are degrees; percentages are whole numbers. A new record holds the
// initial values of the node-field table's rows (model/NodeFields.cpp).

#include <cstdint>
#include <string>

#include "model/FieldId.h"
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
    std::int32_t type = initialInt(FieldId::EmitterType);
    // size and pos are shown ×10 in the panels
    Vec3f size{initialFloat(FieldId::EmitterSizeX), initialFloat(FieldId::EmitterSizeY),
               initialFloat(FieldId::EmitterSizeZ)};
    Vec3f pos{initialFloat(FieldId::EmitterPosX), initialFloat(FieldId::EmitterPosY),
              initialFloat(FieldId::EmitterPosZ)};
    std::int32_t scope = initialInt(FieldId::EmitterScope);
    std::int32_t err = initialInt(FieldId::EmitterErr);  // percent, used when scope is custom
    std::int32_t fix = initialInt(FieldId::EmitterFix);
    std::int32_t scaleFix = initialInt(FieldId::EmitterScaleFix);
    std::int32_t isEvenInterval = initialInt(FieldId::EmitterIsEvenInterval);
};

struct TimingParams {
    std::int32_t type = initialInt(FieldId::TimingType);
    std::int32_t start = initialInt(FieldId::TimingStart);
    std::int32_t end = initialInt(FieldId::TimingEnd);
    std::int32_t often = initialInt(FieldId::TimingOften);
    std::int32_t often_err = initialInt(FieldId::TimingOftenErr);
    std::int32_t num = initialInt(FieldId::TimingNum);
    std::int32_t num_err = initialInt(FieldId::TimingNumErr);
};

struct KillParams {
    std::int32_t span = initialInt(FieldId::KillSpan);
    std::int32_t span_err = initialInt(FieldId::KillSpanErr);
    std::int32_t isFrame = initialInt(FieldId::KillIsFrame);
    std::int32_t frame = initialInt(FieldId::KillFrame);
    std::int32_t frame_err = initialInt(FieldId::KillFrameErr);
    std::int32_t isLand = initialInt(FieldId::KillIsLand);
};

struct MoveParams {
    std::int32_t isOneWay = initialInt(FieldId::MoveIsOneWay);
    std::int32_t oneway_err = initialInt(FieldId::MoveOnewayErr);  // degrees
    float dirY = initialFloat(FieldId::MoveDirY);  // degrees, seen from above
    float dirX = initialFloat(FieldId::MoveDirX);  // degrees, seen from the side
    std::int32_t speed = initialInt(FieldId::MoveSpeed);
    std::int32_t speed_err = initialInt(FieldId::MoveSpeedErr);
    std::int32_t isFollow = initialInt(FieldId::MoveIsFollow);
    std::int32_t gravity = initialInt(FieldId::MoveGravity);
    Vec3f absorbPos{initialFloat(FieldId::MoveAbsorbPosX), initialFloat(FieldId::MoveAbsorbPosY),
                    initialFloat(FieldId::MoveAbsorbPosZ)};
    float absorbPawer = initialFloat(FieldId::MoveAbsorbPawer);
};

struct ShapeParams {
    std::int32_t type = initialInt(FieldId::ShapeType);
    std::string objName;  // model material name, kept only while materials change
    std::int32_t dir = initialInt(FieldId::ShapeDir);
    std::int32_t isDir = initialInt(FieldId::ShapeIsDir);
    std::int32_t isUnderCut = initialInt(FieldId::ShapeIsUnderCut);
};

struct TextureParams {
    std::string name;  // image material name, kept only while materials change
    std::int32_t ID = initialInt(FieldId::TextureId);  // image material index, -1 = none
    std::int32_t isAdd = initialInt(FieldId::TextureIsAdd);
    std::int32_t isAnim = initialInt(FieldId::TextureIsAnim);
    std::int32_t w = initialInt(FieldId::TextureW);
    std::int32_t h = initialInt(FieldId::TextureH);
    std::int32_t speed = initialInt(FieldId::TextureSpeed);
    std::int32_t isLoop = initialInt(FieldId::TextureIsLoop);
};

struct ScaleParams {
    std::int32_t max = initialInt(FieldId::ScaleMax);  // 10 stands for 1.0
    std::int32_t max_err = initialInt(FieldId::ScaleMaxErr);
    std::int32_t trailLength = initialInt(FieldId::ScaleTrailLength);
    std::int32_t trailThickChange = initialInt(FieldId::ScaleTrailThickChange);
};

struct ColorParams {
    std::int32_t isAlphaParent = initialInt(FieldId::ColorIsAlphaParent);
    std::int32_t brigRnd = initialInt(FieldId::ColorBrigRnd);
    std::int32_t alphaRnd = initialInt(FieldId::ColorAlphaRnd);
};

struct RotateParams {
    std::int32_t axis = initialInt(FieldId::RotateAxis);
    std::int32_t angle = initialInt(FieldId::RotateAngle);
    std::int32_t angle_err = initialInt(FieldId::RotateAngleErr);
    std::int32_t dir = initialInt(FieldId::RotateDir);
    std::int32_t isSameParent = initialInt(FieldId::RotateIsSameParent);
    std::int32_t revAxis = initialInt(FieldId::RotateRevAxis);
    std::int32_t revAngle = initialInt(FieldId::RotateRevAngle);
    std::int32_t revAngle_err = initialInt(FieldId::RotateRevAngleErr);
    std::int32_t revDir = initialInt(FieldId::RotateRevDir);
};

// Everything a node stores besides its identity, links and curves.
struct NodeParams {
    std::int32_t m_isDraw = initialInt(FieldId::IsDraw);
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
