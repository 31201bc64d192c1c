#include "windows/ReportWindowModel.h"

namespace quorbel {

ViewState ReportWindowInitialView() {
    ViewState view;
    view.caption = "FFT Quorbel - Report";
    return view;
}

ReportWindowModel::ReportWindowModel(Surface& form5)
    : TableWindow(ReportWindowInitialView()), form5_(form5) {}

const std::map<std::string, Behaviour<ReportWindowModel>>& ReportWindowModel::Behaviours() {
    static const std::map<std::string, Behaviour<ReportWindowModel>> none;
    return none;
}

void ReportWindowModel::Show() {
    view_.shown = true;
    ++view_.raised;
}

void ReportWindowModel::Form_Unload() {
    view_.shown = false;
}

}  // namespace quorbel
