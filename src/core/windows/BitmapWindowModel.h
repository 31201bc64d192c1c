#pragma once
// The bitmap window ("FFT Quorbel - Bitmap creating"): a persistent picture holding
// the spectrum curve redrawn without legend, scale or grid, and the menu "File" with
// "Save image" and "Exit". The main window draws into it while its bitmap request is
// set; "Save image" writes the picture as a Windows bitmap file.
#include <map>
#include <string>

#include "platform/Platform.h"
#include "state/DataList.h"
#include "surface/Surface.h"
#include "windows/Window.h"

namespace quorbel {

// The window's client area, and its outer size (frame, title bar and menu bar
// included), twips. The drawing derives its positions from the outer size, so the
// lowest part of the curve's area lies under the window's bottom edge.
inline constexpr double kBitmapClientWidth = 7470, kBitmapClientHeight = 3195;
inline constexpr double kBitmapOuterWidth = 7590, kBitmapOuterHeight = 3900;

// The window's control table with its state when the window is loaded.
ViewState BitmapWindowInitialView();

class BitmapWindowModel : public TableWindow<BitmapWindowModel> {
  public:
    // form8: the window's picture, kBitmapOuterWidth x kBitmapOuterHeight twips; none
    // when the driver shows no bitmap window (the drawing is then skipped).
    BitmapWindowModel(Platform& platform, Surface* form8);
    // The control table: besides the window itself, the one place that names its
    // handlers. Drivers reach them through Fire, which checks the control is reachable.
    static const ControlTable<BitmapWindowModel>& Table();

    // Replaces the picture with the curve of displayedValueList: the zero line at two
    // thirds of the outer height, the scale maximum at an eighth, both in single
    // precision.
    void DrawCurve(const DataList& displayedValueList);

    void Show();

  private:
    void Form_Unload();
    void mnuSaveItem_Click();  // "Save image"
    void mnuExitItem_Click();  // "Exit"

    Platform& platform_;
    Surface* form8_;
};

}  // namespace quorbel
