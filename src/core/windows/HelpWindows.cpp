#include "windows/HelpWindows.h"

#include "platform/SystemInfo.h"
#include "windows/ControlRows.h"

namespace quorbel {

namespace {

using K = ControlKind;

const char* const kProduct = "FFT Quorbel";
constexpr int kMajor = 1, kMinor = 0;

}  // namespace

// --- help pages

HelpWindowModel::HelpWindowModel(const HelpPage& page, Surface* picture,
                                 std::function<void()> example, std::function<void()> reset)
    : TableWindow(example
                      ? ViewOfRows("FFT Quorbel - Help", {{"Command1", K::Button, "", "Example"},
                                                          {"Command2", K::Button, "", "Reset"}})
                      : ViewOfRows("FFT Quorbel - Help", {})),
      page_(page),
      picture_(picture),
      example_(std::move(example)),
      reset_(std::move(reset)) {}

const std::map<std::string, Behaviour<HelpWindowModel>>& HelpWindowModel::Behaviours() {
    using M = HelpWindowModel;
    static const std::map<std::string, Behaviour<M>> rows = {
        {"Command1", {.click = Do(&M::Command1_Click)}},
        {"Command2", {.click = Do(&M::Command2_Click)}},
    };
    return rows;
}

void HelpWindowModel::Show() {
    if (picture_ && !drawn_) DrawHelpPage(*picture_, page_);
    drawn_ = true;
    view_.shown = true;
    view_.minimized = false;
    ++view_.raised;
}

void HelpWindowModel::Command1_Click() {
    if (example_) example_();
}

void HelpWindowModel::Command2_Click() {
    if (reset_) reset_();
}

// --- about

AboutWindowModel::AboutWindowModel(Platform& platform)
    : TableWindow(ViewOfRows(
          "", {{"picIcon", K::Label, "", ""},
               {"lblTitle", K::Label, "", ""},
               {"lblVersion", K::Label, "", ""},
               {"lblDescription", K::Label, "",
                "The objective of this program is to help the Chemistry student to understand "
                "some practical aspects of the application of the Fourier Transform to the "
                "analysis of spectroscopic data and of several simple and complex periodic "
                "functions. Many different periodic functions can be generated and then "
                "analysed."},
               {"lblDisclaimer", K::Label, "",
                "This program was made in 1998 exclusively for didactic purposes, as a "
                "teaching aid for Chemistry students."},
               {"cmdOK", K::Button, "", "OK"},
               {"cmdSysInfo", K::Button, "", "&System Info..."}})),
      platform_(platform) {}

const std::map<std::string, Behaviour<AboutWindowModel>>& AboutWindowModel::Behaviours() {
    using M = AboutWindowModel;
    static const std::map<std::string, Behaviour<M>> rows = {
        {"cmdOK", {.click = Do(&M::cmdOK_Click)}},
        {"cmdSysInfo", {.click = Do(&M::cmdSysInfo_Click)}},
    };
    return rows;
}

void AboutWindowModel::Form_Load() {
    view_.caption = std::string("About  ") + kProduct;
    view_["lblVersion"].caption =
        "Version " + std::to_string(kMajor) + "." + std::to_string(kMinor) + "  (1998)";
    view_["lblTitle"].caption = kProduct;
}

void AboutWindowModel::Show() {
    if (!view_.shown) Form_Load();
    view_.shown = true;
    ++view_.raised;
}

void AboutWindowModel::cmdSysInfo_Click() {
    const std::optional<std::filesystem::path> tool = FindSystemInfoTool();
    if (tool && platform_.StartProgram(tool->string())) return;
    platform_.MessageBox("System Information Is Unavailable At This Time");
}

// --- splash

SplashWindowModel::SplashWindowModel()
    : TableWindow(ViewOfRows(
          "", {{"Frame1", K::Frame, "", ""},
               {"imgLogo", K::Label, "Frame1", "FFT"},
               {"Image1", K::Label, "Frame1", ""},
               {"lblProductName", K::Label, "Frame1", kProduct},
               {"lblPlatform", K::Label, "Frame1", "Windows95"},
               {"lblVersion", K::Label, "Frame1", "Version 1.0"},
               {"lblWarning", K::Label, "Frame1",
                " Warning: Do not use on Fridays after 4 PM (THE WEEKEND IS FOR RESTING)"}})) {}

const std::map<std::string, Behaviour<SplashWindowModel>>& SplashWindowModel::Behaviours() {
    using M = SplashWindowModel;
    static const std::map<std::string, Behaviour<M>> rows = {
        {"frmSplash", {.click = Do(&M::Form_Click)}},
        {"Frame1", {.click = Do(&M::Form_Click)}},
        {"Image1", {.click = Do(&M::Form_Click)}},
        {"imgLogo", {.click = Do(&M::Form_Click)}},
    };
    return rows;
}

void SplashWindowModel::Form_Load() {
    ControlState& frame = view_["Frame1"];
    frame.width = kSplashWidth - 360;
    frame.height = kSplashHeight - 280;
    frame.left = 140;
    frame.top = 80;
}

void SplashWindowModel::ShowForViewing() {
    timerEnabled_ = false;
    if (!view_.shown) Form_Load();
    view_.shown = true;
    ++view_.raised;
}

}  // namespace quorbel
