#pragma once
// The main window drawn on image surfaces, with a platform that writes the pictures it
// exports as real files in a temporary folder: what the export tests of the plain and
// the worksheet pictures share.
#include <QString>
#include <QTemporaryDir>
#include <string>

#include "RecordingPlatform.h"
#include "surface/ImageSurface.h"
#include "surface/PictureFile.h"
#include "surface/TextGridSurface.h"
#include "windows/MainWindowModel.h"

namespace quorbel::testing {

class PictureFilePlatform : public RecordingPlatform {
  public:
    bool ExportPicture(const PictureRequest& request, std::string* error) override {
        return WritePictureFile(request, error);
    }
};

// The window's own parameter file lives in the folder, so nothing outside it is touched.
class PictureWindow {
  public:
    PictureWindow()
        : window_(
              platform_, ParamFile(Path("Zparamfile.wr").toStdString()),
              MainWindowSurfaces{picture1_, picture2_, picture8_, picture9_, form5_, &picture5_}) {}

    QString Path(const char* name) const { return folder_.filePath(QString::fromUtf8(name)); }

  protected:
    QTemporaryDir folder_;
    PictureFilePlatform platform_;
    ImageSurface picture1_{kPicture1Width, kPicture1Height};
    ImageSurface picture2_{kPicture2Width, kPicture2Height};
    ImageSurface picture8_{kHalfGraphWidth, kHalfGraphHeight};
    ImageSurface picture9_{kHalfGraphWidth, kHalfGraphHeight};
    TextGridSurface form5_{kReportWidth, kReportHeight};
    ImageSurface picture5_{music::kCanvasWidth, music::kCanvasHeight};
    MainWindowModel window_;
};

}  // namespace quorbel::testing
