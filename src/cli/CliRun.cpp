#include "CliRun.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>
#include <sstream>

#include "CliOptions.h"
#include "RemoveOnSignal.h"
#include "platform/Platform.h"
#include "state/ParamFile.h"
#include "surface/ImageSurface.h"
#include "windows/MainWindowModel.h"

namespace quorbel::cli {

namespace {

namespace fs = std::filesystem;

constexpr const char* kProgram = "fftquorbel-cli";

// Messages and errors are printed one per line whatever they hold.
std::string OneLine(std::string text) {
    for (char& c : text)
        if (c == '\n' || c == '\r') c = ' ';
    return text;
}

void ErrorLine(std::ostream& err, const std::string& text) {
    err << kProgram << ": " << OneLine(text) << '\n';
}

// The bytes the window's reader can look at: one more than it ever uses.
std::optional<std::string> ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes(kMaxParamBytes + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) return std::nullopt;
    bytes.resize(static_cast<size_t>(in.gcount()));
    return bytes;
}

bool WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    out.close();
    return static_cast<bool>(out);
}

// The opening-parameters file the window works on, in a folder of its own: the
// default record, or a copy of the user's file so that the window's fallback (which
// rewrites an unusable file with the default record) can never reach the original.
// On success returns the bytes the window starts from; otherwise writes the error.
std::optional<std::string> PrepareParamFile(const CliOptions& options, const fs::path& working,
                                            std::ostream& err) {
    std::string error;
    if (!options.paramsFile) {
        if (!ParamFile(working).WriteDefault(&error)) {
            ErrorLine(err, "cannot write the default opening parameters: " + error);
            return std::nullopt;
        }
        return ParamFile::DefaultRecord();
    }
    const fs::path original = *options.paramsFile;
    if (!ParamFile(original).ReadAll(&error)) {
        ErrorLine(err, "cannot use the opening parameters in " + original.string() + ": " + error);
        return std::nullopt;
    }
    std::optional<std::string> bytes = ReadBytes(original);
    if (!bytes) {
        ErrorLine(err, "cannot read " + original.string());
        return std::nullopt;
    }
    if (!WriteBytes(working, *bytes)) {
        ErrorLine(err, "cannot copy " + original.string() + " to a temporary folder");
        return std::nullopt;
    }
    return bytes;
}

// An option button as the user works it: pressed, then clicked. "Both, separately"
// has no press of its own.
struct OptionButton {
    void (MainWindowModel::*mouseDown)() = nullptr;
    void (MainWindowModel::*click)() = nullptr;
};

void Press(MainWindowModel& window, const OptionButton& option) {
    if (option.mouseDown) (window.*option.mouseDown)();
    (window.*option.click)();
}

// The simple waves' option buttons; the multiple waves have none.
std::optional<OptionButton> WaveButton(Wave wave) {
    using M = MainWindowModel;
    switch (wave) {
        case Wave::sine:
            return OptionButton{&M::Option4_MouseDown, &M::Option4_Click};
        case Wave::square:
            return OptionButton{&M::Option5_MouseDown, &M::Option5_Click};
        case Wave::triangular:
            return OptionButton{&M::Option9_MouseDown, &M::Option9_Click};
        case Wave::multiple:
            break;
    }
    return std::nullopt;
}

OptionButton ShownButton(Shown shown) {
    using M = MainWindowModel;
    switch (shown) {
        case Shown::imag:
            return {&M::Option1_MouseDown, &M::Option1_Click};
        case Shown::real:
            return {&M::Option2_MouseDown, &M::Option2_Click};
        case Shown::realg:
            return {&M::Option3_MouseDown, &M::Option3_Click};
        case Shown::rho:
            return {&M::Option8_MouseDown, &M::Option8_Click};
        case Shown::both:
            break;
    }
    return {nullptr, &M::Option10_Click};
}

// The controls in a fixed order: function kind, its parameters and "Both", then the
// method, the frequency range, the displayed quantity and the halvings.
void Operate(MainWindowModel& window, const CliOptions& options) {
    if (options.wave) {
        if (std::optional<OptionButton> button = WaveButton(*options.wave)) {
            window.mnuSimpleWavesItem_Click();
            Press(window, *button);
        } else {
            window.mnuMultipleWavesItem_Click();
        }
    }
    if (options.cosine)
        Press(window, {&MainWindowModel::Option7_MouseDown, &MainWindowModel::Option7_Click});
    if (options.cycles) window.SetField(Field::cyclesPerSecond, *options.cycles);
    if (options.phase) window.SetField(Field::simplePhase, *options.phase);
    // The option buttons and the fields only change the parameters; "Both" computes.
    if (options.cosine || options.cycles || options.phase) window.Command17_Click();

    if (options.method == Method::complex) window.mnuImagzeroItem_Click();
    if (options.method == Method::realft) window.mnuRealftItem_Click();
    if (options.negative) window.mnuFreqNegItem_Click();
    if (options.shown) Press(window, ShownButton(*options.shown));
    for (int i = 0; i < options.halvings; ++i) window.Command16_Click();
}

const DataList& ListOf(const AnalysisState& state, Command command) {
    switch (command) {
        case Command::samples:
            return state.sampleList;
        case Command::spectrum:
            return state.spectrumList;
        case Command::graph:
            return state.graphValueList;
        case Command::displayed:
            return state.displayedValueList;
    }
    return state.sampleList;
}

int PrintMessages(const RecordingPlatform& platform, std::ostream& err) {
    for (const std::string& message : platform.messages) err << OneLine(message) << '\n';
    return platform.messages.empty() ? kExitOk : kExitMessage;
}

}  // namespace

int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const ParseResult parsed = ParseCliOptions(arguments);
    if (std::holds_alternative<HelpRequest>(parsed)) {
        out << HelpText();
        return kExitOk;
    }
    if (const auto* usage = std::get_if<UsageError>(&parsed)) {
        ErrorLine(err, usage->text);
        return kExitUsage;
    }
    const CliOptions& options = std::get<CliOptions>(parsed);

    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        ErrorLine(err, "no QGuiApplication: the graphs cannot be drawn");
        return kExitUsage;
    }
    const QTemporaryDir folder;
    if (!folder.isValid()) {
        ErrorLine(err, "cannot create a temporary folder: " + folder.errorString().toStdString());
        return kExitUsage;
    }
    const RemoveOnSignal removeOnSignal(QFile::encodeName(folder.path()).toStdString());
    const fs::path working =
        QFile::encodeName(folder.filePath(QStringLiteral("Zparamfile.wr"))).toStdString();
    const std::optional<std::string> startBytes = PrepareParamFile(options, working, err);
    if (!startBytes) return kExitUsage;

    // The graphs at the window's sizes on a 96 dpi screen.
    ImageSurface picture1(kPicture1Width, kPicture1Height);
    ImageSurface picture2(kPicture2Width, kPicture2Height);
    ImageSurface picture8(kHalfGraphWidth, kHalfGraphHeight);
    ImageSurface picture9(kHalfGraphWidth, kHalfGraphHeight);
    RecordingPlatform platform;
    MainWindowModel window(platform, ParamFile(working),
                           MainWindowSurfaces{picture1, picture2, picture8, picture9});

    if (!window.Form_Load()) {
        PrintMessages(platform, err);
        return kExitMessage;
    }
    // The window starts silently from the default record when it cannot use the
    // opening parameters it was given; for a file named on the command line that
    // would print results for parameters nobody asked for.
    if (options.paramsFile && ReadBytes(working) != startBytes) {
        ErrorLine(err, "the window cannot start from the opening parameters in " +
                           *options.paramsFile + " (it would use the default record instead)");
        return kExitUsage;
    }

    Operate(window, options);

    for (const std::string& line : ListOf(window.State(), options.command).Lines())
        out << line << '\n';
    out.flush();
    return PrintMessages(platform, err);
}

}  // namespace quorbel::cli
