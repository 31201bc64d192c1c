#pragma once
// The main window's surfaces and the places of its graphs, in twips.
#include "surface/Surface.h"

namespace quorbel {

struct RawFileSurfaces;

struct MainWindowSurfaces {
    Surface& Picture1;                       // the FFT graph, 7665 x 5295 twips
    Surface& Picture2;                       // the "Graph of f (t)"
    Surface& Picture8;                       // upper half-height graph: imaginary parts
    Surface& Picture9;                       // lower half-height graph: real parts
    Surface& Form5;                          // the report window
    Surface* Picture5 = nullptr;             // the musical canvas, 29500 x 4960 twips
    Surface* Form4 = nullptr;                // the inverse-results window
    const RawFileSurfaces* Form6 = nullptr;  // the raw file window
    Surface* Form8 = nullptr;                // the bitmap window's picture (BitmapWindowModel.h)
    Surface* Form3Picture = nullptr;         // the Nyquist help page (HelpWindows.h)
    Surface* Form7Picture = nullptr;         // the phase help page
    Surface* NmrSpectrum = nullptr;          // the NMR window's graphs (NmrWindowModel.h)
    Surface* NmrFid = nullptr;
    Surface* FormTopicsPicture = nullptr;  // the help topics' page (HelpTopics.h)
};

// Sizes of the graph areas in twips.
inline constexpr double kPicture1Width = 7665, kPicture1Height = 5295;
inline constexpr double kPicture2Width = 7665, kPicture2Height = 2655;
inline constexpr double kHalfGraphWidth = 7455, kHalfGraphHeight = 2415;
inline constexpr double kScrollBarHeight = 255;
// The main window's client area, fixed from start-up on.
inline constexpr double kMainWindowWidth = 15120, kMainWindowHeight = 8700;
// The musical view at normal size: its frame in the place of the FFT graph.
inline constexpr double kMusicalViewLeft = 4320, kMusicalViewWidth = 7455;
inline constexpr double kMusicalViewHeight = 5340;
// The panoramic musical view: from the window's left edge over the left column to the
// right edge of the normal view, where the right-hand column begins.
inline constexpr double kPanoramicWidth = kMusicalViewLeft + kMusicalViewWidth;

}  // namespace quorbel
