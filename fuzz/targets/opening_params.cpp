// The opening-parameters dialog's fields on any text: fuzzed texts typed into fuzzed
// fields, then "Save". A refusal leaves the file as it was; a saved record holds the
// numbers typed (of the points, the leading number rounded) and is taken unchanged by
// the next start, never set aside.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "FuzzFolder.h"
#include "RecordingPlatform.h"
#include "state/NumberText.h"
#include "surface/RecordingSurface.h"
#include "windows/MainWindowModel.h"

namespace {

namespace fs = std::filesystem;
using namespace quorbel;
using fuzz::Folder;

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void Check(bool holds) {
    if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const fs::path params = Folder() / "Zparamfile.wr";
    const fs::path bad = Folder() / "Zparamfile.wr.bad";
    std::ofstream(params, std::ios::binary | std::ios::trunc) << ParamFile::DefaultRecord();
    fs::remove(bad);

    RecordingPlatform platform;
    RecordingSurface picture1{kPicture1Width, kPicture1Height};
    RecordingSurface picture2{kPicture2Width, kPicture2Height};
    RecordingSurface picture8{kHalfGraphWidth, kHalfGraphHeight};
    RecordingSurface picture9{kHalfGraphWidth, kHalfGraphHeight};
    RecordingSurface form5{kReportWidth, kReportHeight};
    MainWindowModel main(platform, ParamFile(params),
                         MainWindowSurfaces{picture1, picture2, picture8, picture9, form5});
    Check(main.Form_Load());
    OpeningParamsModel& dialog = main.OpeningParams();
    Check(main.Fire("mnuConfigInitItem", Event::Click));

    for (int edit = 0; edit < 4 && input.remaining_bytes() > 0; ++edit) {
        const int p = input.ConsumeIntegralInRange<int>(0, kParamValueCount - 1);
        const char* const columns[] = {"Text3", "Text4", "Text5"};
        const std::string control =
            p == 0   ? "Text6"
            : p == 1 ? "Text2"
                     : std::string(columns[(p - 2) % 3]) + "(" + std::to_string((p - 2) / 3) + ")";
        Check(dialog.Type(control, input.ConsumeRandomLengthString(40)));
    }
    const std::string before = Read(params);
    platform.messages.clear();
    Check(dialog.Fire("Command1", Event::Click));
    if (!platform.messages.empty()) {
        Check(Read(params) == before);
        return 0;
    }
    // Each value saved is the number its field holds, in the file's digits.
    const std::optional<ParamRecord> record = ParamFile(params).ReadAll();
    Check(record.has_value());
    for (int p = 0; p < kParamValueCount; ++p) {
        // The points are the leading number of their field, rounded.
        const std::optional<double> typed =
            p == 0 ? std::optional<double>(std::nearbyint(DecimalPrefix(dialog.FieldText(p))))
                   : ParseNumber(dialog.FieldText(p));
        Check(typed && record->values[static_cast<size_t>(p)] == NumberText(*typed));
    }
    const std::string saved = Read(params);
    Check(main.Form_Load());
    Check(Read(params) == saved && !fs::exists(bad));
    return 0;
}
