#include "windows/OpeningParamsModel.h"

#include <cmath>

#include "fourier/TransformDriver.h"
#include "state/NumberText.h"
#include "state/QuotedText.h"

namespace quorbel {

namespace {

using K = ControlKind;
using M = OpeningParamsModel;
using B = Behaviour<M>;

// The largest number of points the 16-bit field can hold.
constexpr double kMaxDialogPoints = 32767;

// Beside the points field while it holds a number the transform of calculated waves
// does not take; the value is still accepted.
constexpr const char* kPointsHint = "The FFT needs 1024 points (a power of two).";
constexpr const char* kPointsHintTip =
    "With another number of points f(t) is drawn but not transformed.";
static_assert(kCalculatedPoints == 1024, "the hint names the transform's number of points");

// The points as "Save" reads them: the leading number rounded to a whole number, halves
// to the even neighbour (text without a leading number counts as 0).
double PointsOf(const std::string& text) {
    return std::nearbyint(DecimalPrefix(text));
}

std::string Indexed(const char* name, int i) {
    return std::string(name) + "(" + std::to_string(i) + ")";
}

// The field of file position p: its control name and the name a message gives it.
struct FieldName {
    std::string control;
    std::string shown;
};
FieldName FieldOf(int p) {
    if (p == 0) return {"Text6", "Total number of points"};
    if (p == 1) return {"Text2", "Number of cycles (per second)"};
    const int row = (p - 2) / 3;
    const char* const controls[] = {"Text3", "Text4", "Text5"};
    const char* const shown[] = {"a", "b", "φ"};
    const int column = (p - 2) % 3;
    return {Indexed(controls[column], row),
            std::string(shown[column]) + " (row " + std::to_string(row + 1) + ")"};
}

ViewState InitialView() {
    ViewState view;
    view.caption = "FFT Quorbel - Opening Parameters";
    auto add = [&view](const std::string& name, K kind, const char* parent, const char* caption,
                       bool visible = true) {
        ControlState c;
        c.kind = kind;
        c.parent = parent;
        c.caption = caption;
        c.visible = visible;
        view.controls.emplace(name, c);
        view.order.push_back(name);
    };
    add("mnuFile", K::Menu, "", "File");
    add("mnuSaveItem", K::MenuItem, "mnuFile", "Save");
    add("mnuFileSep", K::Separator, "mnuFile", "-");
    add("mnuExitItem", K::MenuItem, "mnuFile", "Exit");
    add("mnuHelp", K::MenuItem, "", "Help");
    add("Label1", K::Label, "", "Total number of points");
    add("Text6", K::TextBox, "", "");
    add("Label7", K::Label, "", kPointsHint, false);
    view.controls["Label7"].tooltip = kPointsHintTip;
    add("Label3", K::Label, "", "Number of cycles (per second)");
    add("Text2", K::TextBox, "", "");
    add("Frame1", K::Frame, "", "Function to be analysed");
    add("Label4", K::Label, "Frame1", "a");
    add("Label5", K::Label, "Frame1", "b");
    add("Label6", K::Label, "Frame1", "φ");
    add("Image1", K::Label, "Frame1", "f(t) = a Sin(2πνt + φ)\nν = b × number of cycles");
    for (int i = 0; i < kWaveRows; ++i)
        for (const char* column : {"Text3", "Text4", "Text5"})
            add(Indexed(column, i), K::TextBox, "Frame1", "");
    add("Label2", K::Label, "",
        "Use this form if you want to modify the parameters which are used when the program "
        "is opened. After introducing the desired modifications, choose one of the buttons "
        "below, as you prefer.",
        false);
    add("Command1", K::Button, "", "Save");
    add("Command2", K::Button, "", "Cancel");
    add("Command3", K::Button, "", "Effective now");
    return view;
}

}  // namespace

OpeningParamsModel::OpeningParamsModel(Platform& platform, const ParamFile& file,
                                       std::function<void()> restartMain)
    : TableWindow(InitialView()),
      platform_(platform),
      file_(file),
      restartMain_(std::move(restartMain)) {}

const std::map<std::string, B>& OpeningParamsModel::Behaviours() {
    static const std::map<std::string, B> rows = [] {
        std::map<std::string, B> map = {
            {"mnuSaveItem", {.click = Do(&M::mnuSaveItem_Click)}},
            {"mnuExitItem", {.click = Do(&M::mnuExitItem_Click)}},
            {"mnuHelp", {.click = Do(&M::mnuHelp_Click)}},
            {"Command1", {.click = Do(&M::Command1_Click)}},
            {"Command2", {.click = Do(&M::Command2_Click)}},
            {"Command3", {.click = Do(&M::Command3_Click)}},
            {"Label2", {.click = Do(&M::Form_Click)}},
            {"Form2", {.click = Do(&M::Form_Click)}},
        };
        for (int p = 0; p < kParamValueCount; ++p)
            map.emplace(FieldOf(p).control,
                        B{.text = [p](const M& m) { return m.FieldText(p); },
                          .type = [p](M& m, const std::string& t) { m.SetFieldText(p, t); }});
        return map;
    }();
    return rows;
}

const std::string& OpeningParamsModel::FieldText(int position) const {
    return fields_.values.at(static_cast<size_t>(position));
}

void OpeningParamsModel::SetFieldText(int position, const std::string& text) {
    fields_.values.at(static_cast<size_t>(position)) = text;
    if (position == 0) ShowPointsHint();
}

void OpeningParamsModel::ShowPointsHint() {
    // Numbers outside the accepted range are refused by "Save" with a message instead.
    const double points = PointsOf(FieldText(0));
    view_["Label7"].visible =
        points >= 1 && points <= kMaxDialogPoints && points != kCalculatedPoints;
}

void OpeningParamsModel::Form_Load() {
    std::string error;
    if (std::optional<ParamRecord> record = file_.ReadAll(&error)) {
        fields_ = *record;
        ShowPointsHint();
        return;
    }
    platform_.MessageBox("The opening parameters cannot be read from " + file_.Path().string() +
                         " (" + error + "). Type them and choose \"Save\" to write a new file.");
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
    auto refuse = [this](int p, const std::string& why) {
        platform_.MessageBox("The field \"" + FieldOf(p).shown + "\" holds " +
                             QuotedText(FieldText(p)) + ", " + why + " Nothing was saved.");
        return std::nullopt;
    };
    ParamRows rows;
    const double points = PointsOf(FieldText(0));
    if (!(points >= 1 && points <= kMaxDialogPoints))
        return refuse(0, "which is not a number of points from 1 to 32767.");
    rows.points = static_cast<int>(points);
    std::optional<double> values[kParamValueCount];
    for (int p = 1; p < kParamValueCount; ++p) {
        values[p] = ParseNumber(FieldText(p));
        if (!values[p] || !std::isfinite(*values[p])) return refuse(p, "which is not a number.");
    }
    rows.cycles = *values[1];
    for (int i = 0; i < kWaveRows; ++i)
        for (int c = 0; c < 3; ++c)
            rows.rows[static_cast<size_t>(i)][static_cast<size_t>(c)] = *values[2 + 3 * i + c];
    return rows;
}

bool OpeningParamsModel::Save() {
    // Every field is converted before the file is touched, so a refusal leaves it as
    // it was.
    const std::optional<ParamRows> rows = Converted();
    if (!rows) return false;
    std::string error;
    if (file_.WriteFromWindow(*rows, &error)) return true;
    platform_.MessageBox("The opening parameters cannot be saved in " + file_.Path().string() +
                         " (" + error + ").");
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

}  // namespace quorbel
