#pragma once
// The opening-parameters dialog: the two leading fields, the frame with the wave
// table's three columns, the help text and the buttons.
#include "ModelWindowView.h"

namespace quorbel {

class OpeningParamsView : public ModelWindowView {
    Q_OBJECT

  public:
    explicit OpeningParamsView(QWidget* owner) : ModelWindowView(owner, "Form2") {}

  protected:
    void LayOut(ControlBinder& binder, QVBoxLayout& layout) override;
};

}  // namespace quorbel
