#include "model/CurvePresets.h"

#include <cmath>

namespace fg {
namespace {

constexpr float kTop = 0.0f;
constexpr float kBottom = 100.0f;

// Eleven points of `value(t)` (0..1) at t = 0, 0.1 … 1, on whole grid steps.
template <class Value>
GraphPoints sampled(Value value) {
    GraphPoints points;
    for (int i = 0; i <= 10; ++i) {
        const float t = static_cast<float>(i) / 10.0f;
        points.push_back({static_cast<float>(i * 10), std::round(kBottom * (1.0f - value(t)))});
    }
    return points;
}

}  // namespace

GraphPoints presetPoints(CurvePreset preset) {
    switch (preset) {
    case CurvePreset::Constant:
        return {{0.0f, kTop}, {100.0f, kTop}};
    case CurvePreset::LinearUp:
        return {{0.0f, kBottom}, {100.0f, kTop}};
    case CurvePreset::LinearDown:
        return {{0.0f, kTop}, {100.0f, kBottom}};
    case CurvePreset::EaseIn:
        return sampled([](float t) { return t * t; });
    case CurvePreset::EaseOut:
        return sampled([](float t) { return 1.0f - (1.0f - t) * (1.0f - t); });
    case CurvePreset::FadeInOut:
        return {{0.0f, kBottom}, {20.0f, kTop}, {80.0f, kTop}, {100.0f, kBottom}};
    case CurvePreset::Pulse:
        return {{0.0f, kBottom}, {40.0f, kBottom}, {50.0f, kTop}, {60.0f, kBottom}, {100.0f, kBottom}};
    }
    return {{0.0f, kTop}, {100.0f, kTop}};
}

}  // namespace fg
