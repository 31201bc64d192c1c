// The NMR window as the student sees it: opened from the main window's menu, a FID
// simulated by its button, the spectrum and the FID painted on the graphs, the phase
// slider and the read-out under a real pointer reaching the model and back.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

#include "NmrData.h"
#include "QtViews.h"
#include "views/GraphWidget.h"
#include "views/WindowView.h"

namespace quorbel {
namespace {

using testing::Child;
using testing::CountPixels;

bool Trace(QRgb c) {
    return qBlue(c) > 120 && qRed(c) < 60 && qGreen(c) < 60;
}

class NmrViewTest : public testing::ShownMainWindow {
  protected:
    WindowView* Window() const { return view_->Secondary("FormNmr"); }
};

TEST_F(NmrViewTest, SimulatesAndPaintsBothGraphs) {
    Child<QAction>(view_.get(), "mnuNmrItem")->trigger();
    WindowView* window = Window();
    ASSERT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "FFT Quorbel - NMR");
    QTest::mouseClick(Child<QPushButton>(window, "Command2"), Qt::LeftButton);
    EXPECT_GT(CountPixels(window->Graph("Picture1")->Surface().Image(), Trace), 300);
    EXPECT_GT(CountPixels(window->Graph("Picture2")->Surface().Image(), Trace), 300);
    EXPECT_EQ(Child<QLineEdit>(window, "Text3")->text(), "32768");
    EXPECT_GT(Child<QListWidget>(window, "List2")->count(), 5);
    // A simulated FID comes without apodization: its lines keep their own widths.
    EXPECT_TRUE(Child<QRadioButton>(window, "Option1")->isChecked());
    EXPECT_FALSE(Child<QRadioButton>(window, "Option2")->isChecked());

    Child<QSlider>(window, "Slider1")->setValue(90);
    EXPECT_DOUBLE_EQ(view_->Model().Nmr().Parameters().phc0, 90);
    EXPECT_EQ(Child<QLineEdit>(window, "Text4")->text(), "90");

    GraphWidget* graph = window->Graph("Picture1");
    const QPoint at(graph->width() / 2, graph->height() / 3);
    QMouseEvent move(QEvent::MouseMove, at, graph->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(graph, &move);
    EXPECT_NE(Child<QLabel>(window, "Label1")->text().indexOf("ppm"), -1);
}

TEST_F(NmrViewTest, TypedLinesReachTheList) {
    Child<QAction>(view_.get(), "mnuNmrItem")->trigger();
    WindowView* window = Window();
    auto* lines = Child<QListWidget>(window, "List3");
    EXPECT_EQ(lines->count(), 5);
    EXPECT_EQ(lines->currentRow(), -1);
    QTest::mouseClick(Child<QPushButton>(window, "Command14"), Qt::LeftButton);
    EXPECT_EQ(lines->count(), 0);
    Child<QLineEdit>(window, "Text8")->setText("4.5");
    QTest::mouseClick(Child<QRadioButton>(window, "Option13"), Qt::LeftButton);
    Child<QLineEdit>(window, "Text10")->setText("0.2");
    QTest::mouseClick(Child<QPushButton>(window, "Command12"), Qt::LeftButton);
    ASSERT_EQ(lines->count(), 1);
    EXPECT_EQ(lines->item(0)->text(), "4.5 ppm, amplitude 1, T2 0.2 s, s");
    lines->setCurrentRow(0);
    EXPECT_EQ(Child<QLineEdit>(window, "Text8")->text(), "4.5");
    QTest::mouseClick(Child<QPushButton>(window, "Command2"), Qt::LeftButton);
    EXPECT_TRUE(platform_.messages.empty());
    EXPECT_NE(Child<QLabel>(window, "Label3")->text().indexOf("width at half height 1.6 Hz"), -1)
        << Child<QLabel>(window, "Label3")->text().toStdString();
}

TEST_F(NmrViewTest, OpensARealExperiment) {
    Child<QAction>(view_.get(), "mnuNmrItem")->trigger();
    platform_.openAnswers.push_back(testing::NmrData("strychnine-1h/10/acqus").string());
    QTest::mouseClick(Child<QPushButton>(Window(), "Command1"), Qt::LeftButton);
    EXPECT_TRUE(platform_.messages.empty());
    EXPECT_EQ(Child<QLineEdit>(Window(), "Text3")->text(), "131072");
    EXPECT_NE(Child<QLabel>(Window(), "Label4")->text().indexOf("131072"), -1);
}

}  // namespace
}  // namespace quorbel
