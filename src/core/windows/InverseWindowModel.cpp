#include "windows/InverseWindowModel.h"

#include "state/NumberText.h"
#include "windows/ControlIndex.h"
#include "windows/ControlTable.h"

namespace quorbel {

namespace {

using K = ControlKind;
using M = InverseWindowModel;

// The captions of the two graphs: Arial, green for the recovered function and red for
// the original, on white.
Look Caption(Color color) {
    return {.font = FontState{"Arial", 9.75, true, false}, .fore = color, .back = colors::kWhite};
}

}  // namespace

const ControlTable<M>& M::Table() {
    static const ControlTable<M> table = {
        "Form4",
        "FFT Quorbel - Results of the inverse calculation",
        kForm4Width,
        kForm4Height,
        {.unload = HANDLER(M, Form_Unload)},
        {
            {"Label2",
             K::Label,
             "",
             "Recovered Function",
             "",
             {},
             kPlain,
             {4800, 0, 2415, 375},
             Caption(Rgb(0, 128, 0))},
            {"List1", K::ListBox, "", "", "", {}, kPlain, {120, 2280, 4215, 4350}},
            // An empty frame that marks the area of the two graphs.
            {"Label1", K::Label, "", "", "", {}, kBorder, {4560, 480, 7095, 6255}},
            {"Label3",
             K::Label,
             "",
             "Original Function",
             "",
             {},
             kPlain,
             {4800, 6840, 2415, 375},
             Caption(Rgb(255, 0, 0))},
        }};
    return table;
}

ViewState InverseWindowInitialView() {
    return ViewOfTable(M::Table());
}

InverseWindowModel::InverseWindowModel(Surface& form4) : TableWindow(Table()), form4_(form4) {}

void InverseWindowModel::Show() {
    if (!loaded_) {
        view_["List1"].items.clear();
        loaded_ = true;
    }
    view_.shown = true;
    ++view_.raised;
}

void InverseWindowModel::Form_Unload() {
    view_.shown = false;
    loaded_ = false;
}

void InverseWindowModel::ShowResults(const InverseComparison& comparison) {
    const ControlState& frame = view_["Label1"];
    DrawInverseResults(form4_, comparison, {frame.left, frame.top, frame.width, frame.height});
    figures_.clear();
    for (const InverseFigureLine& line : InverseFigureLines(comparison))
        figures_.push_back(FigureLineText(line));
    // The table lists the points of this run only, like the figures and graphs above it.
    std::vector<std::string>& rows = view_["List1"].items;
    rows.clear();
    for (std::size_t j = 0; j < comparison.orig.size(); ++j)
        rows.push_back(
            InverseTableRow(NumberText(comparison.orig[j]), NumberText(comparison.rec[j])));
}

const ControlTable<InverseWindowModel>& InverseWindowTable() {
    return InverseWindowModel::Table();
}

}  // namespace quorbel
