#pragma once
// The spectrogram's colour map: viridis, perceptually uniform (equal steps of level
// look like equal steps of colour, in grey as well), readable with the common
// colour-vision deficiencies, dark purple for the quietest and yellow for the loudest.
#include "surface/Surface.h"

namespace quorbel {

// The colour of position u in 0..1 (clamped): entry round(255 u) of the map's 256.
Color Viridis(double u);

}  // namespace quorbel
