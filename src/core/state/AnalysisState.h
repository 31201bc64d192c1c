#pragma once
// The analysis state of the main window: parameter fields, data lists and mode
// codes, all held as text as the user and the lists see them. Writes to the fields
// and to plotState go through setters so that two rules live in one place:
//  - any change of the text of cyclesPerSecond, a wave-table cell, windowPoints or
//    simplePhase (typed or written by the program) sets plotState to "1";
//  - a change of plotState's text is announced to the owner (the main window turns
//    it into spectrumMode "-1" while "Both, separately" is selected).
#include <array>
#include <functional>
#include <string>

#include "state/DataList.h"

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

// Where the samples come from, as the dataSource code says: "0" calculated waves,
// "2" a raw or sound file; any other text names neither.
enum class DataSource { Calculated = 0, RawFile = 2, Unknown = -1 };

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

    // Mode codes, as text; readers compare their numeric value.
    std::string dataSource = "0";      // 0 calculated waves, 2 raw-file data
    std::string returnMode = "9";      // 9 nothing pending; 1, 6, 11, 16 restore a kind
    std::string spectrumMode;          // 8 rho, 1 imaginary, 2 real, 3 real/global, -1 none
    std::string plotStyle = "Label2";  // "points", or anything else for a line
    std::string rawFileName;
    std::string tuningSteps = "0";  // tenths of a semitone, -10..10
    std::string expansionPrompt;
    std::string expansionClickCount = "0";
    std::string expansionFirstPoint;

  private:
    std::string& Slot(Field field, int row);

    std::string totalPoints_, windowPoints_, dataExtensionSeconds_ = "1", windowSeconds_ = "1",
                                             cyclesPerSecond_, simplePhase_ = "0";
    std::array<std::string, kTableRows> amplitudeA_, multiplierB_, phasePhi_;
    std::string plotState_ = "29-Relat";
};

}  // namespace quorbel
