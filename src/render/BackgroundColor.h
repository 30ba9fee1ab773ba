#pragma once
// The project's background colour as pictures use it. The stored channels
// are meant to be 0..255, but a hand-written file may hold any number: each
// channel is clamped to 0..255 before it is converted (not-a-number counts
// as 0), so every value gives a defined colour.

#include "model/Vec3.h"

namespace fg {

// Each channel in 0..1, for clearing a target.
Vec3f backgroundUnit(Vec3f backColor);

struct Rgb8 {
    int r = 0;
    int g = 0;
    int b = 0;
};
// Each channel 0..255 with the fraction dropped, for filling an image.
Rgb8 backgroundBytes(Vec3f backColor);

}  // namespace fg
