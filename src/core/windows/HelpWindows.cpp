#include "windows/HelpWindows.h"

#include "platform/SystemInfo.h"
#include "platform/Translation.h"
#include "windows/ControlIndex.h"
#include "windows/ControlTable.h"

namespace quorbel {

namespace {

using K = ControlKind;

const char* const kProduct = "FFT Quorbel";
constexpr int kMajor = 1, kMinor = 0;

}  // namespace

// --- help pages

namespace {

using H = HelpWindowModel;

}  // namespace

const ControlTable<H>& H::Table(HelpPageKind kind) {
    static const ControlTable<H> nyquist = {"Form3",
                                            "FFT Quorbel - Help",
                                            kNyquistPageWidth,
                                            kNyquistPageHeight,
                                            {.unload = HANDLER(H, Form_Unload)},
                                            {{"Picture1",
                                              K::Picture,
                                              "",
                                              "",
                                              "",
                                              {},
                                              kPlain,
                                              {0, 0, kNyquistPageWidth, kNyquistPageHeight}}}};
    // The phase page's buttons stand on the left of its text.
    static const ControlTable<H> phase = {
        "Form7",
        "FFT Quorbel - Help",
        kPhaseButtonsWidth + kPhasePageWidth,
        kPhasePageHeight,
        {.unload = HANDLER(H, Form_Unload)},
        {
            {"Command1",
             K::Button,
             "",
             "Example",
             "",
             {.click = HANDLER(H, Command1_Click)},
             kPlain,
             {120, 120, kPhaseButtonsWidth - 240, 360}},
            {"Command2",
             K::Button,
             "",
             "Reset",
             "",
             {.click = HANDLER(H, Command2_Click)},
             kPlain,
             {120, 600, kPhaseButtonsWidth - 240, 360}},
            {"Picture1",
             K::Picture,
             "",
             "",
             "",
             {},
             kPlain,
             {kPhaseButtonsWidth, 0, kPhasePageWidth, kPhasePageHeight}},
        }};
    return kind == HelpPageKind::Phase ? phase : nyquist;
}

ViewState HelpWindowInitialView(HelpPageKind kind) {
    return ViewOfTable(H::Table(kind));
}

HelpWindowModel::HelpWindowModel(HelpPageKind kind, Surface* picture, std::function<void()> example,
                                 std::function<void()> reset)
    : TableWindow(H::Table(kind)),
      page_(kind == HelpPageKind::Phase ? PhasePage() : NyquistPage()),
      picture_(picture),
      example_(std::move(example)),
      reset_(std::move(reset)) {}

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

namespace {

using A = AboutWindowModel;

}  // namespace

// The about window: the program's picture, title and version at the top, the
// description between two separator lines, the credit and the buttons below.
const ControlTable<A>& A::Table() {
    static const ControlTable<A> table = {
        "frmAbout",
        "",
        5880,
        3960,
        {.unload = HANDLER(A, Form_Unload)},
        {
            {"picIcon",
             K::Label,
             "",
             "",
             "",
             {},
             kPlain,
             {240, 240, 720, 720},
             {.picture = "program"}},
            {"lblTitle",
             K::Label,
             "",
             "",
             "",
             {},
             kPlain,
             {1200, 240, 4440, 420},
             {.font = FontState{"MS Sans Serif", 12, true, false}}},
            {"lblVersion", K::Label, "", "", "", {}, kPlain, {1200, 705, 4440, 255}},
            {"Line1", K::Label, "", "", "", {}, kRule, {240, 1080, 5400, 30}},
            {"lblDescription",
             K::Label,
             "",
             "The objective of this program is to help the Chemistry student to understand "
             "some practical aspects of the application of the Fourier Transform to the "
             "analysis of spectroscopic data and of several simple and complex periodic "
             "functions. Many different periodic functions can be generated and then "
             "analysed.",
             "",
             {},
             kPlain,
             {240, 1200, 5400, 1140}},
            {"Line2", K::Label, "", "", "", {}, kRule, {240, 2460, 5400, 30}},
            {"lblDisclaimer",
             K::Label,
             "",
             "This program was made in 1998 exclusively for didactic purposes, as a "
             "teaching aid for Chemistry students.",
             "",
             {},
             kPlain,
             {240, 2640, 3600, 900}},
            {"cmdOK",
             K::Button,
             "",
             "OK",
             "",
             {.click = HANDLER(A, cmdOK_Click)},
             kPlain,
             {4080, 2640, 1560, 360}},
            {"cmdSysInfo",
             K::Button,
             "",
             "&System Info...",
             "",
             {.click = HANDLER(A, cmdSysInfo_Click)},
             kPlain,
             {4080, 3120, 1560, 360}},
        }};
    return table;
}

ViewState AboutWindowInitialView() {
    return ViewOfTable(A::Table());
}

AboutWindowModel::AboutWindowModel(Platform& platform)
    : TableWindow(A::Table()), platform_(platform) {}

void AboutWindowModel::Form_Load() {
    // Put together here, so translated here; the view finds no English text to look up.
    view_.caption = FillIn(Translate("frmAbout", "About  %1"), {kProduct});
    view_["lblVersion"].caption = FillIn(Translate("frmAbout", "Version %1.%2  (1998)"),
                                         {std::to_string(kMajor), std::to_string(kMinor)});
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
    platform_.MessageBox(Translate("Messages", "System Information Is Unavailable At This Time"));
}

// --- splash

namespace {

using S = SplashWindowModel;

FontState Arial(double size, bool bold) {
    return {"Arial", size, bold, false};
}

}  // namespace

// A click anywhere closes the splash, and so does a key.
const ControlTable<S>& S::Table() {
    static const ControlTable<S> table = {
        "frmSplash",
        "",
        kSplashWidth,
        kSplashHeight,
        {.click = HANDLER(S, Form_Click),
         .unload = HANDLER(S, Form_Unload),
         .keyPress = HANDLER(S, Form_KeyPress)},
        {
            // Sized to the window when it is loaded.
            {"Frame1",
             K::Frame,
             "",
             "",
             "",
             {.click = HANDLER(S, Form_Click)},
             kPlain,
             {140, 80, kSplashWidth - 360, kSplashHeight - 280}},
            {"imgLogo",
             K::Label,
             "Frame1",
             "FFT",
             "",
             {.click = HANDLER(S, Form_Click)},
             kPlain,
             {240, 240, 2160, 960},
             {.font = Arial(36, true), .fore = Rgb(192, 0, 0)}},
            {"lblProductName",
             K::Label,
             "Frame1",
             kProduct,
             "",
             {},
             kPlain,
             {2640, 240, 4140, 660},
             {.font = Arial(24, true)}},
            {"lblPlatform",
             K::Label,
             "Frame1",
             "Windows95",
             "",
             {},
             kPlain,
             {2640, 960, 4140, 420},
             {.font = Arial(15.75, true)}},
            {"lblVersion",
             K::Label,
             "Frame1",
             "Version 1.0",
             "",
             {},
             kPlain,
             {2640, 1440, 4140, 330},
             {.font = Arial(12, true)}},
            {"Image1",
             K::Label,
             "Frame1",
             "",
             "",
             {.click = HANDLER(S, Form_Click)},
             kPlain,
             {240, 1320, 2160, 1920},
             {.picture = "program"}},
            {"lblWarning",
             K::Label,
             "Frame1",
             " Warning: Do not use on Fridays after 4 PM (THE WEEKEND IS FOR RESTING)",
             "",
             {},
             kPlain,
             {2640, 1920, 4140, 1320},
             {.font = Arial(9.75, false)}},
        }};
    return table;
}

ViewState SplashWindowInitialView() {
    return ViewOfTable(S::Table());
}

SplashWindowModel::SplashWindowModel() : TableWindow(S::Table()) {}

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

const ControlTable<HelpWindowModel>& HelpWindowTable(HelpPageKind kind) {
    return HelpWindowModel::Table(kind);
}

const ControlTable<AboutWindowModel>& AboutWindowTable() {
    return AboutWindowModel::Table();
}

const ControlTable<SplashWindowModel>& SplashWindowTable() {
    return SplashWindowModel::Table();
}

}  // namespace quorbel
