// The inverse-results window and the raw file window as the student sees them: built
// from their control tables over their own drawing surfaces, driven by real widget
// events on the offscreen platform. The sound file is written by the test.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>

#include "CompanionRun.h"
#include "QtViews.h"
#include "platform/Platform.h"
#include "rawfile/RawFile.h"
#include "state/ParamFile.h"
#include "views/GraphWidget.h"
#include "views/MainWindowView.h"
#include "views/WindowView.h"

namespace quorbel {
namespace {

using testing::CountPixels;

void Mouse(QWidget* widget, QEvent::Type type, int x, Qt::MouseButtons held) {
    const QPointF at(x, widget->height() / 2);
    QMouseEvent event(type, at, widget->mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

class RawAndInverseViewsTest : public testing::ShownMainWindow {
  protected:
    void SetUp() override {
        ShownMainWindow::SetUp();
        if (HasFatalFailure()) return;
        // A 300 Hz tone of 6000 samples at 22050 Hz.
        sound_ = (folder_ / "tone.raw").string();
        std::ofstream out(sound_, std::ios::binary);
        for (int k = 0; k < 6000; ++k)
            out.put(static_cast<char>(128 + std::lround(100 * std::sin(k * 0.0855))));
    }
    template <class T = QWidget>
    T* In(QWidget* window, const char* name) const {
        T* widget = window->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    std::string sound_;
};

TEST_F(RawAndInverseViewsTest, InverseShowsTheTableAndBothGraphs) {
    WindowView* form4 = view_->InverseWindow();
    EXPECT_FALSE(form4->isVisible());
    In<QAction>(view_.get(), "mnuInverse")->trigger();
    ASSERT_TRUE(form4->isVisible());
    EXPECT_EQ(form4->windowTitle(), "FFT Quorbel - Results of the inverse calculation");
    EXPECT_EQ(In<QListWidget>(form4, "List1")->count(), 1024);
    EXPECT_EQ(In<QLabel>(form4, "Label2")->text(), "Recovered Function");
    const QImage drawn = form4->Surface().Image();
    EXPECT_GT(CountPixels(drawn, qRgb(0, 128, 0)), 100);
    EXPECT_GT(CountPixels(drawn, qRgb(192, 0, 0)), 100);
}

// Each run lists its own points, as the companion lists them for the same parameters:
// a new amplitude, "Both" and "Inverse" again replace every row of the first run.
TEST_F(RawAndInverseViewsTest, EachInverseRunListsItsOwnPoints) {
    const auto listed = [&] {
        QListWidget* list = In<QListWidget>(view_->InverseWindow(), "List1");
        std::vector<std::string> rows;
        for (int i = 0; i < list->count(); ++i) rows.push_back(list->item(i)->text().toStdString());
        return rows;
    };
    const auto companion = [&](const std::string& record) {
        const std::filesystem::path params = folder_ / "companion.wr";
        std::ofstream(params, std::ios::binary) << record;
        std::vector<std::string> lines =
            testing::LinesOf(testing::RunCompanion({"--params", params.string(), "inverse"}).out);
        // The figures, an empty line and the errors come before the table.
        lines.erase(lines.begin(), lines.begin() + std::min<std::size_t>(7, lines.size()));
        return lines;
    };

    In<QAction>(view_.get(), "mnuInverse")->trigger();
    const std::vector<std::string> first = listed();
    EXPECT_EQ(first, companion(ParamFile::DefaultRecord()));

    QLineEdit* amplitude = In<QLineEdit>(view_.get(), "Text3(0)");
    amplitude->selectAll();
    QTest::keyClicks(amplitude, "9");
    In<QPushButton>(view_.get(), "Command17")->click();
    In<QAction>(view_.get(), "mnuInverse")->trigger();
    std::string nine = ParamFile::DefaultRecord();
    nine.replace(nine.find(",1,"), 3, ",9,");  // "1024,30,1,..." : a of row 1
    const std::vector<std::string> second = listed();
    EXPECT_NE(second, first);
    EXPECT_EQ(second, companion(nine));
}

TEST_F(RawAndInverseViewsTest, RawFilePlotSelectionAndTransfer) {
    In<QAction>(view_.get(), "mnuFilesrawItem")->trigger();
    WindowView* form6 = view_->RawFileWindow();
    ASSERT_TRUE(form6->isVisible());
    EXPECT_EQ(form6->windowTitle(), "FFT Quorbel - Files  *.raw");
    EXPECT_TRUE(In<QLabel>(form6, "Label5")->isVisible());

    platform_.openAnswers.push_back(sound_);
    In<QAction>(form6, "mnuOpen")->trigger();
    EXPECT_EQ(In<QLabel>(form6, "Label18")->text(), "6000");
    EXPECT_FALSE(In<QProgressBar>(form6, "ProgressBar1")->isVisible());
    GraphWidget* graph = form6->Graph("Picture2");
    ASSERT_TRUE(graph->isVisible());
    EXPECT_GT(CountPixels(graph->Surface().Image(), qRgb(0, 0, 255)), 200);

    // Dragging over most of the graph shows the band and the counts.
    Mouse(graph, QEvent::MouseButtonPress, 5, Qt::LeftButton);
    Mouse(graph, QEvent::MouseMove, graph->width() - 5, Qt::LeftButton);
    Mouse(graph, QEvent::MouseButtonRelease, graph->width() - 5, Qt::NoButton);
    QWidget* band = In(form6, "Picture3");
    EXPECT_TRUE(band->isVisible());
    EXPECT_GT(band->width(), graph->width() / 2);
    EXPECT_EQ(In<QLabel>(form6, "Label16")->text(), "4096");
    // The band is tinted glass over the graph: its background seen through the blue
    // fills most of it, and the blue plot still shows through.
    const QImage tinted = band->grab().toImage();
    const Color face = SeenThroughSelection(colors::kButtonFace);
    EXPECT_GT(CountPixels(tinted, qRgb(RedOf(face), GreenOf(face), BlueOf(face))),
              tinted.width() * tinted.height() / 2);
    EXPECT_GT(CountPixels(tinted, qRgb(0, 0, 255)), 100);

    QTest::mouseClick(In<QPushButton>(form6, "Command1"), Qt::LeftButton);
    EXPECT_EQ(view_->Model().State().dataSource, DataSource::RawFile);
    EXPECT_EQ(view_->Model().State().Get(Field::totalPoints), "4096");
    EXPECT_TRUE(platform_.messages.empty());
    EXPECT_GT(CountPixels(view_->Graph("Picture1")->Surface().Image(), qRgb(192, 0, 0)), 50);
}

}  // namespace
}  // namespace quorbel
