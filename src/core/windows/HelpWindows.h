#pragma once
// The help and about windows the main window opens: the two help pages ("FFT Quorbel
// - Help"; the phase page with its "Example" and "Reset" buttons), the about window
// with its system-information button, and the splash window shown for viewing.
#include <functional>
#include <map>
#include <string>

#include "platform/Platform.h"
#include "surface/Surface.h"
#include "windows/HelpPages.h"
#include "windows/Window.h"

namespace quorbel {

// The pictures of the help pages, and the splash window's client area, twips.
inline constexpr double kNyquistPageWidth = 9885, kNyquistPageHeight = 4140;
inline constexpr double kPhasePageWidth = 10005, kPhasePageHeight = 8595;
inline constexpr double kSplashWidth = 7380, kSplashHeight = 4245;
// The column of the phase page's buttons, left of its picture.
inline constexpr double kPhaseButtonsWidth = 1560;

enum class HelpPageKind { Nyquist, Phase };

// The control tables of the windows below, with their state when they are loaded.
// A help page's text is set on its picture Picture1.
ViewState HelpWindowInitialView(HelpPageKind kind);
ViewState AboutWindowInitialView();
ViewState SplashWindowInitialView();

// A help page: the text set on its picture, and for the phase page the buttons
// "Example" (Command1) and "Reset" (Command2), whose actions belong to the main window.
// The Nyquist page has no buttons and answers no button.
class HelpWindowModel : public TableWindow<HelpWindowModel> {
  public:
    HelpWindowModel(HelpPageKind kind, Surface* picture, std::function<void()> example = {},
                    std::function<void()> reset = {});
    // The control table: besides the window itself, the one place that names its
    // handlers. Drivers reach them through Fire, which checks the control is reachable.
    static const ControlTable<HelpWindowModel>& Table(HelpPageKind kind);

    // Shows the window in its normal state (neither minimised nor maximised), setting
    // the page on first use.
    void Show();
    void Minimize() { view_.minimized = true; }
    void Hide() { view_.shown = false; }
    void SetPointer(int pointer) { view_.mousePointer = pointer; }

  private:
    void Form_Unload() { view_.shown = false; }
    void Command1_Click();  // "Example"
    void Command2_Click();  // "Reset"

    const HelpPage& page_;
    Surface* picture_;
    bool drawn_ = false;
    std::function<void()> example_;
    std::function<void()> reset_;
};

class AboutWindowModel : public TableWindow<AboutWindowModel> {
  public:
    explicit AboutWindowModel(Platform& platform);
    // The control table: besides the window itself, the one place that names its
    // handlers. Drivers reach them through Fire, which checks the control is reachable.
    static const ControlTable<AboutWindowModel>& Table();

    void Form_Load();
    void Show();

  private:
    void Form_Unload() { view_.shown = false; }
    void cmdOK_Click() { Form_Unload(); }
    void cmdSysInfo_Click();  // "System Info...": starts the system information tool

    Platform& platform_;
};

class SplashWindowModel : public TableWindow<SplashWindowModel> {
  public:
    SplashWindowModel();
    // The control table: besides the window itself, the one place that names its
    // handlers. Drivers reach them through Fire, which checks the control is reachable.
    static const ControlTable<SplashWindowModel>& Table();

    // Shows the splash for viewing: its timer is switched off first, so it stays until
    // the user closes it.
    void ShowForViewing();
    // Sizes the frame to the window.
    void Form_Load();
    bool TimerEnabled() const { return timerEnabled_; }

  private:
    void Form_Unload() { view_.shown = false; }
    void Form_Click() { Form_Unload(); }
    void Form_KeyPress() { Form_Unload(); }

    bool timerEnabled_ = true;
};

}  // namespace quorbel
