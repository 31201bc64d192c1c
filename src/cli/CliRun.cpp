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

std::optional<std::string> ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return bytes.str();
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

// The controls in a fixed order: function kind, its parameters and "Both", then the
// method, the frequency range, the displayed quantity and the halvings.
void Operate(MainWindowModel& window, const CliOptions& options) {
    if (options.wave) {
        switch (*options.wave) {
            case Wave::multiple:
                window.mnuMultipleWavesItem_Click();
                break;
            case Wave::sine:
                window.mnuSimpleWavesItem_Click();
                window.Option4_MouseDown();
                window.Option4_Click();
                break;
            case Wave::square:
                window.mnuSimpleWavesItem_Click();
                window.Option5_MouseDown();
                window.Option5_Click();
                break;
            case Wave::triangular:
                window.mnuSimpleWavesItem_Click();
                window.Option9_MouseDown();
                window.Option9_Click();
                break;
        }
    }
    if (options.cosine) {
        window.Option7_MouseDown();
        window.Option7_Click();
    }
    if (options.cycles) window.SetField(Field::cyclesPerSecond, *options.cycles);
    if (options.phase) window.SetField(Field::simplePhase, *options.phase);
    // The option buttons and the fields only change the parameters; "Both" computes.
    if (options.cosine || options.cycles || options.phase) window.Command17_Click();

    if (options.method == Method::complex) window.mnuImagzeroItem_Click();
    if (options.method == Method::realft) window.mnuRealftItem_Click();
    if (options.negative) window.mnuFreqNegItem_Click();

    if (options.shown) {
        switch (*options.shown) {
            case Shown::imag:
                window.Option1_MouseDown();
                window.Option1_Click();
                break;
            case Shown::real:
                window.Option2_MouseDown();
                window.Option2_Click();
                break;
            case Shown::realg:
                window.Option3_MouseDown();
                window.Option3_Click();
                break;
            case Shown::rho:
                window.Option8_MouseDown();
                window.Option8_Click();
                break;
            case Shown::both:
                window.Option10_Click();
                break;
        }
    }
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
