// The spectrogram window: its control table, the analysis in slices, the axis switch,
// the read-out under the pointer and the export of the picture.
#include "windows/SpectrogramWindowModel.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "platform/Translation.h"
#include "rawfile/SoundStream.h"
#include "state/FileReplace.h"
#include "state/NumberText.h"
#include "state/QuotedText.h"
#include "windows/ControlIndex.h"
#include "windows/ControlTable.h"
#include "windows/GraphKeys.h"

namespace quorbel {

namespace {

using K = ControlKind;
using M = SpectrogramWindowModel;

constexpr double kLine = 255;
constexpr int kLeftButton = 1;
constexpr const char* kPngFilter = QT_TRANSLATE_NOOP("Filters", "PNG images|*.png");
// The transform work of a slice: about this many samples through the frames.
constexpr std::int64_t kSliceSamples = 1 << 21;

}  // namespace

const ControlTable<M>& M::Table() {
    static const ControlTable<M> table = {
        "FormSpectrogram",
        "FFT Quorbel - Spectrogram",
        kSpectrogramFormWidth,
        kSpectrogramFormHeight,
        {.unload = HANDLER(M, Form_Unload)},
        {
            {"Picture1",
             K::Picture,
             "",
             "",
             "",
             {.mouseDown = HANDLER(M, Picture1_MouseDown),
              .mouseMove = HANDLER(M, Picture1_MouseMove),
              .mouseUp = HANDLER(M, Picture1_MouseUp),
              .keyPress = HANDLER(M, Picture1_KeyPress)},
             kDrawn,
             {120, 120, kSpectrogramGraphWidth, kSpectrogramGraphHeight}},
            {"Option1",
             K::Option,
             "",
             "Linear frequency",
             "Frequency upward on a scale of hertz, from 0 to half the sampling rate",
             {.click = HANDLER(M, Option1_Click)},
             kChecked,
             {240, 6230, 1900, kLine}},
            {"Option2",
             K::Option,
             "",
             "Musical (keyboard)",
             "Frequency upward in octaves, beside a piano keyboard",
             {.click = HANDLER(M, Option2_Click)},
             kPlain,
             {2200, 6230, 2100, kLine}},
            {"Label4", K::Label, "", "Frame (points):", "", {}, kPlain, {4500, 6230, 1250, kLine}},
            {"Text1",
             K::TextBox,
             "",
             "",
             "Points of each transformed frame: a power of two from 256 to 16384",
             {.text = [](const M& m) { return m.FrameText(); },
              .type = [](M& m, const std::string& t) { m.TypeFrame(t); }},
             kPlain,
             {5750, 6200, 800, 300}},
            {"Label5", K::Label, "", "Hop (points):", "", {}, kPlain, {6700, 6230, 1100, kLine}},
            {"Text2",
             K::TextBox,
             "",
             "",
             "Points from the start of one frame to the start of the next: 1 to the frame",
             {.text = [](const M& m) { return m.HopText(); },
              .type = [](M& m, const std::string& t) { m.TypeHop(t); }},
             kPlain,
             {7800, 6200, 800, 300}},
            {"Command2",
             K::Button,
             "",
             "Analyse",
             "Analyse the file again with the frame and hop typed",
             {.click = HANDLER(M, Command2_Click)},
             kPlain,
             {8750, 6150, 1100, 400}},
            {"Command1",
             K::Button,
             "",
             "Export PNG",
             "Save the picture as shown as a PNG image",
             {.click = HANDLER(M, Command1_Click)},
             kPlain,
             {9950, 6150, 1300, 400}},
            // The read-out under the pointer, then what was analysed and the progress.
            {"Label1", K::Label, "", "", "", {}, kPlain, {240, 6640, 9360, kLine}},
            {"Command3",
             K::Button,
             "",
             "Whole sound",
             "Show the whole sound again after a zoom into a stretch of it (Escape)",
             {.click = HANDLER(M, Command3_Click)},
             kDisabled,
             {9750, 6590, 1500, 340}},
            {"Label2", K::Label, "", "", "", {}, kPlain, {240, 6980, 7000, kLine}},
            {"ProgressBar1",
             K::ProgressBar,
             "",
             "",
             "",
             {},
             kHidden,
             {7400, 6980, 3850, kLine},
             {},
             {0, 100}},
        }};
    return table;
}

ViewState SpectrogramWindowInitialView() {
    ViewState view = ViewOfTable(M::Table());
    // The ends of a stretch being marked, and the keyboard's cursor.
    for (const char* line : {"Line1", "Line2"})
        view.lines[line] = {0, 0, 0, kSpectrogramGraphHeight, colors::kWhite, false, "Picture1"};
    AddKeyCursor(view, kSpectrogramKeyCursor, "Picture1", 0, kSpectrogramGraphHeight);
    return view;
}

const ControlTable<SpectrogramWindowModel>& SpectrogramWindowTable() {
    return M::Table();
}

SpectrogramWindowModel::SpectrogramWindowModel(Platform& platform, Surface& picture)
    : TableWindow(SpectrogramWindowInitialView(), Table()), platform_(platform), picture_(picture) {
    picture_.SetBackColor(colors::kButtonFace);
}

void SpectrogramWindowModel::TypeFrame(const std::string& text) {
    const int old = WholeNumber(frameText_);
    const std::optional<double> frame = ParseNumber(text);
    if (hopText_ == std::to_string(old / 4) && frame && *frame >= 4 &&
        *frame == std::floor(*frame) && *frame <= kMaxStftFrame)
        hopText_ = std::to_string(static_cast<int>(*frame) / 4);
    frameText_ = text;
}

std::optional<StftSettings> SpectrogramWindowModel::TypedSettings() {
    const std::optional<double> frame = ParseNumber(frameText_);
    const std::optional<double> hop = ParseNumber(hopText_);
    StftSettings settings;
    // A number that is no whole number in the int range is refused as such.
    auto whole = [](std::optional<double> v) {
        return v && *v == std::floor(*v) && std::abs(*v) < 1e9 ? static_cast<int>(*v) : -1;
    };
    settings.frame = whole(frame);
    settings.hop = whole(hop);
    if (!frame || settings.frame < 0) {
        platform_.MessageBox(FillIn(Translate("Messages",
                                              "The frame must be a power of two from "
                                              "256 to 16384 points, not %1."),
                                    {QuotedText(frameText_)}));
        return std::nullopt;
    }
    if (!hop || settings.hop < 0) {
        platform_.MessageBox(FillIn(Translate("Messages",
                                              "The hop must be a whole number of "
                                              "points from 1 to the frame, not %1."),
                                    {QuotedText(hopText_)}));
        return std::nullopt;
    }
    if (const std::optional<std::string> why = StftSettingsError(settings)) {
        platform_.MessageBox(*why);
        return std::nullopt;
    }
    return settings;
}

bool SpectrogramWindowModel::Open(const std::string& path, ChannelChoice channels, double rawRate) {
    path_ = path;
    channels_ = channels;
    rawRate_ = rawRate;
    return Start();
}

bool SpectrogramWindowModel::Start() {
    const std::optional<StftSettings> settings = TypedSettings();
    if (!settings) return false;
    std::string error;
    std::unique_ptr<SoundStream> stream = OpenSoundStream(path_, channels_, rawRate_, &error);
    std::unique_ptr<Spectrogram> spectrogram =
        stream ? Spectrogram::Start(std::move(stream), *settings,
                                    std::filesystem::path(path_).filename().string(), &error)
               : nullptr;
    if (!spectrogram) {
        platform_.MessageBox(error);
        return false;
    }
    spectrogram_ = std::move(spectrogram);
    view_.shown = true;
    view_.minimized = false;
    ++view_.raised;
    view_["Label1"].caption.clear();
    // A new analysis starts on the whole sound.
    zoomFirst_ = zoomEnd_ = 0;
    view_["Command3"].enabled = false;
    ShowZoomMarks(std::nullopt, std::nullopt);
    layout_ = LayoutFor(picture_.Width(), picture_.Height());
    Draw(picture_);
    ShowProgress();
    return true;
}

void SpectrogramWindowModel::AnalyseSlice() {
    if (!Analysing()) return;
    const SpectrogramInfo& info = spectrogram_->Info();
    spectrogram_->Advance(std::max<std::int64_t>(1, kSliceSamples / info.settings.frame));
    const auto [first, end] = spectrogram_->TakeChangedColumns();
    DrawSpectrogramColumns(picture_, layout_, *spectrogram_, first, end);
    ShowProgress();
    // The picture keeps what was analysed up to the damage.
    if (const std::optional<std::string>& failure = spectrogram_->Failure())
        platform_.MessageBox(*failure);
}

void SpectrogramWindowModel::ShowProgress() {
    ControlState& bar = view_["ProgressBar1"];
    bar.visible = Analysing();
    bar.value = spectrogram_ ? spectrogram_->Percent() : 0;
    view_["Label2"].caption =
        Description() + (Analysing() ? Translate("FormSpectrogram", " - analysing...") : "");
}

std::string SpectrogramWindowModel::Description() const {
    if (!spectrogram_) return "";
    const SpectrogramInfo& info = spectrogram_->Info();
    // Two decimals with the period in every language (printf would follow the locale).
    char seconds[32];
    const auto end = std::to_chars(seconds, seconds + sizeof seconds, info.Seconds(),
                                   std::chars_format::fixed, 2);
    return FillIn(Translate("FormSpectrogram", "%1: %2 Hz, %3 s, frames of %4 every %5 points"),
                  {std::filesystem::path(path_).filename().string(), NumberText(info.rate),
                   std::string(seconds, end.ptr), std::to_string(info.settings.frame),
                   std::to_string(info.settings.hop)});
}

SpectrogramLayout SpectrogramWindowModel::LayoutFor(double width, double height) const {
    const SpectrogramLayout whole =
        SpectrogramLayoutFor(width, height, spectrogram_->Info(), axis_);
    return Zoomed() ? ZoomedLayout(whole, zoomFirst_, zoomEnd_) : whole;
}

void SpectrogramWindowModel::Draw(Surface& pic) {
    if (!spectrogram_) return;
    const SpectrogramLayout layout = LayoutFor(pic.Width(), pic.Height());
    DrawSpectrogramFrame(pic, layout, spectrogram_->Info(), Description());
    DrawSpectrogramColumns(pic, layout, *spectrogram_, 0, spectrogram_->Info().columns);
    // The columns drawn whole need not be drawn again by the next slice.
    if (&pic == &picture_) spectrogram_->TakeChangedColumns();
}

void SpectrogramWindowModel::ChooseAxis(SpectrogramAxis axis) {
    view_["Option1"].checked = axis == SpectrogramAxis::linear;
    view_["Option2"].checked = axis == SpectrogramAxis::musical;
    if (axis == axis_) return;
    axis_ = axis;
    view_["Label1"].caption.clear();
    if (!spectrogram_) return;
    layout_ = LayoutFor(picture_.Width(), picture_.Height());
    Draw(picture_);
}

void SpectrogramWindowModel::Picture1_MouseMove(int button, int, double x, double y) {
    view_["Label1"].caption = spectrogram_ ? SpectrogramReadout(layout_, *spectrogram_, x, y) : "";
    if ((button & kLeftButton) && dragFrom_) ShowZoomMarks(dragFrom_, x);
}

void SpectrogramWindowModel::Command1_Click() {
    if (!spectrogram_) return;
    const std::optional<std::string> path = platform_.SaveFileName(kPngFilter);
    if (!path) return;
    PictureRequest request;
    request.path = *path;
    request.format = PictureFormat::Png;
    request.widthTwips = picture_.Width();
    request.heightTwips = picture_.Height();
    request.draw = [this](Surface& pic) {
        pic.SetBackColor(picture_.BackColor());
        Draw(pic);
    };
    if (worksheetStyle_) {
        const WorksheetPicture sheet = Worksheet();
        request.widthTwips = WorksheetWidth(sheet);
        request.heightTwips = WorksheetHeight(sheet);
        request.draw = [sheet](Surface& pic) { DrawWorksheet(pic, sheet); };
    }
    std::string error;
    if (!platform_.ExportPicture(request, &error))
        platform_.MessageBox(CannotWriteMessage(*path, error));
}

WorksheetPicture SpectrogramWindowModel::Worksheet() const {
    WorksheetPicture picture;
    if (!spectrogram_) return picture;
    const SpectrogramInfo& info = spectrogram_->Info();
    const SpectrogramLayout layout = LayoutFor(picture_.Width(), picture_.Height());
    picture.drawingWidth = picture_.Width();
    picture.drawingHeight = picture_.Height();
    picture.shown = {layout.left, layout.top, layout.right, layout.bottom};
    const Spectrogram* shown = spectrogram_.get();
    picture.draw = [layout, shown](Surface& pic) {
        DrawSpectrogramColumns(pic, layout, *shown, layout.firstColumn, layout.endColumn);
    };
    const double width = layout.right - layout.left, height = layout.bottom - layout.top;
    picture.x.title = Translate("Worksheet", "time (s)");
    picture.x.ticks = LinearTicks(layout.t0, 0, layout.t1, width, 0, width);
    picture.y.title = Translate("Worksheet", "frequency (Hz)");
    if (axis_ == SpectrogramAxis::linear) {
        picture.y.ticks = LinearTicks(layout.f0, height, layout.f1, 0, 0, height);
    } else {
        // The musical axis is logarithmic: 1, 2 and 5 times the powers of ten.
        for (double decade = 1; decade <= layout.f1; decade *= 10)
            for (double factor : {1.0, 2.0, 5.0})
                if (decade * factor >= layout.f0 && decade * factor <= layout.f1)
                    picture.y.ticks.push_back({layout.YOfFrequency(decade * factor) - layout.top,
                                               NumberText(decade * factor)});
    }
    picture.colourScale = WorksheetColourScale{Translate("Worksheet", "level (dB)"),
                                               kSpectrogramFloorDb, kSpectrogramTopDb, LevelColor};
    // The frames are weighted by the Hann window before each transform.
    picture.title =
        FillIn(Translate("Worksheet",
                         "Spectrogram of the sound file %1, level in dB, Hann window, "
                         "N = %2 points per frame, every %3 points"),
               {std::filesystem::path(path_).filename().string(),
                std::to_string(info.settings.frame), std::to_string(info.settings.hop)});
    return picture;
}

void SpectrogramWindowModel::Command2_Click() {
    if (path_.empty()) return;
    Start();
}

void SpectrogramWindowModel::Form_Unload() {
    view_.shown = false;
    spectrogram_.reset();
    view_["ProgressBar1"].visible = false;
}

}  // namespace quorbel
