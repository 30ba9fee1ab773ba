#pragma once
// Ready-made curve shapes for the curve window's menu. Points are on the
// curves' 0..100 grid with y growing downwards, so y 0 is the curve's top
// (its full value; +1 for a speed curve) and y 100 its bottom:
//   constant         full value throughout
//   linear up        bottom to top
//   linear down      top to bottom
//   ease in          value t², slow at first (eleven points)
//   ease out         value 1 − (1 − t)², slow at the end (eleven points)
//   fade in and out  up over the first fifth, held, down over the last fifth
//   pulse            bottom, a spike to the top at the middle, bottom again

#include <array>

#include "model/Graph.h"

namespace fg {

enum class CurvePreset { Constant, LinearUp, LinearDown, EaseIn, EaseOut, FadeInOut, Pulse };
inline constexpr std::array<CurvePreset, 7> kCurvePresets{CurvePreset::Constant,  CurvePreset::LinearUp,
                                                          CurvePreset::LinearDown, CurvePreset::EaseIn,
                                                          CurvePreset::EaseOut,    CurvePreset::FadeInOut,
                                                          CurvePreset::Pulse};

GraphPoints presetPoints(CurvePreset preset);

}  // namespace fg
