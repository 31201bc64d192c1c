// The main window's widgets are bound to its model: they show the model's captions,
// check marks and fields, hand clicks, presses and typing to the right handlers, and
// show what the model drew. Each window starts from a parameter file in a temporary
// folder and reports its messages to a recording platform.
#include <gtest/gtest.h>

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "QtViews.h"
#include "platform/Platform.h"
#include "views/GraphWidget.h"
#include "views/MainWindowView.h"
#include "views/WindowView.h"

namespace quorbel {
namespace {

constexpr QRgb kTrace = qRgb(192, 0, 0);  // the FFT trace, dark red
constexpr QRgb kAxis = qRgb(0, 0, 0);

using testing::CountPixels;

// A menu's or entry's caption as it reads, without the '&' that marks its mnemonic.
QString Caption(QString text) {
    return text.remove(QLatin1Char('&'));
}

class MainWindowViewTest : public testing::ShownMainWindow {
  protected:
    template <class T = QWidget>
    T* Widget(const char* name) const {
        T* widget = view_->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QAction* Action(const char* name) const { return Widget<QAction>(name); }
    QImage Picture(const char* name) const { return view_->Graph(name)->Surface().Image(); }
    const std::string& PlotState() const { return view_->Model().State().plotState(); }
};

TEST_F(MainWindowViewTest, StartsFromItsOwnParameterFileWithTheProgramTitle) {
    EXPECT_EQ(view_->windowTitle(), "FFT Quorbel 1.0");
    EXPECT_TRUE(std::filesystem::exists(paramFile_));
    EXPECT_TRUE(platform_.messages.empty());
}

TEST_F(MainWindowViewTest, MenuBarHoldsTheMenusInOrder) {
    QStringList captions;
    for (QAction* action : view_->menuBar()->actions()) captions << Caption(action->text());
    EXPECT_EQ(captions, QStringList({"File", "View", "Graph", "Waves", "Method", "Window",
                                     "Inverse", "Sound", "NMR", "Help"}));

    QStringList file;
    for (QAction* action : Widget<QMenu>("mnuFile")->actions())
        file << (action->isSeparator() ? "-" : Caption(action->text()));
    EXPECT_EQ(file, QStringList({"Report", "Print setup", "Print FFT graph",
                                 "Initial configuration", "Create bitmap of the FFT graph",
                                 "Splash observe", "Export", "-", "Exit"}));
    QStringList exports;
    for (QAction* action : Widget<QMenu>("mnuExport")->actions())
        exports << (action->isSeparator() ? "-" : Caption(action->text()));
    EXPECT_EQ(
        exports,
        QStringList({"Samples as CSV...", "Spectrum as CSV...", "Report as text...", "-",
                     "Graph of f(t) as PNG...", "Graph of f(t) as SVG...", "FFT graph as PNG...",
                     "FFT graph as SVG...", "Musical graph as PNG...", "Musical graph as SVG...",
                     "Graph of f(t) as PDF...", "FFT graph as PDF...", "Musical graph as PDF...",
                     "-", "PNG at double resolution", "-", "for a worksheet",
                     "Spectrum in % of the largest, as in the report"}));
    EXPECT_TRUE(Action("mnuExportDoubleItem")->isCheckable());
    EXPECT_TRUE(Action("mnuExportWorksheetItem")->isCheckable());
    EXPECT_FALSE(Action("mnuExportPercentItem")->isEnabled());
    EXPECT_EQ(Caption(Widget<QMenu>("mnuGFft")->title()), "Graph of the Fourier Transform  ( FFT)");
    EXPECT_EQ(Caption(Action("mnuFilesrawItem")->text()), "Files  *.raw...");
    EXPECT_EQ(Caption(Action("mnuImagcalcItem")->text()),
              "Calculating imaginary parts (only for calculated waves)");
    QStringList sound;
    for (QAction* action : Widget<QMenu>("mnuSound")->actions())
        sound << (action->isSeparator() ? "-" : Caption(action->text()));
    // The entries that play and save come first; the live view's follow them.
    EXPECT_EQ(sound.mid(0, 5), QStringList({"Play f(t)", "Play recovered function",
                                            "Save f(t) as sound...", "-", "Sound length"}));
    QStringList lengths;
    for (QAction* action : Widget<QMenu>("mnuSoundLength")->actions())
        lengths << Caption(action->text()) + (action->isChecked() ? " (checked)" : "");
    EXPECT_EQ(lengths, QStringList({"1 second", "2 seconds (checked)", "5 seconds"}));
}

TEST_F(MainWindowViewTest, MenuCheckMarksAndEnabledStatesAfterStartUp) {
    EXPECT_TRUE(Action("mnuRealftItem")->isChecked());
    EXPECT_FALSE(Action("mnuImagzeroItem")->isChecked());
    EXPECT_FALSE(Action("mnuImagcalcItem")->isEnabled());
    EXPECT_TRUE(Action("mnuFreqPosItem")->isChecked());
    EXPECT_FALSE(Action("mnuFreqNegItem")->isEnabled());
    EXPECT_TRUE(Action("mnuLineItem")->isChecked());
    EXPECT_FALSE(Action("mnuPointsItem")->isChecked());
    EXPECT_TRUE(Action("mnuMultipleWavesItem")->isChecked());
    EXPECT_TRUE(Action("mnuprstupItem")->isEnabled());
    EXPECT_TRUE(Action("mnuExamplesItem")->isEnabled());  // the lessons
}

TEST_F(MainWindowViewTest, FieldsShowTheOpeningParameters) {
    EXPECT_EQ(Widget<QLineEdit>("Text1")->text(), "1024");
    EXPECT_EQ(Widget<QLineEdit>("Text7")->text(), "1024");
    EXPECT_EQ(Widget<QLineEdit>("Text2")->text(), "30");
    EXPECT_TRUE(Widget<QLineEdit>("Text1")->isReadOnly());
    EXPECT_FALSE(Widget<QLineEdit>("Text2")->isReadOnly());
    EXPECT_EQ(Widget<QLineEdit>("Text2")->toolTip(), "Type here the desired value");
    // The default table: a, b and phase of rows 1, 8 and 10.
    EXPECT_EQ(Widget<QLineEdit>("Text3(0)")->text(), "1");
    EXPECT_EQ(Widget<QLineEdit>("Text4(0)")->text(), "1");
    EXPECT_EQ(Widget<QLineEdit>("Text3(7)")->text(), "2.5");
    EXPECT_EQ(Widget<QLineEdit>("Text4(7)")->text(), "8");
    EXPECT_EQ(Widget<QLineEdit>("Text3(9)")->text(), "3.5");
    EXPECT_EQ(Widget<QLineEdit>("Text4(9)")->text(), "10");
    EXPECT_EQ(Widget<QLineEdit>("Text5(9)")->text(), "0");
    EXPECT_EQ(Widget<QLabel>("Label22(1)")->text(), "1");
}

TEST_F(MainWindowViewTest, StartUpDrawsTheTransformAndTheWidgetShowsIt) {
    EXPECT_EQ(PlotState(), "10");
    const QImage image = Picture("Picture1");
    EXPECT_GT(CountPixels(image, kTrace), 50);
    EXPECT_GT(CountPixels(image, kAxis), 50);
    // What the widget paints on screen is that picture.
    const QImage shown = view_->Graph("Picture1")->grab().toImage();
    EXPECT_GT(CountPixels(shown, kTrace), 50);
    EXPECT_EQ(view_->Graph("Picture1")->cursor().shape(), Qt::UpArrowCursor);
}

TEST_F(MainWindowViewTest, TypingInTheWaveTableMarksTheParametersChangedOnly) {
    const QImage before = Picture("Picture1");
    const std::vector<std::string> spectrum = view_->Model().State().spectrumList.Lines();
    QLineEdit* cell = Widget<QLineEdit>("Text3(1)");
    cell->setFocus();
    cell->end(false);
    QTest::keyClicks(cell, "5");
    EXPECT_EQ(view_->Model().State().Get(Field::amplitudeA, 1), "25");
    EXPECT_EQ(PlotState(), "1");
    EXPECT_EQ(cell->text(), "25");
    EXPECT_EQ(view_->Model().State().spectrumList.Lines(), spectrum);
    EXPECT_EQ(Picture("Picture1"), before);
}

TEST_F(MainWindowViewTest, OnlyFftRedrawsTheTransformAfterOnlyFt) {
    QTest::mouseClick(Widget<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_EQ(PlotState(), "2");
    view_->Graph("Picture1")->Surface().Cls();
    ASSERT_EQ(CountPixels(Picture("Picture1"), kTrace), 0);

    QTest::mouseClick(Widget<QPushButton>("Command5"), Qt::LeftButton);
    EXPECT_EQ(PlotState(), "10");
    EXPECT_GT(CountPixels(Picture("Picture1"), kTrace), 50);
}

TEST_F(MainWindowViewTest, BothSeparatelyShowsTheTwoHalfGraphsInsteadOfTheFftGraph) {
    QTest::mouseClick(Widget<QRadioButton>("Option10"), Qt::LeftButton);
    EXPECT_TRUE(Widget<QRadioButton>("Option10")->isChecked());
    EXPECT_FALSE(Widget<QRadioButton>("Option8")->isChecked());
    EXPECT_TRUE(Widget("Picture6")->isVisible());
    EXPECT_TRUE(Widget("Picture7")->isVisible());
    EXPECT_TRUE(view_->Graph("Picture8")->isVisible());
    EXPECT_FALSE(Widget("Picture1")->isVisible());
    EXPECT_FALSE(Widget<QPushButton>("Command3")->isEnabled());
    EXPECT_FALSE(Action("mnuReport")->isEnabled());
    EXPECT_GT(CountPixels(Picture("Picture8"), kTrace), 20);
    EXPECT_TRUE(view_->Graph("Picture9")->isVisible());
    EXPECT_GT(CountPixels(Picture("Picture9"), kTrace), 20);

    // Back to one quantity.
    QTest::mouseClick(Widget<QRadioButton>("Option8"), Qt::LeftButton);
    EXPECT_TRUE(Widget("Picture1")->isVisible());
    EXPECT_FALSE(Widget("Picture6")->isVisible());
    EXPECT_TRUE(Widget<QPushButton>("Command3")->isEnabled());
}

TEST_F(MainWindowViewTest, ClickingTheSelectedOptionKeepsItSelected) {
    QRadioButton* rho = Widget<QRadioButton>("Option8");
    ASSERT_TRUE(rho->isChecked());
    QTest::mouseClick(rho, Qt::LeftButton);
    EXPECT_TRUE(rho->isChecked());
    EXPECT_EQ(PlotState(), "10");
}

TEST_F(MainWindowViewTest, CosOptionSwitchesTheFormulaAndThePhaseHeader) {
    QTest::mouseClick(Widget<QRadioButton>("Option7"), Qt::LeftButton);
    EXPECT_TRUE(Widget<QRadioButton>("Option7")->isChecked());
    EXPECT_FALSE(Widget<QRadioButton>("Option6")->isChecked());
    EXPECT_EQ(Widget<QLabel>("Label23")->text(), "θ");
    EXPECT_TRUE(Widget("Image4")->isVisible());
    EXPECT_FALSE(Widget("Image3")->isVisible());
    EXPECT_EQ(PlotState(), "1");  // the press marked the parameters as changed
}

TEST_F(MainWindowViewTest, MenuEntriesReachTheModel) {
    Action("mnuPointsItem")->trigger();
    EXPECT_TRUE(view_->Model().State().pointsPlotted);
    EXPECT_TRUE(Action("mnuPointsItem")->isChecked());
    EXPECT_FALSE(Action("mnuLineItem")->isChecked());

    Action("mnuImagzeroItem")->trigger();
    EXPECT_TRUE(Action("mnuImagzeroItem")->isChecked());
    EXPECT_FALSE(Action("mnuRealftItem")->isChecked());
    EXPECT_TRUE(Action("mnuFreqNegItem")->isEnabled());

    Action("mnuExitItem")->trigger();
    EXPECT_TRUE(platform_.quitRequested);
}

TEST_F(MainWindowViewTest, DisabledEntriesStayInertEvenWhenTheirWidgetFires) {
    // The model decides what can be used: a widget enabled behind its back changes
    // nothing and is disabled again by the next sync.
    QAction* action = Action("mnuImagcalcItem");
    action->setEnabled(true);
    action->trigger();
    EXPECT_TRUE(platform_.messages.empty());
    EXPECT_FALSE(action->isEnabled());
}

TEST_F(MainWindowViewTest, InertControlsShowTheirStateOnly) {
    const QImage before = Picture("Picture1");
    Action("mnuReport")->trigger();
    EXPECT_EQ(Picture("Picture1"), before);
    EXPECT_TRUE(platform_.messages.empty());
    EXPECT_EQ(Widget<QPushButton>("Command7")->text(), "2×");
    EXPECT_EQ(Widget<QPushButton>("Command7")->toolTip(), "Multiply the height of peaks by 2");
    EXPECT_FALSE(Widget<QPushButton>("Command11")->isEnabled());
    EXPECT_FALSE(Widget<QGroupBox>("Frame5")->isVisible());
}

TEST_F(MainWindowViewTest, MovingOverAHalfGraphMovesTheCommonCursorInTwips) {
    QTest::mouseClick(Widget<QRadioButton>("Option10"), Qt::LeftButton);
    GraphWidget* upper = view_->Graph("Picture8");
    const double twipsPerPixel = 1440.0 / upper->Surface().Dpi();
    QTest::mouseMove(upper, QPoint(100, 40));
    const LineObject& cursor = view_->Model().View().Line("Line3");
    EXPECT_TRUE(cursor.Visible);
    EXPECT_DOUBLE_EQ(cursor.X1, 100 * twipsPerPixel);
    EXPECT_TRUE(view_->Model().View().Line("Line4").Visible);

    // The line is drawn over the picture, in black, at that column.
    const QImage shown = upper->grab().toImage();
    const int column = static_cast<int>(100 * shown.devicePixelRatio());
    EXPECT_EQ(shown.pixel(column, shown.height() / 4) & 0xFFFFFF, kAxis & 0xFFFFFF);
    EXPECT_NE(Picture("Picture8").pixel(column, shown.height() / 4) & 0xFFFFFF, kAxis & 0xFFFFFF);

    // Leaving the graphs for the window's background takes the cursor away.
    QTest::mouseMove(view_->centralWidget(), QPoint(2, 2));
    EXPECT_FALSE(view_->Model().View().Line("Line3").Visible);
    EXPECT_FALSE(view_->Model().View().Line("Line4").Visible);
}

}  // namespace
}  // namespace quorbel

namespace quorbel {
namespace {

TEST_F(MainWindowViewTest, ReportWindowShowsTheReportAndKeepsIt) {
    WindowView* report = view_->ReportWindow();
    EXPECT_FALSE(report->isVisible());
    Action("mnuReport")->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(report));
    EXPECT_EQ(report->windowTitle(), "FFT Quorbel - Report");
    const QImage page = report->Area()->Surface().Image();
    // Dark text and the red " (See Help!)" on the white page.
    int dark = 0, red = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            if (c.red() < 90 && c.green() < 90 && c.blue() < 90) ++dark;
            if (c.red() > 180 && c.green() < 110 && c.blue() < 110) ++red;
        }
    }
    EXPECT_GT(dark, 1000);
    EXPECT_GT(red, 20);
    // A screen reader hears the report; its button lies below the picture.
    EXPECT_EQ(report->Area()->accessibleName(), "Report");
    EXPECT_NE(report->Area()->accessibleDescription().indexOf("3. RESULT"), -1);
    auto* close = report->findChild<QPushButton*>("cmdClose");
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->text(), "Close");
    EXPECT_GE(close->mapTo(report->Area(), QPoint(0, 0)).y(),
              page.deviceIndependentSize().height());
    // Its close box, its button and Escape hide it; the next report shows it again.
    const std::vector<std::function<void()>> closings = {
        [&] { report->close(); }, [&] { close->click(); },
        [&] { QTest::keyClick(close, Qt::Key_Escape); }};
    for (size_t i = 0; i < closings.size(); ++i) {
        SCOPED_TRACE(i);
        closings[i]();
        EXPECT_FALSE(view_->Model().Report().View().shown);
        EXPECT_FALSE(report->isVisible());
        Action("mnuReport")->trigger();
        EXPECT_TRUE(report->isVisible());
    }
}

TEST_F(MainWindowViewTest, ReadoutLabelFollowsTheMouseOverTheFftGraph) {
    GraphWidget* graph = view_->Graph("Picture1");
    auto* readout = Widget<QLabel>("Label9");
    EXPECT_FALSE(readout->isVisible());
    QTest::mouseMove(graph, QPoint(0, 40));
    EXPECT_TRUE(readout->isVisible());
    EXPECT_EQ(readout->text(), "0");
    QTest::mouseMove(graph, QPoint(graph->width() / 2, 40));
    const double half = readout->text().section(QStringLiteral("  "), 0, 0).toDouble();
    EXPECT_GT(half, 240);
    EXPECT_LT(half, 270);
}

TEST_F(MainWindowViewTest, RightClicksAfterHorizontalExpandAndShowTheScrollBar) {
    GraphWidget* graph = view_->Graph("Picture1");
    QTest::mouseClick(Widget<QPushButton>("Command8"), Qt::LeftButton);
    EXPECT_TRUE(Widget<QLabel>("Label17")->isVisible());
    QTest::mouseClick(graph, Qt::RightButton, {}, QPoint(graph->width() / 10, 50));
    QTest::mouseClick(graph, Qt::RightButton, {}, QPoint(graph->width() / 5, 50));
    const int shown = view_->Model().State().displayedValueList.Whole(0);
    EXPECT_GT(shown, 40);
    EXPECT_LT(shown, 60);
    auto* bar = Widget<QScrollBar>("HScroll1");
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->parentWidget(), graph);
    EXPECT_GT(bar->geometry().bottom(), graph->height() * 9 / 10);
    bar->setValue(bar->value() + 100);
    EXPECT_EQ(view_->Model().State().displayedValueList.Whole(shown + 2), bar->value());
    QTest::mouseClick(Widget<QPushButton>("Command6"), Qt::LeftButton);
    EXPECT_FALSE(bar->isVisible());
}

}  // namespace
}  // namespace quorbel

namespace quorbel {
namespace {

// The pixel of a picture at a point given in twips.
QRgb PixelAt(const ImageSurface& surface, double xTwips, double yTwips) {
    const QImage& image = surface.Image();
    const double scale = surface.Dpi() / ImageSurface::kTwipsPerInch * image.devicePixelRatio();
    const QRgb p = image.pixel(static_cast<int>(xTwips * scale), static_cast<int>(yTwips * scale));
    return qRgb(qRed(p), qGreen(p), qBlue(p));
}

TEST_F(MainWindowViewTest, MusicalCanvasShowsRulerAndKeyboardOnPurple) {
    QTest::mouseClick(Widget<QPushButton>("Command3"), Qt::LeftButton);
    EXPECT_EQ(Widget<QPushButton>("Command3")->text(), "Lin");
    EXPECT_TRUE(Widget("Picture4")->isVisible());
    EXPECT_FALSE(Widget("Picture1")->isVisible());
    EXPECT_TRUE(Widget<QGroupBox>("Frame5")->isVisible());
    const ImageSurface& canvas = view_->Graph("Picture5")->Surface();
    const double H = canvas.Height();
    const double yR = 2 * H / 3 + 400;  // the semitone ruler
    struct Case {
        const char* what;
        double x, y;
        QRgb color;
    };
    const Case cases[] = {
        {"background", 300, 300, qRgb(64, 0, 64)},
        {"ruler tick at 0", 0, yR + 140, qRgb(255, 255, 0)},
        {"ruler tick at 1500", 1500, yR + 140, qRgb(255, 255, 0)},
        {"between ruler ticks", 1575, yR + 140, qRgb(64, 0, 64)},
        {"A4, a white key", 15900, 3905 + 850, qRgb(255, 255, 255)},
        {"A#4, a black key", 16050, 3905 + 300, qRgb(0, 0, 0)},
        {"C-1, a grey key", 5560, 3905 + 850, qRgb(192, 192, 192)},
        {"C#-1, a dark grey key", 5700, 3905 + 300, qRgb(96, 96, 96)},
        {"left of the keyboard", 5300, 3905 + 850, qRgb(64, 0, 64)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(PixelAt(canvas, c.x, c.y), c.color);
    }
}

TEST_F(MainWindowViewTest, MusicalScrollBarPansTheCanvas) {
    QTest::mouseClick(Widget<QPushButton>("Command3"), Qt::LeftButton);
    auto* bar = Widget<QScrollBar>("HScroll2");
    QWidget* canvas = view_->Graph("Picture5");
    EXPECT_EQ(bar->value(), 8700);
    const double pixelsPerTwip = canvas->logicalDpiX() / ImageSurface::kTwipsPerInch;
    for (int value : {0, 3000, 15100}) {
        SCOPED_TRACE(value);
        bar->setValue(value);
        EXPECT_EQ(canvas->x(), static_cast<int>(-value * pixelsPerTwip));
    }
}

}  // namespace
}  // namespace quorbel
