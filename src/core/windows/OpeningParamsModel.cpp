#include "windows/OpeningParamsModel.h"

#include <cmath>
#include <optional>

#include "fourier/TransformDriver.h"
#include "platform/DecimalMark.h"
#include "platform/Translation.h"
#include "state/NumberText.h"
#include "state/QuotedText.h"
#include "synthesis/WaveSynthesis.h"
#include "windows/ControlIndex.h"
#include "windows/ControlTable.h"
#include "windows/OpeningRecordRange.h"

namespace quorbel {

namespace {

using K = ControlKind;
using M = OpeningParamsModel;
using B = Behaviour<M>;

// Beside the points field while it holds a number the transform of calculated waves
// does not take; the value is still accepted.
constexpr const char* kPointsHint = "The FFT needs 1024 points (a power of two).";
constexpr const char* kPointsHintTip =
    "With another number of points f(t) is drawn but not transformed.";
static_assert(kCalculatedPoints == 1024, "the hint names the transform's number of points");

// The value of the field at file position p as the file will hold it: its number
// written as number text and read back. nullopt, with the end of the sentence that
// refuses it, when the reader of the file would not take it.
struct FieldValue {
    std::optional<double> value;
    const char* refusal = nullptr;
};
// The points as "Save" reads them: the leading number of the text rounded to a whole
// number, halves to the even neighbour ("1024abc" saves 1024, "512.5" saves 512), when
// that lies from 1 to 32768. A comma is refused, as every other field refuses it:
// "2,048" or "1,5" would otherwise save 2 or 1.
std::optional<double> PointsOf(const std::string& text) {
    const double points = std::nearbyint(DecimalPrefix(text));
    if (text.find(',') != std::string::npos || !(points >= kMinPoints && points <= kMaxPoints))
        return std::nullopt;
    return points;
}

FieldValue Convert(int p, const std::string& text) {
    if (p == 0) {
        if (const std::optional<double> points = PointsOf(text)) return {points, nullptr};
        return {std::nullopt, QT_TRANSLATE_NOOP("Messages",
                                                "which is not a whole number from 1 to 32768. "
                                                "Type a whole number of points and save again.")};
    }
    switch (CheckParamValue(p, text)) {
        case ParamValueFault::notANumber:
            // Text in the points field is told what a number of points is.
            if (p != 0)
                return {std::nullopt,
                        QT_TRANSLATE_NOOP("Messages",
                                          "which is not a number. Type a number, with %1 as "
                                          "the decimal mark, and save again.")};
            [[fallthrough]];
        case ParamValueFault::pointsOutOfBounds:
            return {std::nullopt,
                    QT_TRANSLATE_NOOP("Messages",
                                      "which is not a whole number from 1 to 32768. "
                                      "Type a whole number of points and save again.")};
        case ParamValueFault::none:
            break;
    }
    // The 15 digits of the file can round the largest numbers beyond the range.
    const std::string written = NumberText(*ParseNumber(text));
    if (CheckParamValue(p, written) != ParamValueFault::none)
        return {std::nullopt, QT_TRANSLATE_NOOP("Messages",
                                                "which lies beyond the range of numbers. Type a "
                                                "smaller number and save again.")};
    return {ParseNumber(written), nullptr};
}
static_assert(kMinPoints == 1 && kMaxPoints == 32768, "the refusal names the bounds");

// The field of file position p: its control name and the name a message gives it.
struct FieldName {
    std::string control;
    std::string shown;
};
FieldName FieldOf(int p) {
    if (p == 0) return {"Text6", Translate("Messages", "Total number of points")};
    if (p == 1) return {"Text2", Translate("Messages", "Number of cycles (per second)")};
    const int row = (p - 2) / 3;
    const char* const controls[] = {"Text3", "Text4", "Text5"};
    const char* const shown[] = {"a", "b", "φ"};
    const int column = (p - 2) % 3;
    return {Indexed(controls[column], row),
            shown[column] + FillIn(Translate("Messages", " (row %1)"), {std::to_string(row + 1)})};
}

constexpr double kLine = 255, kField = 300;
// The wave table: three columns of ten cells, the formula beside them.
constexpr double kCellLeft = 120, kCellWidth = 1200, kCellPitch = 1320;
constexpr double kCellTop = 510, kCellRowPitch = 315;

B Field(int p) {
    return {.text = [p](const M& m) { return m.FieldText(p); },
            .type = [p](M& m, const std::string& t) { m.SetFieldText(p, t); }};
}

// A column of the wave table: file positions 2 + column, 5 + column, ...
ArrayOf<M> Column(int column) {
    return {kWaveRows, 0, kCellRowPitch, [column](int i) { return Field(2 + 3 * i + column); }};
}

}  // namespace

const ControlTable<M>& M::Table() {
    static const ControlTable<M> table = {
        "Form2",
        "FFT Quorbel - Opening Parameters",
        kOpeningParamsWidth,
        kOpeningParamsHeight,
        // The background hides the help text.
        {.click = HANDLER(M, Form_Click), .unload = HANDLER(M, Form_Unload)},
        {
            {"mnuFile", K::Menu, "", "File"},
            {"mnuSaveItem",
             K::MenuItem,
             "mnuFile",
             "Save",
             "",
             {.click = HANDLER(M, mnuSaveItem_Click)}},
            {"mnuFileSep", K::Separator, "mnuFile", "-"},
            {"mnuExitItem",
             K::MenuItem,
             "mnuFile",
             "Exit",
             "",
             {.click = HANDLER(M, mnuExitItem_Click)}},
            {"mnuHelp", K::MenuItem, "", "Help", "", {.click = HANDLER(M, mnuHelp_Click)}},
            {"Label1",
             K::Label,
             "",
             "Total number of points",
             "",
             {},
             kPlain,
             {120, 120, 2880, kField}},
            {"Text6", K::TextBox, "", "", "", Field(0), kPlain, {3120, 120, 1200, kField}},
            // Beside the points field and the cycles field below it, in two lines.
            {"Label7",
             K::Label,
             "",
             kPointsHint,
             kPointsHintTip,
             {},
             kHidden,
             {4440, 120, 2280, 660}},
            {"Label3",
             K::Label,
             "",
             "Number of cycles (per second)",
             "",
             {},
             kPlain,
             {120, 480, 2880, kField}},
            {"Text2", K::TextBox, "", "", "", Field(1), kPlain, {3120, 480, 1200, kField}},
            {"Frame1",
             K::Frame,
             "",
             "Function to be analysed",
             "",
             {},
             kPlain,
             {120, 900, 6600, 3780}},
            {"Label4",
             K::Label,
             "Frame1",
             "a",
             "",
             {},
             kPlain,
             {kCellLeft, 240, kCellWidth, kLine}},
            {"Label5",
             K::Label,
             "Frame1",
             "b",
             "",
             {},
             kPlain,
             {kCellLeft + kCellPitch, 240, kCellWidth, kLine}},
            {"Label6",
             K::Label,
             "Frame1",
             "φ",
             "",
             {},
             kPlain,
             {kCellLeft + 2 * kCellPitch, 240, kCellWidth, kLine}},
            {"Text3",
             K::TextBox,
             "Frame1",
             "",
             "",
             {},
             kPlain,
             {kCellLeft, kCellTop, kCellWidth, kField},
             {},
             {},
             Column(0)},
            {"Text4",
             K::TextBox,
             "Frame1",
             "",
             "",
             {},
             kPlain,
             {kCellLeft + kCellPitch, kCellTop, kCellWidth, kField},
             {},
             {},
             Column(1)},
            {"Text5",
             K::TextBox,
             "Frame1",
             "",
             "",
             {},
             kPlain,
             {kCellLeft + 2 * kCellPitch, kCellTop, kCellWidth, kField},
             {},
             {},
             Column(2)},
            {"Image1",
             K::Label,
             "Frame1",
             "f(t) = a Sin(2πνt + φ)\nν = b × number of cycles",
             "",
             {},
             kPlain,
             {kCellLeft + 3 * kCellPitch - 60, 1560, 2580, 600}},
            // The help text has its own place above the buttons, empty while hidden.
            {"Label2",
             K::Label,
             "",
             "Use this form if you want to modify the parameters which are used when the "
             "program is opened. After introducing the desired modifications, choose one of "
             "the buttons below, as you prefer.",
             "",
             {.click = HANDLER(M, Form_Click)},
             kHidden,
             {120, 4800, 6600, 720}},
            {"Command1",
             K::Button,
             "",
             "Save",
             "",
             {.click = HANDLER(M, Command1_Click)},
             kPlain,
             {120, 5580, 1800, 360}},
            {"Command2",
             K::Button,
             "",
             "Cancel",
             "",
             {.click = HANDLER(M, Command2_Click)},
             kPlain,
             {2520, 5580, 1800, 360}},
            {"Command3",
             K::Button,
             "",
             "Effective now",
             "",
             {.click = HANDLER(M, Command3_Click)},
             kPlain,
             {4920, 5580, 1800, 360}},
        }};
    return table;
}

ViewState OpeningParamsInitialView() {
    return ViewOfTable(M::Table());
}

OpeningParamsModel::OpeningParamsModel(Platform& platform, const ParamFile& file,
                                       std::function<void()> restartMain)
    : TableWindow(Table()),
      platform_(platform),
      file_(file),
      restartMain_(std::move(restartMain)) {}

const std::string& OpeningParamsModel::FieldText(int position) const {
    return fields_.values.at(static_cast<size_t>(position));
}

void OpeningParamsModel::SetFieldText(int position, const std::string& text) {
    fields_.values.at(static_cast<size_t>(position)) = text;
    if (position == 0) ShowPointsHint();
}

void OpeningParamsModel::ShowPointsHint() {
    // Text that is no number of points is refused by "Save" with a message instead.
    const std::optional<double> points = PointsOf(FieldText(0));
    view_["Label7"].visible = points && *points != kCalculatedPoints;
}

void OpeningParamsModel::Form_Load() {
    std::string error;
    if (std::optional<ParamRecord> record = file_.ReadAll(&error)) {
        fields_ = *record;
        ShowPointsHint();
        return;
    }
    platform_.MessageBox(FillIn(Translate("Messages",
                                          "The opening parameters cannot be read from %1 "
                                          "(%2). Type them and choose \"Save\" to write a "
                                          "new file."),
                                {file_.Path().string(), error}));
}

void OpeningParamsModel::Show() {
    view_.shown = true;
    ++view_.raised;
}

void OpeningParamsModel::Form_Unload() {
    view_.shown = false;
    view_["Label2"].visible = false;
}

std::optional<ParamRows> OpeningParamsModel::Converted() {
    // The fields follow the rule the reader of the file applies, and the record the
    // start-up's computations, so that a saved record is never set aside at the next
    // start.
    double values[kParamValueCount];
    for (int p = 0; p < kParamValueCount; ++p) {
        const FieldValue field = Convert(p, FieldText(p));
        if (!field.value) {
            platform_.MessageBox(
                FillIn(Translate("Messages", "The field \"%1\" holds %2, %3"),
                       {FieldOf(p).shown, QuotedText(FieldText(p)),
                        FillIn(Translate("Messages", field.refusal), {DecimalMarksAccepted()})}));
            return std::nullopt;
        }
        values[p] = *field.value;
    }
    ParamRows rows;
    rows.points = static_cast<int>(values[0]);
    rows.cycles = values[1];
    for (int i = 0; i < kWaveRows; ++i)
        for (int c = 0; c < 3; ++c)
            rows.rows[static_cast<size_t>(i)][static_cast<size_t>(c)] = values[2 + 3 * i + c];
    if (!OpeningRecordComputes(rows)) {
        platform_.MessageBox(Translate("Messages", kValuesOutOfRange) + " " +
                             Translate("Messages", "Nothing was saved."));
        return std::nullopt;
    }
    return rows;
}

bool OpeningParamsModel::Save() {
    // Every field is converted before the file is touched, so a refusal leaves it as
    // it was.
    const std::optional<ParamRows> rows = Converted();
    if (!rows) return false;
    std::string error;
    if (file_.WriteFromWindow(*rows, &error)) return true;
    platform_.MessageBox(
        FillIn(Translate("Messages", "The opening parameters cannot be saved in %1 (%2)."),
               {file_.Path().string(), error}));
    return false;
}

void OpeningParamsModel::Command1_Click() {
    Save();
}

void OpeningParamsModel::Command2_Click() {
    Form_Unload();
}

void OpeningParamsModel::Command3_Click() {
    if (!Save()) return;
    if (restartMain_) restartMain_();
    Form_Unload();
}

void OpeningParamsModel::mnuHelp_Click() {
    view_["Label2"].visible = true;
}

void OpeningParamsModel::Form_Click() {
    view_["Label2"].visible = false;
}

const ControlTable<OpeningParamsModel>& OpeningParamsTable() {
    return OpeningParamsModel::Table();
}

}  // namespace quorbel
