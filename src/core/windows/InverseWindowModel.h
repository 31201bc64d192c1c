#pragma once
// The inverse-results window ("FFT Quorbel - Results of the inverse calculation"):
// figures and the two graphs printed on the window itself, the table of both
// functions in List1. The main window's "Inverse" fills and shows it; activating the
// main window hides it. Each run replaces the table's rows with its own points.
// Client area kForm4Width x kForm4Height twips.
#include <map>
#include <string>

#include "fourier/InverseComparison.h"
#include "surface/Surface.h"
#include "windows/Window.h"

namespace quorbel {

inline constexpr double kForm4Width = 11775, kForm4Height = 7320;

// The window's control table with its state when the window is loaded.
ViewState InverseWindowInitialView();

class InverseWindowModel : public TableWindow<InverseWindowModel> {
  public:
    explicit InverseWindowModel(Surface& form4);
    // The control table: besides the window itself, the one place that names its
    // handlers. Drivers reach them through Fire, which checks the control is reachable.
    static const ControlTable<InverseWindowModel>& Table();

    Surface& Form4() { return form4_; }

    // Shows the window (modeless), loading it first when it is not loaded.
    void Show();
    void Hide() { view_.shown = false; }
    void SetPointer(int pointer) { view_.mousePointer = pointer; }

    // Prints the figures, draws the graphs and fills the table with the N rows of
    // this comparison.
    void ShowResults(const InverseComparison& comparison);
    const std::vector<std::string>& Rows() const { return view_["List1"].items; }
    // The figures of the last run as plain text, one per printed line.
    const std::vector<std::string>& FigureTexts() const { return figures_; }

  private:
    // The user closed it: the next Show loads it anew, with an empty table.
    void Form_Unload();

    Surface& form4_;
    bool loaded_ = false;
    std::vector<std::string> figures_;
};

}  // namespace quorbel
