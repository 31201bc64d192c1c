#pragma once
// A window whose client area is a persistent picture, with the controls and menus of
// its table around it: the bitmap window and the help pages. The picture may be larger
// than the part shown (the bitmap window draws in its outer size and shows its client
// area).
#include "ModelWindowView.h"

namespace quorbel {

class GraphWidget;
class ImageSurface;

class PictureWindowView : public ModelWindowView {
    Q_OBJECT

  public:
    // The picture is pictureWidth x pictureHeight twips; shownWidth x shownHeight of it
    // is shown (the whole picture when those are 0).
    PictureWindowView(QWidget* owner, const std::string& name, double pictureWidth,
                      double pictureHeight, double shownWidth = 0, double shownHeight = 0);
    ImageSurface& Surface();
    GraphWidget* Area() const { return area_; }

  protected:
    void LayOut(ControlBinder& binder, QVBoxLayout& layout) override;

  private:
    GraphWidget* area_;
    double shownWidth_;
    double shownHeight_;
};

}  // namespace quorbel
