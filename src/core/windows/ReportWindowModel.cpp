#include "windows/ReportWindowModel.h"

#include "report/Report.h"
#include "windows/ControlIndex.h"
#include "windows/ControlTable.h"

namespace quorbel {

namespace {

using M = ReportWindowModel;

}  // namespace

// A window without controls: the report is written on the window itself.
const ControlTable<M>& M::Table() {
    static const ControlTable<M> table = {"Form5",
                                          "FFT Quorbel - Report",
                                          kReportWidth,
                                          kReportHeight,
                                          {.unload = HANDLER(M, Form_Unload)},
                                          {}};
    return table;
}

ViewState ReportWindowInitialView() {
    return ViewOfTable(M::Table());
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
    return ReportWindowModel::Table();
}

}  // namespace quorbel
