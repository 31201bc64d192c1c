#include "windows/BitmapWindowModel.h"

#include "spectrum/SpectrumGraph.h"
#include "state/FileReplace.h"
#include "windows/ControlRows.h"

namespace quorbel {

namespace {

using K = ControlKind;
using M = BitmapWindowModel;

ViewState InitialView() {
    return ViewOfRows("FFT Quorbel - Bitmap creating",
                      {{"mnuFile", K::Menu, "", "File"},
                       {"mnuSaveItem", K::MenuItem, "mnuFile", "Save image"},
                       {"mnuFileSep", K::Separator, "mnuFile", "-"},
                       {"mnuExitItem", K::MenuItem, "mnuFile", "Exit"}});
}

}  // namespace

BitmapWindowModel::BitmapWindowModel(Platform& platform, Surface* form8)
    : TableWindow(InitialView()), platform_(platform), form8_(form8) {}

const std::map<std::string, Behaviour<M>>& BitmapWindowModel::Behaviours() {
    static const std::map<std::string, Behaviour<M>> rows = {
        {"mnuSaveItem", {.click = Do(&M::mnuSaveItem_Click)}},
        {"mnuExitItem", {.click = Do(&M::mnuExitItem_Click)}},
    };
    return rows;
}

void BitmapWindowModel::DrawCurve(const DataList& displayedValueList) {
    if (!form8_) return;
    const float H = static_cast<float>(form8_->Height());
    const float y0 = H * 2 / 3;
    const float yTop = H / 8;
    form8_->Cls();
    DrawTraceBetween(*form8_, displayedValueList, y0, yTop);
}

void BitmapWindowModel::Show() {
    view_.shown = true;
    ++view_.raised;
}

void BitmapWindowModel::Form_Unload() {
    view_.shown = false;
}

void BitmapWindowModel::mnuSaveItem_Click() {
    const std::optional<std::string> name =
        platform_.SaveFileName("Image Files (Bitmaps)(*.bmp)|*.bmp");
    // A picture that cannot be written is reported and the window stays open, so that
    // another name can be tried; the old file, if any, is left as it was.
    std::string error = "this window keeps no picture";
    if (name && !name->empty() && !(form8_ && form8_->SaveBitmap(*name, &error))) {
        platform_.MessageBox(CannotWriteMessage(*name, error));
        return;
    }
    view_.shown = false;
}

void BitmapWindowModel::mnuExitItem_Click() {
    view_.shown = false;
}

}  // namespace quorbel
