#pragma once
// The report window ("FFT Quorbel - Report"): a window without controls whose client
// area is a persistent drawing surface. The main window's "Report" writes into it and
// shows it; it stays open, not modal, until the user closes it, and it repaints what
// was written after being covered. Its client area is kReportWidth x kReportHeight
// twips (report/Report.h).
#include <map>
#include <string>

#include "surface/Surface.h"
#include "windows/Window.h"

namespace quorbel {

// The window's caption, size and (empty) control table, for the views built before it.
ViewState ReportWindowInitialView();

class ReportWindowModel : public TableWindow<ReportWindowModel> {
  public:
    explicit ReportWindowModel(Surface& form5);
    // The control table: besides the window itself, the one place that names its
    // handlers. Drivers reach them through Fire, which checks the control is reachable.
    static const ControlTable<ReportWindowModel>& Table();

    Surface& Form5() { return form5_; }

    // Shows the window (modeless) and brings it to the front.
    void Show();

  private:
    // The user closed it; the next report shows it again.
    void Form_Unload();

    Surface& form5_;
};

}  // namespace quorbel
