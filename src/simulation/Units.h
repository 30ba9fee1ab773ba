#pragma once
// The constants that fix the simulation's arithmetic. They are single
// precision on purpose: replays must match other builds float for float.

namespace fg {

inline constexpr float kPi = 3.141592654f;
inline constexpr float kTwoPi = 6.2831855f;  // the even-interval circle
inline constexpr float kDegToRad = kPi / 180.0f;

inline float radians(float degrees) { return degrees * kDegToRad; }

}  // namespace fg
