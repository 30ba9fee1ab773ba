#pragma once
// Coordinates counted in tenths of a unit, as the settings file stores view
// coordinates and the dialogs show them.

#include <cstdint>

namespace fg {

// `value` times ten, truncated toward zero and clamped to the int range
// (NaN gives 0). A coordinate typed or stored as k tenths is held as the
// float nearest k / 10, which may lie a hair inside it (-0.7 reads back as
// -0.69999…): that float gives k again instead of creeping a step toward
// zero with every save. Anything else truncates, so 1.25 gives 12 and
// 1234.599 gives 12345.
std::int32_t tenthsOf(float value);

}  // namespace fg
