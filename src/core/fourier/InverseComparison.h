#pragma once
// The comparison of a function with the function recovered from its transform: the
// extreme values, the largest absolute and relative differences, the table of both
// functions and their two graphs, as the inverse-results window shows them.
#include <optional>
#include <string>
#include <vector>

#include "state/DataList.h"
#include "surface/Surface.h"

namespace quorbel {

// The working arrays of the comparison hold points 1..32768.
inline constexpr int kMaxInversePoints = 32768;

struct InverseComparison {
    int N = 0;
    std::vector<double> orig;  // orig[j - 1] is point j, read from sampleList line j
    std::vector<double> rec;   // inverseList line j divided by N/2
    // Each maximum starts at 0 and each minimum at 0, so maxOrig >= 0 >= minOrig.
    double maxOrig = 0, minOrig = 0, maxRevert = 0, minRevert = 0;
    double maxError = 0;  // largest |orig - rec|
    // 100 * maxError / maxOrig, in percent; nothing when maxOrig is 0.
    std::optional<double> RelativeError() const;
};

// Reads points 1..N of both lists by their number text. inverseList holds N/2 times
// the samples (the inverse real-data transform is not normalised).
InverseComparison CompareInverse(const DataList& sampleList, const DataList& inverseList, int N);

// The figures printed above the table, one per line: the label followed by the value
// ("maxOrig=", ...), an empty line, "Maximum error=" and "Maximum relative error="
// (value and "%", or "undefined" when maxOrig is 0). `value` empty for the empty line.
struct InverseFigureLine {
    std::string label;
    std::optional<double> value;
    std::string suffix;
};
std::vector<InverseFigureLine> InverseFigureLines(const InverseComparison& c);
// A figure line as plain text: the label, the value's number text, the suffix.
std::string FigureLineText(const InverseFigureLine& line);

// One row of the table from the number texts of the original value a and the
// recovered value b: b starts in column 27 when a has at most 25 characters,
// otherwise after a single blank.
std::string InverseTableRow(const std::string& a, const std::string& b);

// The graph frame on the window, in twips.
struct InverseFrame {
    double left = 4560, top = 480, width = 7095, height = 6255;
};

// Clears `form4` and prints the figures and the table heading, then draws both
// functions in the frame: the original in dark red on the baseline at 3/4 of the
// frame (maxOrig reaches the middle), the recovered one in dark green on the baseline
// at 1/4 (maxRevert reaches the top). A maximum of 0 draws its function on the
// baseline.
void DrawInverseResults(Surface& form4, const InverseComparison& c, const InverseFrame& frame);

}  // namespace quorbel
