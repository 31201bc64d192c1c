// The main window's inverse transform: the spectrum transformed back and compared
// with the original samples in the inverse-results window.
#include "fourier/InverseComparison.h"
#include "fourier/TransformDriver.h"
#include "platform/Translation.h"
#include "state/NumberText.h"
#include "state/QuotedText.h"
#include "windows/MainWindowModel.h"

namespace quorbel {

void MainWindowModel::mnuInverse_Click() {
    SetPointer(kPointerHourglass);
    inverse_->SetPointer(kPointerHourglass);
    inverse();
    SetPointer(kPointerDefault);
    inverse_->SetPointer(kPointerDefault);
}

void MainWindowModel::inverse() {
    SetPointer(kPointerHourglass);
    inverse_->SetPointer(kPointerHourglass);
    const int N = WholeNumber(state_.Get(Field::totalPoints));
    // The real-data inverse takes N/2 complex points, a power of two, and the working
    // arrays hold at most 32768 points.
    if (!IsPowerOfTwo(N / 2, kMaxInversePoints / 2) || N % 2 != 0) {
        platform_.MessageBox(FillIn(
            Translate("Messages",
                      "The inverse transform works on 2 to %1 points, a "
                      "power of two; the total number of points is %2. "
                      "Nothing was calculated."),
            {std::to_string(kMaxInversePoints), QuotedText(state_.Get(Field::totalPoints))}));
        return;
    }
    inverse_->Show();
    state_.inverseList = RealInverseList(state_.spectrumList, N / 2);
    inverse_->ShowResults(CompareInverse(state_.sampleList, state_.inverseList, N));
    UpdateSoundItems();
}

}  // namespace quorbel
