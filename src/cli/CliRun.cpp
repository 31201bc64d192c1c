#include "CliRun.h"

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>
#include <sstream>

#include "CliControls.h"
#include "CliLesson.h"
#include "CliNmr.h"
#include "CliOptions.h"
#include "CliPlatform.h"
#include "CliSpectrogram.h"
#include "DescriptorOutput.h"
#include "RemoveOnSignal.h"
#include "platform/Platform.h"
#include "platform/Translation.h"
#include "report/Report.h"
#include "sound/Recording.h"
#include "state/FileReplace.h"
#include "state/NumberText.h"
#include "state/ParamFile.h"
#include "surface/ImageSurface.h"
#include "surface/PictureFile.h"
#include "surface/TextGridSurface.h"
#include "windows/MainWindowModel.h"

namespace quorbel::cli {

namespace {

namespace fs = std::filesystem;

constexpr const char* kProgram = "fftquorbel-cli";
// How much longer than its own length a sound may take to be played before the run
// gives up on the sound server.
constexpr int kPlayMarginMs = 10000;

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

// The opening-parameters file the window works on, in a folder of its own: the
// default record, or a copy of the user's file so that the window's fallback (which
// rewrites an unusable file with the default record) can never reach the original.
// On success returns the bytes the window starts from; otherwise writes the error.
std::optional<std::string> PrepareParamFile(const CliOptions& options, const fs::path& working,
                                            std::ostream& err) {
    std::string error;
    if (!options.paramsFile) {
        if (!ParamFile(working).WriteDefault(&error)) {
            ErrorLine(err, FillIn(Translate("CommandLine",
                                            "cannot write the default opening parameters: %1"),
                                  {error}));
            return std::nullopt;
        }
        return ParamFile::DefaultRecord();
    }
    const fs::path original = *options.paramsFile;
    if (!ParamFile(original).ReadAll(&error)) {
        ErrorLine(err,
                  FillIn(Translate("CommandLine", "cannot use the opening parameters in %1: %2"),
                         {original.string(), error}));
        return std::nullopt;
    }
    std::optional<std::string> bytes = ReadBytes(original);
    if (!bytes) {
        ErrorLine(err, FillIn(Translate("CommandLine", "cannot read %1"), {original.string()}));
        return std::nullopt;
    }
    if (!ReplaceFile(working, *bytes, FileCalls::System(), &error)) {
        ErrorLine(err, FillIn(Translate("CommandLine", "cannot copy %1 to a temporary folder: %2"),
                              {original.string(), error}));
        return std::nullopt;
    }
    return bytes;
}

// Operates the window's controls by name, as a user would; the first control that
// cannot be used in the state reached stops the run.
class Operator {
  public:
    explicit Operator(MainWindowModel& window) : window_(window) {}

    bool Click(const std::string& control) { return Do(control, Event::Click); }
    // An option button is pressed, then clicked; one without a press of its own is
    // only clicked.
    bool Press(const std::string& control) {
        // A control that cannot be reached ignores the press, and its click fails.
        window_.Fire(control, Event::MouseDown);
        return Click(control);
    }
    bool Type(const std::string& control, const std::string& text) {
        return window_.Type(control, text) || Fail(control);
    }
    bool RightClick(const std::string& control, double x) {
        const EventArgs args{.button = 2, .x = x};
        return Do(control, Event::MouseDown, args) && Do(control, Event::MouseUp, args);
    }
    bool Change(const std::string& control, int value) {
        return Do(control, Event::Change, {.value = value});
    }

    const std::string& Failed() const { return failed_; }

  private:
    bool Do(const std::string& control, Event event, const EventArgs& args = {}) {
        return window_.Fire(control, event, args) || Fail(control);
    }
    bool Fail(const std::string& control) {
        const std::string& caption = window_.View()[control].caption;
        failed_ = caption.empty() ? control : "\"" + caption + "\"";
        return false;
    }

    MainWindowModel& window_;
    std::string failed_;
};

const char* WaveOption(Wave wave) {
    switch (wave) {
        case Wave::sine:
            return "Option4";
        case Wave::square:
            return "Option5";
        case Wave::triangular:
            return "Option9";
        case Wave::multiple:
            break;
    }
    return nullptr;
}

const char* ShownOption(Shown shown) {
    switch (shown) {
        case Shown::imag:
            return "Option1";
        case Shown::real:
            return "Option2";
        case Shown::realg:
            return "Option3";
        case Shown::rho:
            return "Option8";
        case Shown::both:
            break;
    }
    return "Option10";
}

// The raw file window operated as a user would: open the file, type the frequency,
// drag from the first to the last sample, press "Transfer". The text of the hint
// the window shows when it refuses, or of the message it showed; empty on success.
std::string SelectAndTransfer(MainWindowModel& window, const CliOptions& options);

std::string LoadSound(MainWindowModel& window, CliPlatform& platform, const CliOptions& options) {
    if (!window.Fire("mnuFilesrawItem", Event::Click)) return "\"Files  *.raw...\" cannot be used";
    RawFileModel& raw = window.RawFile();
    const size_t messages = platform.messages.size();
    if (options.rawChannels) raw.Fire(*options.rawChannels, Event::Click);
    platform.openAnswers = {*options.rawFile};
    raw.Fire("mnuOpen", Event::Click);
    if (platform.messages.size() > messages) return "";  // the window's own message
    if (options.rawFrequency) raw.Type("Text1", *options.rawFrequency);
    return SelectAndTransfer(window, options);
}

// The default input recorded for --listen seconds in the raw file window, its
// recording then selected and transferred as a file's samples are; the text of the
// refusal, empty on success.
std::string LoadRecording(MainWindowModel& window, CliPlatform& platform,
                          const CliOptions& options) {
    if (!window.Fire("mnuFilesrawItem", Event::Click)) return "\"Files  *.raw...\" cannot be used";
    SoundInput* input = platform.Input();
    if (const std::optional<std::string> why = WhyNoSoundInput(input)) return *why;
    const int rate = input->Rate();
    const int frames = static_cast<int>(std::lround(*options.listenSeconds * rate));
    std::string error;
    const std::optional<std::vector<double>> recorded = input->Record(frames, &error);
    if (!recorded) return FillIn(Translate("Messages", "Nothing was recorded: %1"), {error});
    window.RawFile().ShowRecording(RecordedSamples(*recorded), rate);
    return SelectAndTransfer(window, options);
}

// The drag over --select (by default every plotted sample) and "Transfer".
std::string SelectAndTransfer(MainWindowModel& window, const CliOptions& options) {
    RawFileModel& raw = window.RawFile();
    // The middle of a sample's stretch of the graph, so the index under it is exact.
    const int n = raw.PlottedPoints();
    const double perPoint = n > 0 ? raw.View()["Picture2"].width / n : 0;
    const auto [first, last] = options.rawSelection.value_or(std::make_pair(0, n));
    raw.Fire("Picture2", Event::MouseDown, {.button = 1, .x = (first + 0.5) * perPoint});
    raw.Fire("Picture2", Event::MouseMove, {.button = 1, .x = (last + 0.5) * perPoint});
    raw.Fire("Command1", Event::Click);
    for (const char* hint : {"Label5", "Label4", "Label6", "Label19"})
        if (raw.View()[hint].visible) return raw.View()[hint].caption;
    // The main window has been activated again when the student returns to it.
    window.Form_Activate();
    return "";
}

// The controls in a fixed order: function kind, its parameters and "Both", then the
// method, the frequency range, the displayed quantity, the halvings, the expansion
// and the scroll bar. False when a control could not be used.
bool Operate(Operator& user, const CliOptions& options) {
    if (options.wave) {
        if (const char* option = WaveOption(*options.wave)) {
            if (!user.Click("mnuSimpleWavesItem") || !user.Press(option)) return false;
        } else if (!user.Click("mnuMultipleWavesItem")) {
            return false;
        }
    }
    if (options.cosine && !user.Press("Option7")) return false;
    if (options.cycles && !user.Type("Text2", *options.cycles)) return false;
    if (options.phase && !user.Type("Text8", *options.phase)) return false;
    // The option buttons and the fields only change the parameters; "Both" computes.
    if ((options.cosine || options.cycles || options.phase) && !user.Click("Command17"))
        return false;

    if (options.method == Method::complex && !user.Click("mnuImagzeroItem")) return false;
    if (options.method == Method::realft && !user.Click("mnuRealftItem")) return false;
    if (options.window && !user.Click(WindowMenuItem(*options.window))) return false;
    if (options.negative && !user.Click("mnuFreqNegItem")) return false;
    if (options.shown && !user.Press(ShownOption(*options.shown))) return false;
    if (options.decibels && !user.Click("cmdDecibels")) return false;
    for (int i = 0; i < options.halvings; ++i)
        if (!user.Click("Command16")) return false;
    if (options.expand) {
        if (!user.Click("Command8") || !user.RightClick("Picture1", options.expand->first) ||
            !user.RightClick("Picture1", options.expand->second))
            return false;
    }
    if (options.scroll && !user.Change("HScroll1", *options.scroll)) return false;
    if (options.log && !user.Click("Command3")) return false;
    if (options.tuning && (!user.Click("Command10") || !user.Change("Slider1", *options.tuning)))
        return false;
    return true;
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
        case Command::report:
        case Command::render:
        case Command::inverse:
        case Command::print:
        case Command::bitmap:
        case Command::csv:
        case Command::spectrogram:
        case Command::wav:
        case Command::play:
            return state.displayedValueList;
    }
    return state.sampleList;
}

// The pictures the surfaces hold, as PNG files in `folder`; each path written is
// printed. False (with a line on `err`) when one cannot be written.
bool Render(const fs::path& folder,
            const std::vector<std::pair<const char*, const ImageSurface*>>& pictures,
            std::ostream& out, std::ostream& err) {
    std::error_code error;
    fs::create_directories(folder, error);
    for (const auto& [name, surface] : pictures) {
        const fs::path path = folder / name;
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        std::string error = Translate("Messages", "the image could not be encoded");
        if (!WritePng(surface->Image(), buffer) ||
            !ReplaceFile(path,
                         std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())),
                         FileCalls::System(), &error)) {
            ErrorLine(err, CannotWriteMessage(path.string(), error));
            return false;
        }
        out << path.string() << '\n';
    }
    return true;
}

// "Print FFT graph" to the PDF file, or "Create bitmap of the FFT graph" and "Save
// image" to the bitmap file. False when the file was not written (a message says why).
bool WriteOutputFile(MainWindowModel& window, Operator& user, CliPlatform& platform,
                     const CliOptions& options) {
    if (options.command == Command::print) return user.Click("mnuPrintftgrItem");
    if (!user.Click("mnuCreateBitmapItem")) return false;
    platform.saveAnswers.push_back(options.outputFile);
    window.Bitmap().Fire("mnuSaveItem", Event::Click);
    // A picture that could not be written leaves the window open, with its message.
    return !window.Bitmap().View().shown;
}

// Pictures of the graphs shown, through the window's "Export" menu, in `folder`: ft,
// and fft or music as the FFT graph or the musical view is shown, each with the
// extension `format` ("png", "svg" or "pdf", as the menu items are named). Each path
// written is printed; false when one was refused.
bool RenderExports(const MainWindowModel& window, Operator& user, CliPlatform& platform,
                   const fs::path& folder, const std::string& format, std::ostream& out) {
    std::string item = format;
    item[0] = static_cast<char>(item[0] - 'a' + 'A');  // "Svg" as in mnuExportFtSvgItem
    std::vector<std::pair<std::string, std::string>> drawings = {
        {"ft." + format, "mnuExportFt" + item + "Item"}};
    if (window.View()["Picture1"].visible)
        drawings.emplace_back("fft." + format, "mnuExportFft" + item + "Item");
    if (window.View()["Picture4"].visible)
        drawings.emplace_back("music." + format, "mnuExportMusic" + item + "Item");
    for (const auto& [name, item] : drawings) {
        const fs::path path = folder / name;
        const size_t messages = platform.messages.size();
        platform.saveAnswers.push_back(path.string());
        if (!user.Click(item) || platform.messages.size() > messages) return false;
        out << path.string() << '\n';
    }
    return true;
}

// The CSV the window's "Export" menu wrote to `file`, printed as it stands.
void PrintCsv(const fs::path& file, std::ostream& out) {
    std::ifstream in(file, std::ios::binary);
    // An empty stream would mark `out` failed although nothing failed.
    if (in && in.peek() != std::ifstream::traits_type::eof()) out << in.rdbuf();
}

int PrintMessages(const CliPlatform& platform, std::ostream& err) {
    for (const std::string& message : platform.messages) err << OneLine(message) << '\n';
    return platform.messages.empty() ? kExitOk : kExitMessage;
}

// "Play f(t)", then waits until the sound has been played. Without a sound output the
// menu entry is disabled: its tooltip says why.
int Play(MainWindowModel& window, Operator& user, CliPlatform& platform, std::ostream& err) {
    const ControlState& item = window.View()["mnuPlayFtItem"];
    if (!item.enabled) {
        ErrorLine(err, item.tooltip);
        return kExitMessage;
    }
    if (!user.Click("mnuPlayFtItem") || !platform.messages.empty())
        return PrintMessages(platform, err);
    std::string error;
    if (!platform.Player()->WaitUntilPlayed(kPlayMarginMs, &error)) {
        ErrorLine(err, FillIn(Translate("CommandLine", "the sound was not played: %1"), {error}));
        return kExitMessage;
    }
    return kExitOk;
}

// The command the words ask for, run to its end.
int RunCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    // The control index needs no window and no parameters.
    if (!arguments.empty() && arguments[0] == "controls")
        return PrintControls({arguments.begin() + 1, arguments.end()}, out, err);
    if (!arguments.empty() && arguments[0] == "lesson")
        return CheckLessonCommand({arguments.begin() + 1, arguments.end()}, out, err);
    // NMR data is read by the NMR processing alone, not through the main window.
    if (!arguments.empty() && arguments[0] == "nmr")
        return RunNmr({arguments.begin() + 1, arguments.end()}, out, err);
    const ParseResult parsed = ParseCliOptions(arguments);
    if (std::holds_alternative<HelpRequest>(parsed)) {
        out << Translate("CommandLine", HelpText());
        return kExitOk;
    }
    if (const auto* usage = std::get_if<UsageError>(&parsed)) {
        ErrorLine(err, usage->text);
        return kExitUsage;
    }
    const CliOptions& options = std::get<CliOptions>(parsed);

    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        ErrorLine(err, Translate("CommandLine", "no QGuiApplication: the graphs cannot be drawn"));
        return kExitUsage;
    }
    if (options.Spectrogram()) return RunSpectrogram(options, out, err);
    const QTemporaryDir folder;
    if (!folder.isValid()) {
        ErrorLine(err, FillIn(Translate("CommandLine", "cannot create a temporary folder: %1"),
                              {folder.errorString().toStdString()}));
        return kExitUsage;
    }
    const RemoveOnSignal removeOnSignal(QFile::encodeName(folder.path()).toStdString());
    const fs::path working =
        QFile::encodeName(folder.filePath(QStringLiteral("Zparamfile.wr"))).toStdString();
    const std::optional<std::string> startBytes = PrepareParamFile(options, working, err);
    if (!startBytes) return kExitUsage;

    // The graphs at the window's sizes on a 96 dpi screen, at the zoom asked for: the
    // same pictures on that many more pixels.
    ImageSurface picture1(kPicture1Width, kPicture1Height);
    ImageSurface picture2(kPicture2Width, kPicture2Height);
    ImageSurface picture8(kHalfGraphWidth, kHalfGraphHeight);
    ImageSurface picture9(kHalfGraphWidth, kHalfGraphHeight);
    // The report window's text laid out on character columns.
    TextGridSurface form5(kReportWidth, kReportHeight);
    ImageSurface picture5(music::kCanvasWidth, music::kCanvasHeight);
    for (ImageSurface* graph : {&picture1, &picture2, &picture8, &picture9, &picture5})
        graph->SetZoom(options.zoom.value_or(100) / 100.0);
    // The bitmap window's picture at its outer size.
    ImageSurface form8(kBitmapOuterWidth, kBitmapOuterHeight);
    CliPlatform platform(options.command == Command::print ? options.outputFile : "");
    if (options.command == Command::play) platform.UseSoundOutput();
    platform.records = options.listenSeconds.has_value();
    MainWindowSurfaces surfaces{picture1, picture2, picture8, picture9, form5, &picture5};
    surfaces.Form8 = &form8;
    MainWindowModel window(platform, ParamFile(working), surfaces);

    if (!window.Form_Load()) {
        PrintMessages(platform, err);
        return kExitMessage;
    }
    // The window starts silently from the default record when it cannot use the
    // opening parameters it was given; for a file named on the command line that
    // would print results for parameters nobody asked for.
    if (options.paramsFile && ReadBytes(working) != startBytes) {
        ErrorLine(err, FillIn(Translate("CommandLine",
                                        "the window cannot start from the opening parameters "
                                        "in %1 (it would use the default record instead)"),
                              {*options.paramsFile}));
        return kExitUsage;
    }

    if (options.rawFile || options.listenSeconds) {
        const std::string refusal = options.rawFile ? LoadSound(window, platform, options)
                                                    : LoadRecording(window, platform, options);
        if (!refusal.empty() || !platform.messages.empty()) {
            PrintMessages(platform, err);
            if (!refusal.empty()) ErrorLine(err, refusal);
            return kExitMessage;
        }
    }
    Operator user(window);
    const bool writesFile = options.command == Command::print || options.command == Command::bitmap;
    const fs::path csvFile = working.parent_path() / "export.csv";
    if (options.command == Command::csv) platform.saveAnswers.push_back(csvFile.string());
    const char* csvItem =
        options.csvData == CsvData::samples ? "mnuExportSamplesItem" : "mnuExportSpectrumItem";
    if (options.seconds) window.SetSoundSeconds(*options.seconds);
    if (options.command == Command::wav) platform.saveAnswers.push_back(options.outputFile);
    if ((options.axes && !user.Click("mnuAxesItem")) || !Operate(user, options) ||
        (options.command == Command::csv && !user.Click(csvItem)) ||
        (options.command == Command::wav && !user.Click("mnuSaveSoundItem")) ||
        (options.command == Command::report && !user.Click("mnuReport")) ||
        (options.command == Command::inverse && !user.Click("mnuInverse")) ||
        (writesFile && !WriteOutputFile(window, user, platform, options))) {
        PrintMessages(platform, err);
        if (!user.Failed().empty())
            ErrorLine(err, FillIn(Translate("CommandLine",
                                            "%1 cannot be used in the state the window has "
                                            "reached"),
                                  {user.Failed()}));
        return kExitMessage;
    }

    if (options.command == Command::play) return Play(window, user, platform, err);
    if (options.command == Command::wav) return PrintMessages(platform, err);

    if (options.command == Command::render) {
        // The graphs the window shows: a hidden graph's surface keeps an outdated or
        // empty picture.
        std::vector<std::pair<const char*, const ImageSurface*>> pictures = {{"ft.png", &picture2}};
        const ViewState& shown = window.View();
        if (shown["Picture1"].visible) pictures.emplace_back("fft.png", &picture1);
        if (shown["Picture4"].visible) pictures.emplace_back("music.png", &picture5);
        if (shown["Picture6"].visible) pictures.emplace_back("fft-imaginary.png", &picture8);
        if (shown["Picture7"].visible) pictures.emplace_back("fft-real.png", &picture9);
        // Pictures for a worksheet are made by the "Export" menu; the plain PNG files
        // are the window's own images.
        if (options.worksheet && !user.Click("mnuExportWorksheetItem")) return kExitMessage;
        if (options.percent && !user.Click("mnuExportPercentItem")) return kExitMessage;
        bool written = true;
        if (!options.worksheet) {
            written = Render(*options.renderDir, pictures, out, err);
        } else {
            std::error_code made;
            fs::create_directories(*options.renderDir, made);
        }
        bool drawn = written;
        for (const auto& [wanted, format] :
             {std::pair{options.worksheet, "png"}, {options.svg, "svg"}, {options.pdf, "pdf"}})
            drawn = drawn && (!wanted || RenderExports(window, user, platform, *options.renderDir,
                                                       format, out));
        drawn = drawn || !written;
        out.flush();
        const int status = PrintMessages(platform, err);
        if (!drawn && !user.Failed().empty())
            ErrorLine(err, FillIn(Translate("CommandLine",
                                            "%1 cannot be used in the state the window has "
                                            "reached"),
                                  {user.Failed()}));
        // A picture that cannot be written is said like any file the window cannot
        // write (print, bitmap): status 1; 2 stays for what the command line got wrong.
        if (!written) return kExitMessage;
        return drawn ? status : kExitMessage;
    }

    if (options.command == Command::csv) {
        PrintCsv(csvFile, out);
        out.flush();
        // The CSV passes through a file of the temporary folder, which the user never
        // chose: a failure to write it is said without its name.
        const std::string internal = CannotWriteMessage(csvFile.string(), "");
        const std::string prefix = internal.substr(0, internal.size() - 1) + ": ";
        for (std::string& message : platform.messages)
            if (message.rfind(prefix, 0) == 0)
                message = FillIn(Translate("CommandLine", "The CSV cannot be made: %1"),
                                 {message.substr(prefix.size())});
        return PrintMessages(platform, err);
    }

    if (options.command == Command::inverse) {
        if (!window.InverseResults().View().shown) return PrintMessages(platform, err);
        for (const std::string& line : window.InverseResults().FigureTexts()) out << line << '\n';
        for (const std::string& row : window.InverseResults().Rows()) out << row << '\n';
        out.flush();
        return PrintMessages(platform, err);
    }
    if (writesFile) return PrintMessages(platform, err);
    const std::vector<std::string>& lines = options.command == Command::report
                                                ? form5.Lines()
                                                : ListOf(window.State(), options.command).Lines();
    // A refused report writes nothing; its message follows on standard error.
    for (const std::string& line : lines) out << line << '\n';
    out.flush();
    return PrintMessages(platform, err);
}

}  // namespace

int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const int status = RunCommand(arguments, out, err);
    if (out.flush()) return status;
    // A list cut short is no list: the failure is said and the run fails with it.
    const auto* descriptor = dynamic_cast<const DescriptorOutput*>(out.rdbuf());
    const std::string reason = descriptor ? descriptor->Failure() : "";
    ErrorLine(err,
              reason.empty()
                  ? Translate("CommandLine", "the output cannot be written")
                  : FillIn(Translate("CommandLine", "the output cannot be written: %1"), {reason}));
    return status == kExitOk ? kExitMessage : status;
}

}  // namespace quorbel::cli
