#include "windows/WindowRegistry.h"

#include "report/Report.h"
#include "windows/LessonsWindowModel.h"
#include "windows/MainWindowModel.h"

namespace quorbel {

namespace {

template <auto table>
std::vector<ControlIndexEntry> IndexOf() {
    return IndexOfTable(table());
}

template <HelpPageKind kind>
std::vector<ControlIndexEntry> HelpIndex() {
    return IndexOfTable(HelpWindowTable(kind));
}

}  // namespace

const std::vector<WindowEntry>& WindowRegistry() {
    using M = MainWindowModel;
    static const std::vector<WindowEntry> windows = {
        {"Form1", MainWindowInitialView, IndexOf<MainWindowTable>,
         [](M& main) -> Window& { return main; }},
        {"Form3", [] { return HelpWindowInitialView(HelpPageKind::Nyquist); },
         HelpIndex<HelpPageKind::Nyquist>, [](M& main) -> Window& { return main.NyquistHelp(); }},
        {"Form4", InverseWindowInitialView, IndexOf<InverseWindowTable>,
         [](M& main) -> Window& { return main.InverseResults(); }, kForm4Width, kForm4Height},
        {"Form5", ReportWindowInitialView, IndexOf<ReportWindowTable>,
         [](M& main) -> Window& { return main.Report(); }, kReportWidth, kReportHeight},
        {"Form6", RawFileInitialView, IndexOf<RawFileTable>,
         [](M& main) -> Window& { return main.RawFile(); }, kForm6Width, kForm6Height},
        {"Form7", [] { return HelpWindowInitialView(HelpPageKind::Phase); },
         HelpIndex<HelpPageKind::Phase>, [](M& main) -> Window& { return main.PhaseHelp(); }},
        {"Form8", BitmapWindowInitialView, IndexOf<BitmapWindowTable>,
         [](M& main) -> Window& { return main.Bitmap(); }, kBitmapOuterWidth, kBitmapOuterHeight},
        {"Form2", OpeningParamsInitialView, IndexOf<OpeningParamsTable>,
         [](M& main) -> Window& { return main.OpeningParams(); }},
        {"frmAbout", AboutWindowInitialView, IndexOf<AboutWindowTable>,
         [](M& main) -> Window& { return main.About(); }},
        {"frmSplash", SplashWindowInitialView, IndexOf<SplashWindowTable>,
         [](M& main) -> Window& { return main.Splash(); }},
        {"FormSpectrogram", SpectrogramWindowInitialView, IndexOf<SpectrogramWindowTable>,
         [](M& main) -> Window& { return main.RawFile().Spectrogram(); }},
        {"FormLessons", LessonsWindowInitialView, IndexOf<LessonsWindowTable>,
         [](M& main) -> Window& { return main.Lessons(); }},
        {"FormNmr", NmrWindowInitialView, IndexOf<NmrWindowTable>,
         [](M& main) -> Window& { return main.Nmr(); }},
        {"FormTopics", HelpTopicsInitialView, IndexOf<HelpTopicsTable>,
         [](M& main) -> Window& { return main.HelpTopicsWindow(); }},
    };
    return windows;
}

std::span<const WindowEntry> SecondaryWindows() {
    return std::span(WindowRegistry()).subspan(1);
}

const WindowEntry* FindWindowEntry(const std::string& name) {
    for (const WindowEntry& entry : WindowRegistry())
        if (entry.name == name) return &entry;
    return nullptr;
}

}  // namespace quorbel
