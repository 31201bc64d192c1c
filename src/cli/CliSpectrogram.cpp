#include "CliSpectrogram.h"

#include <filesystem>
#include <optional>
#include <ostream>

#include "CliPlatform.h"
#include "CliRun.h"
#include "platform/Translation.h"
#include "rawfile/SoundStream.h"
#include "spectrogram/SpectrogramCsv.h"
#include "state/NumberText.h"
#include "surface/ImageSurface.h"
#include "windows/RawFileModel.h"
#include "windows/SpectrogramWindowModel.h"

namespace quorbel::cli {

namespace {

// The rate a ".raw" file is read at: the one given, or what the raw file window
// starts with.
std::optional<double> RawRate(const CliOptions& options) {
    const std::optional<double> rate = ParseNumber(options.rawFrequency.value_or("22050"));
    if (!rate || !(*rate >= kMinSamplingRate) || !(*rate <= kMaxSamplingRate)) return std::nullopt;
    return rate;
}

int Failed(const std::string& message, std::ostream& err) {
    std::string line = message;
    for (char& c : line)
        if (c == '\n' || c == '\r') c = ' ';
    err << line << '\n';
    return kExitMessage;
}

int WriteCsv(const CliOptions& options, double rawRate, ChannelChoice channels, std::ostream& out,
             std::ostream& err) {
    std::string error;
    std::unique_ptr<SoundStream> stream =
        OpenSoundStream(options.spectrogramFile, channels, rawRate, &error);
    std::unique_ptr<Spectrogram> spectrogram =
        stream ? Spectrogram::Start(
                     std::move(stream), {*options.frame, *options.hop},
                     std::filesystem::path(options.spectrogramFile).filename().string(), &error)
               : nullptr;
    if (!spectrogram) return Failed(error, err);
    WriteSpectrogramCsv(*spectrogram, out);
    out.flush();
    if (const std::optional<std::string>& failure = spectrogram->Failure())
        return Failed(*failure, err);
    return kExitOk;
}

// The spectrogram window operated as a user would: the frame and hop typed, the file
// opened, its analysis run to the end, then "Export PNG" to the file named.
int WritePicture(const CliOptions& options, double rawRate, ChannelChoice channels,
                 std::ostream& err) {
    CliPlatform platform("");
    ImageSurface picture(kSpectrogramGraphWidth, kSpectrogramGraphHeight);
    SpectrogramWindowModel window(platform, picture);
    window.SetWorksheetStyle(options.worksheet);
    window.Type("Text1", std::to_string(*options.frame));
    window.Type("Text2", std::to_string(*options.hop));
    if (window.Open(options.spectrogramFile, channels, rawRate)) {
        while (window.Analysing()) window.AnalyseSlice();
        // A picture that stops at damage in the file is not written.
        if (platform.messages.empty()) {
            platform.saveAnswers.push_back(options.outputFile);
            window.Fire("Command1", Event::Click);
        }
    }
    for (const std::string& message : platform.messages) Failed(message, err);
    return platform.messages.empty() ? kExitOk : kExitMessage;
}

}  // namespace

int RunSpectrogram(const CliOptions& options, std::ostream& out, std::ostream& err) {
    const std::optional<double> rawRate = RawRate(options);
    if (!rawRate) {
        err << "fftquorbel-cli: "
            << Translate("CommandLine", "--fs needs a number of hertz from 1 to 1000000") << "\n";
        return kExitUsage;
    }
    const ChannelChoice channels =
        options.rawChannels == "Option2" ? ChannelChoice::mean : ChannelChoice::first;
    if (options.command == Command::csv) return WriteCsv(options, *rawRate, channels, out, err);
    return WritePicture(options, *rawRate, channels, err);
}

}  // namespace quorbel::cli
