#include "windows/InverseWindowModel.h"

#include "state/NumberText.h"

namespace quorbel {

ViewState InverseWindowInitialView() {
    ViewState view;
    view.caption = "FFT Quorbel - Results of the inverse calculation";
    struct Row {
        const char* name;
        ControlKind kind;
        const char* caption;
        double left, top, width, height;
    };
    // Label1 is an empty frame that marks the area of the two graphs.
    const Row rows[] = {
        {"List1", ControlKind::ListBox, "", 120, 2280, 4215, 4350},
        {"Label2", ControlKind::Label, "Recovered Function", 4800, 0, 2415, 375},
        {"Label1", ControlKind::Label, "", 4560, 480, 7095, 6255},
        {"Label3", ControlKind::Label, "Original Function", 4800, 6840, 2415, 375},
    };
    for (const Row& row : rows) {
        ControlState c;
        c.kind = row.kind;
        c.caption = row.caption;
        c.left = row.left, c.top = row.top, c.width = row.width, c.height = row.height;
        view.controls.emplace(row.name, c);
        view.order.push_back(row.name);
    }
    return view;
}

InverseWindowModel::InverseWindowModel(Surface& form4)
    : TableWindow(InverseWindowInitialView()), form4_(form4) {}

const std::map<std::string, Behaviour<InverseWindowModel>>& InverseWindowModel::Behaviours() {
    static const std::map<std::string, Behaviour<InverseWindowModel>> none;
    return none;
}

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

}  // namespace quorbel
