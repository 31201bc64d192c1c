#include "windows/ReportWindowModel.h"

#include "platform/Translation.h"
#include "windows/ControlIndex.h"
#include "windows/ControlTable.h"

namespace quorbel {

namespace {

using K = ControlKind;
using M = ReportWindowModel;

// The report's lines as they are read aloud: the blanks and empty lines that put its
// items in columns and sections say nothing, so each run of blanks becomes one, none
// ends a line, and empty lines are left out.
std::string SpokenLines(const std::string& text) {
    std::string spoken;
    for (const char c : text) {
        const char last = spoken.empty() ? '\n' : spoken.back();
        if (c == ' ' && (last == ' ' || last == '\n')) continue;
        if (c == '\n' && last == '\n') continue;
        if (c == '\n' && last == ' ')
            spoken.back() = '\n';
        else
            spoken += c;
    }
    return spoken;
}

}  // namespace

// The report is written on the window itself; its button stands in the strip below.
const ControlTable<M>& M::Table() {
    static const ControlTable<M> table = {
        "Form5",
        "FFT Quorbel - Report",
        kReportWidth,
        kReportClientHeight,
        {.unload = HANDLER(M, Form_Unload), .keyPress = HANDLER(M, Form_KeyPress)},
        {{"cmdClose",
          K::Button,
          "",
          "Close",
          "",
          {.click = HANDLER(M, cmdClose_Click)},
          kPlain,
          {kReportWidth - 1320, kReportHeight + 120, 1200, 360}}}};
    return table;
}

ViewState ReportWindowInitialView() {
    return ViewOfTable(M::Table());
}

ReportWindowModel::ReportWindowModel(Surface& form5) : TableWindow(Table()), form5_(form5) {}

void ReportWindowModel::Write(const ReportInput& input) {
    WriteReport(form5_, input);
    spoken_ = SpokenLines(ReportPlainText(input));
}

void ReportWindowModel::Show() {
    view_.shown = true;
    ++view_.raised;
}

Description ReportWindowModel::Describe(const std::string& control) const {
    if (control != view_.name) return {};
    return {Translate("Report", "Report"), spoken_};
}

void ReportWindowModel::Form_Unload() {
    view_.shown = false;
}

void ReportWindowModel::Form_KeyPress(int key, int /*shift*/) {
    if (key == kKeyEscape) Form_Unload();
}

void ReportWindowModel::cmdClose_Click() {
    Form_Unload();
}

const ControlTable<ReportWindowModel>& ReportWindowTable() {
    return ReportWindowModel::Table();
}

}  // namespace quorbel
