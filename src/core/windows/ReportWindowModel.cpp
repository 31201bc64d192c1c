#include "windows/ReportWindowModel.h"

#include "report/Report.h"
#include "windows/ControlIndex.h"
#include "windows/ControlTable.h"

namespace quorbel {

namespace {

using M = ReportWindowModel;

// A window without controls: the report is written on the window itself.
const ControlTable<M>& Table() {
    static const ControlTable<M> table = {"Form5",
                                          "FFT Quorbel - Report",
                                          kReportWidth,
                                          kReportHeight,
                                          {.unload = HANDLER(M, Form_Unload)},
                                          {}};
    return table;
}

}  // namespace

ViewState ReportWindowInitialView() {
    return ViewOfTable(Table());
}

ReportWindowModel::ReportWindowModel(Surface& form5) : TableWindow(Table()), form5_(form5) {}

void ReportWindowModel::Show() {
    view_.shown = true;
    ++view_.raised;
}

void ReportWindowModel::Form_Unload() {
    view_.shown = false;
}

const ControlTable<ReportWindowModel>& ReportWindowTable() {
    return Table();
}

}  // namespace quorbel
