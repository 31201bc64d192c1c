#include "windows/BitmapWindowModel.h"

#include "platform/FileNames.h"
#include "platform/Translation.h"
#include "spectrum/SpectrumGraph.h"
#include "state/FileReplace.h"
#include "windows/ControlIndex.h"
#include "windows/ControlTable.h"

namespace quorbel {

namespace {

using K = ControlKind;
using M = BitmapWindowModel;

}  // namespace

// The picture fills the client area; the menu "File" is all the window holds.
const ControlTable<M>& M::Table() {
    static const ControlTable<M> table = {"Form8",
                                          "FFT Quorbel - Bitmap creating",
                                          kBitmapClientWidth,
                                          kBitmapClientHeight,
                                          {.unload = HANDLER(M, Form_Unload)},
                                          {
                                              {"mnuFile", K::Menu, "", "File"},
                                              {"mnuSaveItem",
                                               K::MenuItem,
                                               "mnuFile",
                                               "Save image",
                                               "",
                                               {.click = HANDLER(M, mnuSaveItem_Click)}},
                                              {"mnuFileSep", K::Separator, "mnuFile", "-"},
                                              {"mnuExitItem",
                                               K::MenuItem,
                                               "mnuFile",
                                               "Exit",
                                               "",
                                               {.click = HANDLER(M, mnuExitItem_Click)}},
                                          }};
    return table;
}

ViewState BitmapWindowInitialView() {
    return ViewOfTable(M::Table());
}

BitmapWindowModel::BitmapWindowModel(Platform& platform, Surface* form8)
    : TableWindow(Table()), platform_(platform), form8_(form8) {}

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
        platform_.SaveFileName(QT_TRANSLATE_NOOP("Filters", "Image Files (Bitmaps)(*.bmp)|*.bmp"));
    // A name typed without an extension gets ".bmp", as the dialog that asked about
    // replacing the file added it. A picture that cannot be written is reported and
    // the window stays open, so that another name can be tried; the old file, if any,
    // is left as it was.
    std::string error = "this window keeps no picture";
    if (name && !name->empty()) {
        const std::string file = WithDefaultExtension(*name, "bmp");
        if (!(form8_ && form8_->SaveBitmap(file, &error))) {
            platform_.MessageBox(CannotWriteMessage(file, error));
            return;
        }
    }
    view_.shown = false;
}

void BitmapWindowModel::mnuExitItem_Click() {
    view_.shown = false;
}

const ControlTable<BitmapWindowModel>& BitmapWindowTable() {
    return BitmapWindowModel::Table();
}

}  // namespace quorbel
