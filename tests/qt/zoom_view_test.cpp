// The zoom of the "View" menu reaches every window: control places, fonts, the graphs'
// widgets and the pictures' pixels grow by it, the pictures drawn again on more pixels
// rather than stretched, and the companion's render draws its graphs at the zoom asked
// for; "Axes" adds scales in the margins of its f(t) picture.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "CompanionRun.h"
#include "QtViews.h"
#include "state/ViewSettings.h"
#include "surface/ImageSurface.h"
#include "views/GraphWidget.h"
#include "views/WindowView.h"
#include "views/Zoom.h"
#include "windows/MainWindowAxes.h"
#include "windows/MainWindowLayout.h"

namespace quorbel {
namespace {

namespace fs = std::filesystem;
using testing::Child;

// What the test compares between two zooms.
struct Sizes {
    QRect button, field, graph;
    QSize image, client, report;
    double fieldPoints = 0, windowPoints = 0, menuPoints = 0, applicationPoints = 0;
};

class ZoomView : public testing::ShownMainWindow {
  protected:
    void TearDown() override {
        // The next test's windows start at 100 %.
        if (view_) Choose("mnuZoom100Item");
    }
    void Choose(const char* item) {
        Child<QAction>(view_.get(), item)->trigger();
        QCoreApplication::processEvents();
    }
    Sizes Measure() {
        Sizes s;
        s.button = Child(view_.get(), "Command17")->geometry();
        auto* field = Child<QLineEdit>(view_.get(), "Text1");
        s.field = field->geometry();
        s.fieldPoints = field->font().pointSizeF();
        s.windowPoints = view_->font().pointSizeF();
        s.menuPoints = view_->menuBar()->font().pointSizeF();
        s.applicationPoints = QApplication::font().pointSizeF();
        s.graph = view_->Graph("Picture1")->geometry();
        s.image = view_->Graph("Picture1")->Surface().Image().size();
        s.client = view_->Controls()->Client()->size();
        s.report = view_->ReportWindow()->Client()->size();
        return s;
    }
};

// A length in pixels at twice the zoom: twice as long, within the cut of whole pixels.
void ExpectDouble(int small, int large, const char* what) {
    EXPECT_GE(large, 2 * small - 1) << what;
    EXPECT_LE(large, 2 * small + 1) << what;
}

TEST_F(ZoomView, DoublesPlacesFontsGraphsAndPicturesOfEveryWindow) {
    const Sizes at100 = Measure();
    Choose("mnuZoom200Item");
    EXPECT_EQ(view_->Model().Viewing().zoom, 200);
    EXPECT_DOUBLE_EQ(ScreenZoom(), 2.0);
    const Sizes at200 = Measure();
    for (auto [small, large, what] :
         {std::tuple{at100.button.x(), at200.button.x(), "button left"},
          {at100.button.y(), at200.button.y(), "button top"},
          {at100.button.width(), at200.button.width(), "button width"},
          {at100.field.height(), at200.field.height(), "field height"},
          {at100.graph.x(), at200.graph.x(), "graph left"},
          {at100.graph.width(), at200.graph.width(), "graph width"},
          {at100.graph.height(), at200.graph.height(), "graph height"},
          {at100.client.width(), at200.client.width(), "client width"},
          {at100.client.height(), at200.client.height(), "client height"},
          {at100.report.width(), at200.report.width(), "report width"},
          {at100.report.height(), at200.report.height(), "report height"}})
        ExpectDouble(small, large, what);
    // The pictures have exactly twice the pixels each way.
    EXPECT_EQ(at200.image, at100.image * 2);
    EXPECT_DOUBLE_EQ(at200.fieldPoints, 2 * at100.fieldPoints);
    EXPECT_DOUBLE_EQ(at200.windowPoints, 2 * at100.windowPoints);
    EXPECT_DOUBLE_EQ(at200.menuPoints, 2 * at100.menuPoints);
    // The menus and message boxes take the application's font at the zoom.
    EXPECT_DOUBLE_EQ(at200.applicationPoints, 2 * at100.applicationPoints);

    // Back to 100 %: everything where it was.
    Choose("mnuZoom100Item");
    const Sizes back = Measure();
    EXPECT_EQ(back.button, at100.button);
    EXPECT_EQ(back.graph, at100.graph);
    EXPECT_EQ(back.image, at100.image);
    EXPECT_EQ(back.client, at100.client);
    EXPECT_EQ(back.report, at100.report);
    EXPECT_DOUBLE_EQ(back.fieldPoints, at100.fieldPoints);
}

TEST_F(ZoomView, ThePictureIsDrawnAgainNotStretched) {
    constexpr QRgb kTrace = qRgb(192, 0, 0);
    const QImage at100 = view_->Graph("Picture1")->Surface().Image();
    Choose("mnuZoom200Item");
    const QImage at200 = view_->Graph("Picture1")->Surface().Image();
    // Drawn again, the trace is longer and wider, in its own colour (a stretched
    // picture would blend its edges into the ground).
    EXPECT_GT(2 * testing::CountPixels(at200, kTrace), 3 * testing::CountPixels(at100, kTrace));
    // The same picture as the companion draws at that zoom from the start.
    ImageSurface fresh(kPicture1Width, kPicture1Height, 96, 1);
    fresh.SetZoom(2);
    view_->Model().DrawFftGraph(fresh);
    EXPECT_EQ(at200, fresh.Image());
}

TEST_F(ZoomView, TheKeysStepThroughTheSizes) {
    auto* main = view_.get();
    QTest::keyClick(main, Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(view_->Model().Viewing().zoom, 125);
    QTest::keyClick(main, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(view_->Model().Viewing().zoom, 150);
    QTest::keyClick(main, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(view_->Model().Viewing().zoom, 125);
    QTest::keyClick(main, Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(view_->Model().Viewing().zoom, 100);
}

TEST_F(ZoomView, TheNextWindowStartsAtTheKeptZoom) {
    Choose("mnuZoom150Item");
    const double points = Child<QLineEdit>(view_.get(), "Text1")->font().pointSizeF();
    view_.reset();
    SetScreenZoom(1);
    EXPECT_EQ(ReadViewSettings(ViewSettingsPath(paramFile_)).zoom, 150);
    view_ = std::make_unique<MainWindowView>(platform_, paramFile_);
    ASSERT_TRUE(view_->Load());
    EXPECT_EQ(view_->Model().Viewing().zoom, 150);
    EXPECT_DOUBLE_EQ(Child<QLineEdit>(view_.get(), "Text1")->font().pointSizeF(), points);
}

TEST_F(ZoomView, TheMouseNamesTheSameTwipsAtAnyZoom) {
    std::vector<double> seen;
    GraphWidget* graph = view_->Graph("Picture2");
    graph->SetMouseMoveHandler([&](int, int, double x, double) { seen.push_back(x); });
    auto move = [graph](QPointF at) {
        QMouseEvent event(QEvent::MouseMove, at, graph->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(graph, &event);
    };
    move(QPointF(100, 20));
    Choose("mnuZoom200Item");
    move(QPointF(200, 40));
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_NEAR(seen[0], 1500, 1);
    EXPECT_NEAR(seen[1], seen[0], 1);
}

// --- the surface itself

void DrawSome(ImageSurface& s) {
    s.Cls();
    s.Line(0, 0, 4000, 2000, colors::kDarkRed);
    s.Circle(2000, 1000, 500, colors::kDarkBlue);
    s.FillRect(300, 300, 900, 600, Rgb(0, 128, 0));
    s.SetFontName("Arial");
    s.SetFontSize(10);
    s.SetCurrentX(1500);
    s.SetCurrentY(200);
    s.PrintText("f(t) 0.25");
    s.Raster(100, 1500, 700, 1900, 2, 2, {colors::kBlack, colors::kWhite, colors::kWhite, 0});
}

TEST(ZoomedSurface, DrawsAgainExactlyAsAtThatZoomFromTheStart) {
    for (double zoom : {1.25, 1.5, 2.0}) {
        ImageSurface later(4500, 2400, 96, 1);
        DrawSome(later);
        later.SetZoom(zoom);
        ImageSurface direct(4500, 2400, 96, 1);
        direct.SetZoom(zoom);
        DrawSome(direct);
        EXPECT_EQ(later.Image(), direct.Image()) << zoom;
        EXPECT_EQ(later.Image().devicePixelRatio(), zoom);
    }
}

TEST(ZoomedSurface, KeepsItsKeptPictureAndWritesBitmapsAtItsOwnSize) {
    ImageSurface surface(4500, 2400, 96, 1);
    const std::vector<double> key = {1};
    auto kept = [&surface] {
        surface.Cls();
        surface.Line(0, 1200, 4500, 1200, colors::kBlack);
    };
    surface.DrawKept(key, kept);
    surface.Line(0, 0, 4500, 2400, colors::kDarkRed);
    const QByteArray bitmapAt100 = surface.BitmapBytes();
    surface.SetZoom(2);
    EXPECT_EQ(surface.BitmapBytes(), bitmapAt100);
    // The kept part comes back without the red line, at the new size.
    surface.DrawKept(key, kept);
    EXPECT_EQ(testing::CountPixels(surface.Image(), qRgb(128, 0, 0)), 0);
    EXPECT_GT(testing::CountPixels(surface.Image(), qRgb(0, 0, 0)), 2 * 300 - 2);
    EXPECT_EQ(surface.Image().width(), 600);
}

// --- the companion

// Dark pixels of a picture outside the box `plot`: those whose every channel is below
// `below` (the text is black, the curve of f(t) dark blue).
int DarkOutside(const QImage& image, const QRect& plot, int below = 128) {
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (!plot.contains(x, y) && qRed(p) < below && qGreen(p) < below && qBlue(p) < below)
                ++dark;
        }
    return dark;
}

class RenderedZoom : public ::testing::Test {
  protected:
    QImage Render(const std::vector<std::string>& options, const char* file) {
        const fs::path folder = fs::path(dir_.path().toStdString()) / std::to_string(++runs_);
        std::vector<std::string> arguments = options;
        arguments.insert(arguments.begin(), {"render", folder.string()});
        const testing::CompanionRun run = testing::RunCompanion(arguments);
        EXPECT_EQ(run.status, 0) << run.err;
        return QImage(QString::fromStdString((folder / file).string()));
    }
    QTemporaryDir dir_;
    int runs_ = 0;
};

TEST_F(RenderedZoom, TwoHundredPercentIsExactlyTwiceAsWideAndHigh) {
    for (const char* file : {"ft.png", "fft.png"}) {
        const QImage at100 = Render({"--zoom", "100"}, file);
        const QImage at200 = Render({"--zoom=200"}, file);
        ASSERT_FALSE(at100.isNull()) << file;
        EXPECT_EQ(at100.size(), Render({}, file).size()) << file;
        EXPECT_EQ(at200.width(), 2 * at100.width()) << file;
        EXPECT_EQ(at200.height(), 2 * at100.height()) << file;
        const QImage at150 = Render({"--zoom", "150"}, file);
        EXPECT_NEAR(at150.width(), 1.5 * at100.width(), 1) << file;
    }
}

TEST_F(RenderedZoom, AxesPutNumbersInTheMarginsOfFt) {
    const QImage plain = Render({}, "ft.png");
    const QImage axes = Render({"--axes"}, "ft.png");
    ASSERT_EQ(plain.size(), axes.size());
    // Without axes the graph takes the whole picture: nothing lies outside it.
    EXPECT_EQ(DarkOutside(plain, plain.rect(), 256), 0);
    // With them it is drawn inside margins that hold the scales' ticks and numbers.
    const QRect plot(static_cast<int>(kFtAxisLeft / 15), 0,
                     plain.width() - static_cast<int>(kFtAxisLeft / 15),
                     static_cast<int>((kPicture2Height - kFtAxisBottom) / 15));
    const int margins = DarkOutside(axes, plot);
    EXPECT_GT(margins, 150);
    // Counted in the same margins, the plain picture's dark blue curve is not as dark.
    EXPECT_GT(margins, DarkOutside(plain, plot) + 150);
    // And the same at 200 %, in a box twice as large.
    const QImage axes200 = Render({"--axes", "--zoom", "200"}, "ft.png");
    const QRect plot200(plot.topLeft() * 2, plot.size() * 2);
    EXPECT_GT(DarkOutside(axes200, plot200), 2 * margins);
    // The FFT graph keeps its size and gains its value scale.
    EXPECT_NE(Render({"--axes"}, "fft.png"), Render({}, "fft.png"));
}

TEST(RenderedZoomOptions, AnythingElseIsOneLineOfError) {
    for (const std::vector<std::string>& arguments :
         std::vector<std::vector<std::string>>{{"--zoom", "175", "render", "x"},
                                               {"--zoom", "2x", "render", "x"},
                                               {"--zoom", "", "render", "x"},
                                               {"render", "x", "--zoom"},
                                               {"--zoom", "200", "samples"},
                                               {"--axes", "spectrum"},
                                               {"--axes=1", "render", "x"}}) {
        const testing::CompanionRun run = testing::RunCompanion(arguments);
        EXPECT_EQ(run.status, 2) << arguments[1];
        EXPECT_EQ(testing::LinesOf(run.err).size(), 1u) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
}

}  // namespace
}  // namespace quorbel
