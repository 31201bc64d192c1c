#pragma once
// The zoom every window of the desktop program is shown at, 1 at 100 %: the main
// window's model chooses it ("View"), the views apply it. Twips become that many more
// pixels (ControlBinder's TwipsToPixels), the fonts of the windows and of the
// application (menus, message boxes) grow by it, and the graphs' pictures are drawn
// on that many more pixels (ImageSurface::SetZoom), so every window looks the same,
// only larger.
#include <QFont>

#include "surface/Surface.h"

class QWidget;

namespace quorbel {

double ScreenZoom();
// Sets the zoom and the application's font at it (the font of the first call is the
// one at 100 %).
void SetScreenZoom(double zoom);

// Gives `widget` the font `state` at the zoom, and keeps `state` for RezoomFonts.
void SetZoomedFont(QWidget* widget, const FontState& state);
// Every widget under `root`, itself included, that got its font from SetZoomedFont
// takes it again at the current zoom.
void RezoomFonts(QWidget* root);

}  // namespace quorbel
