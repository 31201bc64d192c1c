// Every window model, started from fuzzed opening parameters and driven through the
// control tables by a fuzzed sequence of events and typed texts. A fuzzed sound file
// answers the raw file window's "Open", so its reading, selection and transfer
// arithmetic run on any bytes. Whatever happens, nothing may crash, and the lists the
// graphs are drawn from must keep their layout.
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "FuzzFolder.h"
#include "RecordingPlatform.h"
#include "report/Report.h"
#include "surface/RecordingSurface.h"
#include "windows/MainWindowModel.h"
#include "windows/WindowRegistry.h"

namespace {

namespace fs = std::filesystem;
using namespace quorbel;
using fuzz::Folder;

void Write(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

void CheckLayout(const MainWindowModel& window) {
    const AnalysisState& state = window.State();
    for (const DataList* list : {&state.graphValueList, &state.displayedValueList})
        if (!list->Empty() && list->Count() != list->Whole(0) + 3) std::abort();
    if (!state.sampleList.Empty() && state.sampleList.Count() != state.sampleList.Whole(0) + 2)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const fs::path params = Folder() / "Zparamfile.wr";
    const fs::path sound = Folder() / "sound.raw";
    Write(params, input.ConsumeRandomLengthString(1200));
    Write(sound, input.ConsumeRandomLengthString(40000));

    RecordingPlatform platform;
    for (int i = 0; i < 4; ++i) platform.openAnswers.push_back(sound.string());
    RecordingSurface picture1{kPicture1Width, kPicture1Height};
    RecordingSurface picture2{kPicture2Width, kPicture2Height};
    RecordingSurface picture8{kHalfGraphWidth, kHalfGraphHeight};
    RecordingSurface picture9{kHalfGraphWidth, kHalfGraphHeight};
    RecordingSurface form5{kReportWidth, kReportHeight};
    RecordingSurface picture5{30000, 5000};
    MainWindowModel main(
        platform, ParamFile(params),
        MainWindowSurfaces{picture1, picture2, picture8, picture9, form5, &picture5});
    if (!main.Form_Load()) return 0;

    const std::vector<WindowEntry>& windows = WindowRegistry();
    for (int step = 0; step < 48 && input.remaining_bytes() > 0; ++step) {
        Window& window =
            windows[input.ConsumeIntegralInRange<size_t>(0, windows.size() - 1)].model(main);
        const std::vector<std::string> controls = window.BoundControls();
        if (controls.empty()) continue;
        const std::string& control =
            controls[input.ConsumeIntegralInRange<size_t>(0, controls.size() - 1)];
        const EventArgs args{.button = input.ConsumeIntegralInRange<int>(0, 7),
                             .shift = input.ConsumeIntegralInRange<int>(0, 7),
                             .x = input.ConsumeFloatingPointInRange<double>(-1e5, 1e5),
                             .y = input.ConsumeFloatingPointInRange<double>(-1e5, 1e5),
                             .value = input.ConsumeIntegral<int>()};
        switch (input.ConsumeIntegralInRange<int>(0, 6)) {
            case 0:
                window.Type(control, input.ConsumeRandomLengthString(48));
                break;
            case 1:
                window.Fire(control, Event::MouseDown, args);
                break;
            case 2:
                window.Fire(control, Event::MouseMove, args);
                break;
            case 3:
                window.Fire(control, Event::MouseUp, args);
                break;
            case 4:
                window.Fire(control, Event::Change, args);
                break;
            case 5:
                main.Form_Activate();
                break;
            default:
                window.Fire(control, Event::Click, args);
                break;
        }
        CheckLayout(main);
    }
    return 0;
}
