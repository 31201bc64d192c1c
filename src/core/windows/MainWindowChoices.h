#pragma once
// The main window's choices as typed state: what each switch button has put the window
// into, the option selected in each group and the entries checked in the menus. Each
// switch button shows the caption of what pressing it does next. The captions, the
// selected options and the check marks are written from this state
// (MainWindowModel::ShowChoices) and never read back.
#include "fourier/WindowFunction.h"

namespace quorbel {

// What the horizontal button offers: the expansion of the linear graph, or on the
// musical graph the panoramic view or the way back from it to the normal view.
enum class HorizontalOffer { Expansion, Panoramic, Normal };

// The function analysed ("Waves" menu).
enum class FunctionKind { MultipleWaves, SimpleWaves, RawFile };
// The simple wave selected, if any.
enum class SimpleWave { None, Sine, Square, Triangular };
// The display option: one quantity on the FFT graph, or "Both, separately"; None
// before the first choice.
enum class DisplayOption { None, Imaginary, Real, RealGlobal, Rho, Both };
// The transform's method ("Method" menu).
enum class TransformMethod { RealData, ImaginaryZero };

struct MainWindowChoices {
    bool musicalScale = false;  // the FFT graph on the musical axis ("Lin" offered)
    HorizontalOffer horizontal = HorizontalOffer::Expansion;
    bool markersShown = false;   // the harmonic markers follow the pointer ("Cancel")
    bool markersFrozen = false;  // the markers stand as guide lines ("Move")
    bool inverted = false;       // the musical graph's peaks point down ("Normal")
    bool tuningShown = false;    // the tuning slider is shown ("Tuning - Off")
    // The cycles field holds the sampling frequency of the file's data.
    bool fileRateField = false;
    FunctionKind function = FunctionKind::MultipleWaves;
    SimpleWave simpleWave = SimpleWave::None;
    DisplayOption display = DisplayOption::None;
    bool negativeFrequencies = false;  // the FFT graph spans negative frequencies too
    TransformMethod method = TransformMethod::RealData;
    WindowFunction window = WindowFunction::Rectangular;
    bool exportDouble = false;     // PNG pictures at double resolution
    bool exportWorksheet = false;  // exported graphs framed for a worksheet
    bool exportPercent = false;    // worksheet amplitudes in % of the largest
    // The FFT graph's drawing repeats the curve in the bitmap window (while it is made).
    bool bitmapDrawn = false;
};

}  // namespace quorbel
