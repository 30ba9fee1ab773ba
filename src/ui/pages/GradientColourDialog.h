#pragma once
// The colour chooser for a gradient stop: Qt's own dialog with the opacity
// channel, starting from the stop's colour.

#include <optional>

#include "model/ColourGradient.h"

class QWidget;

namespace fg {

// The colour chosen with OK; nothing when the chooser was cancelled.
std::optional<GradientColour> chooseGradientColour(const GradientColour& current, QWidget* parent);

}  // namespace fg
