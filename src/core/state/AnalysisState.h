#pragma once
// The analysis state of the main window: parameter fields, data lists and mode
// codes, all held as text as the user and the lists see them. Writes to the fields
// and to plotState go through setters so that two rules live in one place:
//  - any change of the text of cyclesPerSecond, a wave-table cell, windowPoints or
//    simplePhase (typed or written by the program) sets plotState to "1";
//  - a change of plotState's text is announced to the owner (the main window turns
//    it into spectrumMode None while "Both, separately" is selected).
#include <array>
#include <functional>
#include <string>

#include "state/DataList.h"
#include "state/Quantity.h"

namespace quorbel {

enum class Field {
    totalPoints,           // N, locked
    windowPoints,          // M, samples that carry the function, locked
    dataExtensionSeconds,  // locked
    windowSeconds,         // shown beside "Window Width (seconds):"
    cyclesPerSecond,       // nu, or the sampling frequency of raw-file data
    amplitudeA,            // wave table column a, rows 0..9
    multiplierB,           // wave table column b
    phasePhi,              // wave table phase column, radians
    simplePhase,           // phase of the simple wave, radians
};

inline constexpr int kTableRows = 10;

// Where the samples come from: calculated waves, or a raw or sound file.
enum class DataSource { Calculated = 0, RawFile = 2 };

// What the window shows again when it comes back from the raw file window: nothing
// pending, or the function kind that was shown (with its frame, or in the panoramic
// view that hides the frames).
enum class ReturnMode {
    Nothing = 9,
    MultipleWavesFrame = 1,
    SimpleWavesFrame = 6,
    MultipleWaves = 11,
    SimpleWaves = 16
};

class AnalysisState {
  public:
    AnalysisState();

    // row is used by the wave-table columns only (0..9).
    const std::string& Get(Field field, int row = 0) const;
    void Set(Field field, const std::string& text, int row = 0);

    const std::string& plotState() const { return plotState_; }
    void SetPlotState(const std::string& text);
    double PlotStateValue() const;  // "29-Relat" reads as 29
    std::function<void(const std::string& newText)> onPlotStateChange;

    // "Sin" (true) or "Cos" (false) for the multiple-wave sum.
    bool sineSelected = true;

    DataList sampleList;          // N, samples, largest absolute sample
    DataList sampleBackupList;    // the full-window samples while the window is halved
    DataList spectrumList;        // header, then Re/Im alternating
    DataList inverseList;         // N, then N times the samples computed back
    DataList graphValueList;      // n, values per bin, scale maximum, "0"
    DataList displayedValueList;  // as graphValueList, after expansion and scaling
    DataList realPartList;        // N, real parts, largest |Re| or |Im|
    DataList imaginaryPartList;   // N, imaginary parts, largest |Re| or |Im|
    DataList harmonicOffsets;     // twips from the fundamental on the musical graph

    // The window's modes.
    DataSource dataSource = DataSource::Calculated;
    ReturnMode returnMode = ReturnMode::Nothing;
    // The quantity on the single graph; None before one is chosen and while "Both,
    // separately" shows two.
    Quantity spectrumMode = Quantity::None;
    bool pointsPlotted = false;  // f(t) drawn as points, else as a line
    std::string rawFileName;
    int tuningSteps = 0;  // tenths of a semitone, -10..10
    std::string expansionPrompt;
    int expansionClickCount = 0;  // limits of the expansion set so far, 0 or 1
    int expansionFirstPoint = 0;  // the displayed point of the first limit

  private:
    std::string& Slot(Field field, int row);

    std::string totalPoints_, windowPoints_, dataExtensionSeconds_ = "1", windowSeconds_ = "1",
                                             cyclesPerSecond_, simplePhase_ = "0";
    std::array<std::string, kTableRows> amplitudeA_, multiplierB_, phasePhi_;
    std::string plotState_ = "29-Relat";
};

}  // namespace quorbel
