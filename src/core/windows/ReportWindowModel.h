#pragma once
// The report window ("FFT Quorbel - Report"): a window whose client area is a
// persistent drawing surface, with a "Close" button below it. The main window's
// "Report" writes into it and shows it; it stays open, not modal, until the user closes
// it (its close box, its button or Escape), and it repaints what was written after
// being covered. The report's picture is kReportWidth x kReportHeight twips
// (report/Report.h); the button stands in a strip under it, so it covers nothing of it.
#include <map>
#include <string>

#include "report/Report.h"
#include "surface/Surface.h"
#include "windows/Window.h"

namespace quorbel {

// The strip under the report that holds the button, and the whole client area, twips.
inline constexpr double kReportButtonStrip = 600;
inline constexpr double kReportClientHeight = kReportHeight + kReportButtonStrip;

// The window's caption, size and control table, for the views built before it.
ViewState ReportWindowInitialView();

class ReportWindowModel : public TableWindow<ReportWindowModel> {
  public:
    explicit ReportWindowModel(Surface& form5);
    // The control table: besides the window itself, the one place that names its
    // handlers. Drivers reach them through Fire, which checks the control is reachable.
    static const ControlTable<ReportWindowModel>& Table();

    Surface& Form5() { return form5_; }

    // Clears the picture and writes the report of `input` on it; the words a screen
    // reader says of the window follow.
    void Write(const ReportInput& input);
    // Shows the window (modeless) and brings it to the front.
    void Show();

    // The window itself ("Form5"): "Report", and the report's text, line by line.
    Description Describe(const std::string& control) const override;

  private:
    // The user closed it; the next report shows it again.
    void Form_Unload();
    void Form_KeyPress(int key, int shift);  // Escape closes the window
    void cmdClose_Click();                   // "Close"

    Surface& form5_;
    std::string spoken_;  // the report's text as it is read aloud
};

}  // namespace quorbel
