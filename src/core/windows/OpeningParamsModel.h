#pragma once
// The opening-parameters dialog ("FFT Quorbel - Opening Parameters"): the total number
// of points, the cycles per second and the ten wave rows a, b, phase that the program
// loads when it starts. It reads the opening-parameters file when it opens, writes it
// in the eleven-line layout on "Save", and with "Effective now" also restarts the main
// window from it.
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "platform/Platform.h"
#include "state/ParamFile.h"
#include "windows/Window.h"

namespace quorbel {

// The dialog's client area, twips.
inline constexpr double kOpeningParamsWidth = 6840, kOpeningParamsHeight = 6060;

// The dialog's control table with its state when it is loaded.
ViewState OpeningParamsInitialView();

class OpeningParamsModel : public TableWindow<OpeningParamsModel> {
  public:
    // restartMain runs the main window's start-up sequence.
    OpeningParamsModel(Platform& platform, const ParamFile& file,
                       std::function<void()> restartMain);
    // The control table: besides the window itself, the one place that names its
    // handlers. Drivers reach them through Fire, which checks the control is reachable.
    static const ControlTable<OpeningParamsModel>& Table();

    // Text6 (points), Text2 (cycles), Text3(i)/Text4(i)/Text5(i) (a, b, phase of row i)
    // as file positions 0..31.
    const std::string& FieldText(int position) const;
    void SetFieldText(int position, const std::string& text);

    // Opening: fills the fields from the file; a file that cannot be read leaves them
    // as they were and says why.
    void Form_Load();
    void Show();

  private:
    void Form_Unload();
    void Command1_Click();  // "Save"
    void Command2_Click();  // "Cancel"
    void Command3_Click();  // "Effective now"
    void mnuSaveItem_Click() { Command1_Click(); }
    void mnuExitItem_Click() { Command2_Click(); }
    void mnuHelp_Click();  // shows the help text
    void Form_Click();     // the background or the help text: hides the help text

    // The fields converted for writing; nullopt, after a message naming the field, when
    // the file's reader would not take one, or, after a message on the range, when the
    // start-up could not compute the record.
    std::optional<ParamRows> Converted();
    bool Save();
    // Shows the hint beside the points field (Label7) while the field holds a number of
    // points that the transform of calculated waves does not take.
    void ShowPointsHint();

    Platform& platform_;
    const ParamFile& file_;
    std::function<void()> restartMain_;
    ParamRecord fields_;
};

}  // namespace quorbel
