#pragma once
// Names of the rows of the node-field table (model/NodeFields.h), in the
// table's order. Code that means one field names it here, so that a
// misspelt field fails to compile; the key strings are for the files.

#include <cstddef>
#include <cstdint>

namespace fg {

enum class FieldId : std::uint8_t {
    Name,
    IsDraw,
    Id,
    EmitterType,
    EmitterSizeX,
    EmitterSizeY,
    EmitterSizeZ,
    EmitterPosX,
    EmitterPosY,
    EmitterPosZ,
    EmitterScope,
    EmitterErr,
    EmitterFix,
    EmitterScaleFix,
    EmitterIsEvenInterval,
    TimingType,
    TimingStart,
    TimingEnd,
    TimingOften,
    TimingOftenErr,
    TimingNum,
    TimingNumErr,
    KillSpan,
    KillSpanErr,
    KillIsFrame,
    KillFrame,
    KillFrameErr,
    KillIsLand,
    MoveIsOneWay,
    MoveOnewayErr,
    MoveDirX,
    MoveDirY,
    MoveSpeed,
    MoveSpeedErr,
    MoveIsFollow,
    MoveGravity,
    MoveAbsorbPawer,
    MoveAbsorbPosX,
    MoveAbsorbPosY,
    MoveAbsorbPosZ,
    ShapeType,
    ShapeDir,
    ShapeIsDir,
    ShapeIsUnderCut,
    TextureId,
    TextureIsAdd,
    TextureIsAnim,
    TextureW,
    TextureH,
    TextureSpeed,
    TextureIsLoop,
    ScaleMax,
    ScaleMaxErr,
    ScaleTrailLength,
    ScaleTrailThickChange,
    ColorIsAlphaParent,
    ColorBrigRnd,
    ColorAlphaRnd,
    RotateAxis,
    RotateAngle,
    RotateAngleErr,
    RotateDir,
    RotateIsSameParent,
    RotateRevAxis,
    RotateRevAngle,
    RotateRevAngleErr,
    RotateRevDir,
    Count,
};

inline constexpr std::size_t kNodeFieldCount = static_cast<std::size_t>(FieldId::Count);

// The value a new node holds in an int or float row (its table default).
// The parameter records take their initial values from here.
std::int32_t initialInt(FieldId id);
float initialFloat(FieldId id);

}  // namespace fg
