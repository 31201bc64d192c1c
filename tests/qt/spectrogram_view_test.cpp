// The spectrogram window as the student sees it: opened from the raw file window's
// menu, analysed a slice at a time from the event loop while the windows answer, its
// read-out under a real pointer and its axis switch.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <cmath>
#include <fstream>

#include "QtViews.h"
#include "views/GraphWidget.h"
#include "views/WindowView.h"

namespace quorbel {
namespace {

using testing::Child;
using testing::CountPixels;

class SpectrogramViewTest : public testing::ShownMainWindow {
  protected:
    void SetUp() override {
        ShownMainWindow::SetUp();
        if (HasFatalFailure()) return;
        // 40 s of a 689 Hz tone at 22050 Hz: bytes of a ".raw" file, long enough for
        // the graph's scroll bar and for many slices of the analysis.
        sound_ = (folder_ / "tone.raw").string();
        std::ofstream out(sound_, std::ios::binary);
        for (int k = 0; k < 40 * 22050; ++k)
            out.put(static_cast<char>(128 + std::lround(120 * std::sin(k * 0.19635))));
    }
    std::string sound_;
};

TEST_F(SpectrogramViewTest, OpensFromTheRawWindowAndFillsInFromTheEventLoop) {
    Child<QAction>(view_.get(), "mnuFilesrawItem")->trigger();
    WindowView* form6 = view_->RawFileWindow();
    const QSize rawSize = form6->size();
    platform_.openAnswers.push_back(sound_);
    Child<QAction>(form6, "mnuOpen")->trigger();
    auto* scroll = Child<QScrollBar>(form6, "HScroll1");
    ASSERT_TRUE(scroll->isVisible());
    // A later stretch: the graph keeps its place and the window its size.
    scroll->setValue(scroll->maximum() / 2);
    EXPECT_NE(Child<QLabel>(form6, "Label22")->text().indexOf("From "), -1);
    EXPECT_EQ(form6->size(), rawSize);

    Child<QAction>(form6, "mnuSpectrogram")->trigger();
    WindowView* window = view_->SpectrogramWindow();
    ASSERT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "FFT Quorbel - Spectrogram");
    auto* progress = Child<QProgressBar>(window, "ProgressBar1");
    EXPECT_TRUE(progress->isVisible());
    // The analysis runs from the event loop until the bar goes.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !progress->isVisible(); }, 20000));
    GraphWidget* graph = window->Graph("Picture1");
    const QImage linear = graph->Surface().Image();
    // The tone's row in viridis yellow across the picture.
    const int yellow = CountPixels(
        linear, +[](QRgb c) { return qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) < 100; });
    EXPECT_GT(yellow, 300);

    // The pointer over the tone reads its note.
    const SpectrogramLayout& l = view_->Model().RawFile().Spectrogram().Layout();
    const double perPixel = graph->Surface().Width() / graph->width();
    const QPointF at(l.XOfTime(20) / perPixel, l.YOfFrequency(689) / perPixel);
    QMouseEvent move(QEvent::MouseMove, at, graph->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(graph, &move);
    const QString readout = Child<QLabel>(window, "Label1")->text();
    EXPECT_TRUE(readout.startsWith("20.0")) << readout.toStdString();
    EXPECT_NE(readout.indexOf("F5"), -1) << readout.toStdString();
    EXPECT_NE(readout.indexOf(" dB"), -1) << readout.toStdString();

    QTest::mouseClick(Child<QRadioButton>(window, "Option2"), Qt::LeftButton);
    EXPECT_TRUE(Child<QRadioButton>(window, "Option2")->isChecked());
    EXPECT_NE(graph->Surface().Image(), linear);
    // The keyboard's white keys beside the picture.
    EXPECT_GT(CountPixels(graph->Surface().Image(), qRgb(255, 255, 255)), 500);
}

}  // namespace
}  // namespace quorbel
