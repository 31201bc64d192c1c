#pragma once
// The views of the about window and the splash window.
#include "ModelWindowView.h"

namespace quorbel {

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
