#pragma once
// What the main window's FFT graph shows besides its trace: the decibel scale with its
// floor, and a spectrum held under the next ones. Typed state of the window
// (MainWindowDecibels.cpp); the data lists never change with it.
#include <optional>
#include <string>

#include "spectrum/DecibelTrace.h"
#include "state/Quantity.h"

namespace quorbel {

class MainWindowModel;

// The buttons beside the display options that change it.
enum class FftExtra {
    Decibels,  // "dB" / "Linear": the modulus in decibels of its largest value, or linear
    Hold,      // "Hold spectrum": the spectrum shown stays, in grey, under the next ones
    Release    // "Release": the held spectrum goes
};

struct FftGraphExtras {
    bool decibels = false;
    // The floor in use, and the text of its field as typed (read when the decibels
    // are switched on and when the graph is calculated again).
    double floorDb = kDefaultFloorDb;
    std::string floorText = "-100";
    // The text last refused when the graph was calculated: said once, not at every
    // frame of the live view.
    std::string refusedFloorText;
    std::optional<HeldSpectrum> held;
};

// The quantity in words, in English, as the worksheet titles and the held spectrum's
// legend name it ("modulus ρ"; "spectrum" before any is chosen).
const char* QuantityName(Quantity quantity);

// Draws the traces of the FFT graph of `window` on `pic`: the held one, the axis and
// the trace shown, linear or in decibels, and with `labels` the decibel scale and the
// legend. Returns the height of the axis, twips.
double DrawFftTraces(Surface& pic, const MainWindowModel& window, bool labels = true);

// The scales both traces share: the linear scale maximum (the trace's own, or the held
// one's largest value on the axis shown when that is larger), and the value at 0 dB
// (the largest of either whole spectrum), so that neither runs off the graph.
struct FftTraceScales {
    double linear = 0, reference = 0;
};
FftTraceScales TraceScales(const MainWindowModel& window);

}  // namespace quorbel
