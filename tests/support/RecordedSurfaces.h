#pragma once
// Recording surfaces for every picture of the main window and of the secondary windows
// it draws on, each of the size the window gives it, for a window driven without a
// display.
#include "surface/RecordingSurface.h"
#include "windows/MainWindowModel.h"

namespace quorbel::testing {

struct RecordedSurfaces {
    RecordingSurface picture1{kPicture1Width, kPicture1Height};
    RecordingSurface picture2{kPicture2Width, kPicture2Height};
    RecordingSurface picture8{kHalfGraphWidth, kHalfGraphHeight};
    RecordingSurface picture9{kHalfGraphWidth, kHalfGraphHeight};
    RecordingSurface form5{kReportWidth, kReportHeight};
    RecordingSurface picture5{music::kCanvasWidth, music::kCanvasHeight};
    RecordingSurface form8{kBitmapOuterWidth, kBitmapOuterHeight};
    // The raw file window: the window itself, its graph's frame, the graph and the
    // inverted plot seen through the selection band.
    RecordingSurface form6{kForm6Width, kForm6Height};
    RecordingSurface rawFrame{kRawFrameWidth, kRawFrameHeight};
    RecordingSurface rawGraph{kRawGraphWidth, kRawGraphHeight};
    RecordingSurface rawInverse{kRawGraphWidth, kRawGraphHeight};
    RawFileSurfaces rawSurfaces{form6, rawFrame, rawGraph, rawInverse};

    // All of them; the inverse-results window and the help pages draw on records of
    // their own.
    MainWindowSurfaces All() {
        return {picture1,  picture2, picture8,     picture9, form5,
                &picture5, nullptr,  &rawSurfaces, &form8};
    }
    // The graphs and the report only: every secondary window draws on its own record.
    MainWindowSurfaces GraphsAndReport() { return {picture1, picture2, picture8, picture9, form5}; }
};

}  // namespace quorbel::testing
