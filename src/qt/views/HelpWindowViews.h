#pragma once
// The views of the help pages, the about window and the splash window.
#include "ModelWindowView.h"

namespace quorbel {

class GraphWidget;
class ImageSurface;

// A help page: its picture with the page text, and the phase page's buttons.
class HelpWindowView : public ModelWindowView {
    Q_OBJECT

  public:
    HelpWindowView(QWidget* owner, const std::string& name, double widthTwips, double heightTwips);
    ImageSurface& Surface();
    GraphWidget* Area() const { return area_; }

  protected:
    void LayOut(ControlBinder& binder, QVBoxLayout& layout) override;

  private:
    GraphWidget* area_;
};

class AboutWindowView : public ModelWindowView {
    Q_OBJECT

  public:
    explicit AboutWindowView(QWidget* owner) : ModelWindowView(owner, "frmAbout") {}

  protected:
    void LayOut(ControlBinder& binder, QVBoxLayout& layout) override;
};

// Closes on a click anywhere and on any key.
class SplashWindowView : public ModelWindowView {
    Q_OBJECT

  public:
    explicit SplashWindowView(QWidget* owner) : ModelWindowView(owner, "frmSplash") {}
    std::function<void()> onKey;

  protected:
    void LayOut(ControlBinder& binder, QVBoxLayout& layout) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace quorbel
