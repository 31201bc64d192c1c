#pragma once
// The bitmap window: its menu "File" and the persistent picture the main window draws
// the curve into. The picture has the window's outer size (the drawing derives its
// positions from it); the window shows its client part.
#include "ModelWindowView.h"

namespace quorbel {

class GraphWidget;
class ImageSurface;

class BitmapWindowView : public ModelWindowView {
    Q_OBJECT

  public:
    explicit BitmapWindowView(QWidget* owner);
    ImageSurface& Surface();
    GraphWidget* Area() const { return area_; }

  protected:
    void LayOut(ControlBinder& binder, QVBoxLayout& layout) override;

  private:
    GraphWidget* area_;
};

}  // namespace quorbel
