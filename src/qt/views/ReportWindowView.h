#pragma once
// The report window: a top-level window of its own whose client area shows the report
// model's persistent surface, so what was written repaints after being covered. It
// follows the model's ViewState: shown, hidden and brought to the front.
#include <QWidget>
#include <functional>

#include "windows/ViewState.h"

namespace quorbel {

class GraphWidget;
class ImageSurface;

class ReportWindowView : public QWidget {
    Q_OBJECT

  public:
    // A window of its own that closes with `owner`.
    explicit ReportWindowView(QWidget* owner);

    ImageSurface& Surface();
    GraphWidget* Area() const { return area_; }
    void Sync(const ViewState& view);

    // Told when the user closes the window.
    std::function<void()> onClose;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    GraphWidget* area_;
    int raised_ = 0;
};

}  // namespace quorbel
