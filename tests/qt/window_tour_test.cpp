// A tour of every window through its states, as a student meets them. After each
// step: no two visible controls overlap, nothing covers a control that can be used,
// every caption fits its control in the font it is drawn in, and the main window and
// its graphs are where they were at start-up. A second run of these tests sets the
// device pixel ratio to 2 (QT_SCALE_FACTOR in the test's environment).
#include <gtest/gtest.h>
#include <sndfile.h>

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "RecordingPlatform.h"
#include "views/ControlBinder.h"
#include "views/GraphWidget.h"
#include "views/MainWindowView.h"
#include "views/WindowView.h"

namespace quorbel {
namespace {

class Tour;
struct Step {
    const char* name;
    std::function<void(Tour&)> act;
    // The secondary window the step shows (nullptr: the main window only).
    WindowView* (MainWindowView::*window)() = nullptr;
};
struct TourCase {
    const char* name;
    std::vector<Step> steps;
};
void PrintTo(const TourCase& tour, std::ostream* out) {
    *out << tour.name;
}

// The graphs whose place never changes.
const char* const kFixedGraphs[] = {"Picture1", "Picture2", "Picture6",
                                    "Picture7", "Picture8", "Picture9"};

class Tour : public ::testing::TestWithParam<TourCase> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        const std::filesystem::path folder(dir_.path().toStdString());
        view_ = std::make_unique<MainWindowView>(platform_, folder / "Zparamfile.wr");
        ASSERT_TRUE(view_->Load());
        view_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view_.get()));
        if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
            EXPECT_EQ(view_->devicePixelRatioF(),
                      qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
        }
        size_ = view_->size();
        for (const char* graph : kFixedGraphs) graphs_[graph] = Place(view_->Controls(), graph);
        musicalTop_ = Place(view_->Controls(), "Picture4").top();
        // A 300 Hz tone of 6000 samples at 22050 Hz.
        sound_ = (folder / "tone.raw").string();
        std::ofstream out(sound_, std::ios::binary);
        for (int k = 0; k < 6000; ++k)
            out.put(static_cast<char>(128 + std::lround(100 * std::sin(k * 0.0855))));
        // Three channels, one tone in each.
        chords_ = (folder / "three.wav").string();
        SF_INFO info{};
        info.samplerate = 8000;
        info.channels = 3;
        info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
        SNDFILE* file = sf_open(chords_.c_str(), SFM_WRITE, &info);
        ASSERT_NE(file, nullptr);
        std::vector<short> frames;
        for (int k = 0; k < 4000; ++k)
            for (double f : {0.3, 0.4, 0.5})
                frames.push_back(static_cast<short>(9000 * std::sin(k * f)));
        sf_writef_short(file, frames.data(), 4000);
        sf_close(file);
    }

  public:
    // Where a control of `window` stands, in the coordinates of its top-level window.
    static QRect Place(WindowView* window, const std::string& name) {
        QWidget* widget = window->Binder().Widget(name);
        return QRect(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size());
    }
    void Click(const char* name, WindowView* window = nullptr) {
        WindowView* in = window ? window : view_->Controls();
        auto* button = qobject_cast<QAbstractButton*>(in->Binder().Widget(name));
        ASSERT_NE(button, nullptr) << name;
        ASSERT_TRUE(button->isVisible() && button->isEnabled()) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void Menu(const char* name, QWidget* in = nullptr) {
        auto* action = (in ? in : view_.get())->findChild<QAction*>(name);
        ASSERT_NE(action, nullptr) << name;
        action->trigger();
    }
    // An event handed to a window's entry point, as its view hands it on.
    void Fire(Window& window, const char* control, Event event, const EventArgs& args = {}) {
        EXPECT_TRUE(window.Fire(control, event, args)) << control;
        view_->Sync();
    }
    // Text typed into a field of the main window, as its view hands it on.
    void Type(const char* control, const char* text) {
        EXPECT_TRUE(view_->Model().Type(control, text)) << control;
        view_->Sync();
    }
    MainWindowModel& Model() { return view_->Model(); }
    MainWindowView& View() { return *view_; }
    RecordingPlatform& Platform() { return platform_; }
    const std::string& Sound() const { return sound_; }
    const std::string& ThreeChannels() const { return chords_; }

    void CheckWindow(WindowView* window);
    void CheckMainWindow();

  private:
    QTemporaryDir dir_;
    RecordingPlatform platform_;
    std::unique_ptr<MainWindowView> view_;
    std::string sound_;
    std::string chords_;
    QSize size_;
    std::map<std::string, QRect> graphs_;
    int musicalTop_ = 0;
};

std::vector<QWidget*> Shown(WindowView* window) {
    std::vector<QWidget*> shown;
    for (const std::string& name : window->Binder().Order()) {
        QWidget* widget = window->Binder().Widget(name);
        if (widget->isVisible() && !widget->geometry().isEmpty()) shown.push_back(widget);
    }
    return shown;
}

QString Name(const QWidget* widget) {
    return widget->objectName();
}

// Why the caption of `widget` does not fit it, or empty when it fits.
std::string Cut(QWidget* widget) {
    const QFontMetrics metrics(widget->font());
    auto tooWide = [&](int need, int have) {
        return need > have ? Name(widget).toStdString() + " needs " + std::to_string(need) +
                                 " px, has " + std::to_string(have)
                           : std::string();
    };
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->text().isEmpty()) return {};
        const QRect room = label->contentsRect();
        const int flags =
            static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect need = metrics.boundingRect(room, flags, label->text());
        if (need.height() > room.height())
            return Name(widget).toStdString() + " needs " + std::to_string(need.height()) +
                   " px in height, has " + std::to_string(room.height());
        return tooWide(need.width(), room.width());
    }
    if (auto* option = qobject_cast<QRadioButton*>(widget)) {
        const QStyle* style = option->style();
        const int indicator =
            style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, option) +
            style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, option);
        if (metrics.height() > option->height()) return Name(widget).toStdString() + " too low";
        return tooWide(indicator + metrics.horizontalAdvance(option->text()), option->width());
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QString text = button->text();
        text.remove(QLatin1Char('&'));
        if (metrics.height() > button->height()) return Name(widget).toStdString() + " too low";
        // The button's frame and margins take a few pixels on each side.
        return tooWide(metrics.horizontalAdvance(text) + 8, button->width());
    }
    if (auto* frame = qobject_cast<QGroupBox*>(widget))
        return tooWide(metrics.horizontalAdvance(frame->title()), frame->width());
    return {};
}

void Tour::CheckWindow(WindowView* window) {
    // The client area is the size its table declares; a window without menus is
    // exactly its client area.
    ASSERT_NE(window->Shown(), nullptr);
    const ViewState& view = window->Shown()->View();
    EXPECT_EQ(window->Client()->size(),
              QSize(TwipsToPixels(window, view.width), TwipsToPixels(window, view.height)));
    if (window->isWindow() && !window->findChild<QAction*>()) {
        EXPECT_EQ(window->size(), window->Client()->size());
    }
    const std::vector<QWidget*> shown = Shown(window);
    // (a) Visible controls side by side never overlap; a control over another lies in
    // it (a picture in a picture, a control in its frame).
    for (size_t i = 0; i < shown.size(); ++i)
        for (size_t j = i + 1; j < shown.size(); ++j)
            if (shown[i]->parentWidget() == shown[j]->parentWidget()) {
                EXPECT_FALSE(shown[i]->geometry().intersects(shown[j]->geometry()))
                    << Name(shown[i]).toStdString() << " overlaps " << Name(shown[j]).toStdString();
            }
    QWidget* top = window->window();
    for (QWidget* widget : shown) {
        // (b) Nothing covers a control that can be used.
        if (widget->isEnabled()) {
            const QPoint centre = widget->mapTo(top, widget->rect().center());
            QWidget* hit = top->childAt(centre);
            EXPECT_TRUE(hit == widget || widget->isAncestorOf(hit))
                << Name(widget).toStdString() << " is covered by "
                << (hit ? Name(hit).toStdString() : "nothing");
        }
        // (c) Every caption fits.
        const std::string cut = Cut(widget);
        EXPECT_TRUE(cut.empty()) << cut;
    }
}

void Tour::CheckMainWindow() {
    CheckWindow(view_->Controls());
    // (d) The window and its graphs stay where they were at start-up.
    EXPECT_EQ(view_->size(), size_);
    for (const auto& [graph, place] : graphs_)
        EXPECT_EQ(Place(view_->Controls(), graph), place) << graph;
    EXPECT_EQ(Place(view_->Controls(), "Picture4").top(), musicalTop_);
}

TEST_P(Tour, NothingMovesCoversOrIsCut) {
    for (const Step& step : GetParam().steps) {
        SCOPED_TRACE(step.name);
        step.act(*this);
        QApplication::processEvents();
        CheckMainWindow();
        if (step.window) {
            WindowView* window = (View().*step.window)();
            EXPECT_TRUE(window->isVisible());
            CheckWindow(window);
        }
    }
}

// Points on the FFT graph, in twips: a peak (30 Hz of 512 shown) and two limits.
constexpr double kPeakX = 30.0 * kPicture1Width / 511, kFromX = 1000, kToX = 3000;

const TourCase kTours[] = {
    {"MainWindow",
     {
         {"start", [](Tour&) {}},
         {"read-out shown",
          [](Tour& t) {
              t.Fire(t.Model(), "Picture1", Event::MouseMove, {.x = kPeakX, .y = 900});
          }},
         {"peak marked",
          [](Tour& t) {
              t.Fire(t.Model(), "Picture1", Event::MouseDown, {.button = 1, .x = kPeakX, .y = 900});
          }},
         {"expansion prompt", [](Tour& t) { t.Click("Command8"); }},
         {"expanded and scrolled",
          [](Tour& t) {
              t.Fire(t.Model(), "Picture1", Event::MouseDown, {.button = 2, .x = kFromX});
              t.Fire(t.Model(), "Picture1", Event::MouseDown, {.button = 2, .x = kToX});
              t.Fire(t.Model(), "HScroll1", Event::Change, {.value = 40});
          }},
         {"markers shown",
          [](Tour& t) {
              t.Click("Command6");
              t.Click("Command2");
          }},
         {"markers placed and frozen",
          [](Tour& t) {
              t.Fire(t.Model(), "Picture1", Event::MouseDown,
                     {.button = 2, .x = kPeakX, .y = 2000});
              t.Fire(t.Model(), "Picture1", Event::MouseMove,
                     {.button = 2, .x = kPeakX, .y = 2000});
              t.Click("Command11");
          }},
         {"both parts separately",
          [](Tour& t) {
              t.Click("Command2");
              t.Click("Option10");
          }},
         {"musical, panoramic",
          [](Tour& t) {
              t.Click("Option8");
              t.Click("Command3");
          }},
         {"musical, markers shown", [](Tour& t) { t.Click("Command2"); }},
         {"musical, normal size", [](Tour& t) { t.Click("Command8"); }},
         {"musical, tuning on", [](Tour& t) { t.Click("Command10"); }},
         {"musical, panoramic with tuning", [](Tour& t) { t.Click("Command8"); }},
         {"simple waves",
          [](Tour& t) {
              t.Click("Command3");
              t.Menu("mnuSimpleWavesItem");
          }},
         {"Hann window", [](Tour& t) { t.Menu("mnuWindowHannItem"); }},
         {"simple wave above the Nyquist frequency",
          [](Tour& t) {
              t.Type("Text2", "600");
              t.Click("Command17");
          }},
         {"wave rows above the Nyquist frequency",
          [](Tour& t) {
              t.Menu("mnuMultipleWavesItem");
              t.Type("Text4(7)", "19");
              t.Type("Text4(9)", "20");
              t.Click("Command17");
          }},
         {"aliasing hint under the panoramic view", [](Tour& t) { t.Click("Command3"); }},
     }},
    {"SecondaryWindows",
     {
         {"report", [](Tour& t) { t.Menu("mnuReport"); }, &MainWindowView::ReportWindow},
         {"inverse", [](Tour& t) { t.Menu("mnuInverse"); }, &MainWindowView::InverseWindow},
         {"bitmap", [](Tour& t) { t.Menu("mnuCreateBitmapItem"); }, &MainWindowView::BitmapWindow},
         {"opening parameters", [](Tour& t) { t.Menu("mnuConfigInitItem"); },
          &MainWindowView::OpeningParamsWindow},
         {"opening parameters with help",
          [](Tour& t) { t.Menu("mnuHelp", t.View().OpeningParamsWindow()); },
          &MainWindowView::OpeningParamsWindow},
         {"opening parameters after help",
          [](Tour& t) { t.Fire(t.Model().OpeningParams(), "Label2", Event::Click); },
          &MainWindowView::OpeningParamsWindow},
         {"Nyquist page", [](Tour& t) { t.Menu("mnuNyq"); }, &MainWindowView::NyquistWindow},
         {"phase page", [](Tour& t) { t.Menu("mnuPhaseItem"); }, &MainWindowView::PhaseWindow},
         {"help topics", [](Tour& t) { t.Menu("mnuTopicWindowsItem"); },
          &MainWindowView::HelpTopicsWindow},
         {"about", [](Tour& t) { t.Menu("mnuAboutItem"); }, &MainWindowView::AboutWindow},
         {"splash", [](Tour& t) { t.Menu("mnuSplashItem"); }, &MainWindowView::SplashWindow},
     }},
    {"RawFile",
     {
         {"raw file window", [](Tour& t) { t.Menu("mnuFilesrawItem"); },
          &MainWindowView::RawFileWindow},
         {"file plotted",
          [](Tour& t) {
              t.Platform().openAnswers.push_back(t.Sound());
              t.Menu("mnuOpen", t.View().RawFileWindow());
          },
          &MainWindowView::RawFileWindow},
         {"selection",
          [](Tour& t) {
              t.Fire(t.Model().RawFile(), "Picture2", Event::MouseDown, {.button = 1, .x = 60});
              t.Fire(t.Model().RawFile(), "Picture2", Event::MouseMove,
                     {.button = 1, .x = kRawGraphWidth - 60});
          },
          &MainWindowView::RawFileWindow},
         {"raw mode",
          [](Tour& t) {
              t.Click("Command1", t.View().RawFileWindow());
              t.Model().RawFile().Show();
              t.View().Sync();
          },
          &MainWindowView::RawFileWindow},
         {"raw mode, musical panoramic", [](Tour& t) { t.Click("Command3"); }},
         {"raw mode, read-out",
          [](Tour& t) {
              t.Fire(t.Model(), "Picture5", Event::MouseMove, {.x = 15900, .y = 1000});
          }},
         {"three channels, the first analysed",
          [](Tour& t) {
              t.Model().RawFile().Show();
              t.Platform().openAnswers.push_back(t.ThreeChannels());
              t.Menu("mnuOpen", t.View().RawFileWindow());
          },
          &MainWindowView::RawFileWindow},
         {"three channels, their mean analysed",
          [](Tour& t) { t.Click("Option2", t.View().RawFileWindow()); },
          &MainWindowView::RawFileWindow},
     }},
};

INSTANTIATE_TEST_SUITE_P(EveryWindow, Tour, ::testing::ValuesIn(kTours),
                         [](const auto& info) { return std::string(info.param.name); });

// The keyboard goes through each window's controls in reading order: down a column,
// along a row, then on to the next column to the right.
using Windows = WindowView* (MainWindowView::*)();
struct TabCase {
    const char* name;
    Windows window;
    const char* opener;
};
void PrintTo(const TabCase& window, std::ostream* out) {
    *out << window.name;
}

class TabOrder : public ::testing::TestWithParam<TabCase> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        view_ = std::make_unique<MainWindowView>(
            platform_, std::filesystem::path(dir_.path().toStdString()) / "Zparamfile.wr");
        ASSERT_TRUE(view_->Load());
        view_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view_.get()));
    }
    QTemporaryDir dir_;
    RecordingPlatform platform_;
    std::unique_ptr<MainWindowView> view_;
};

TEST_P(TabOrder, FollowsTheReadingOrder) {
    if (*GetParam().opener) view_->findChild<QAction*>(GetParam().opener)->trigger();
    WindowView* window = (view_.get()->*GetParam().window)();
    ASSERT_TRUE(window->isVisible());
    std::vector<QWidget*> reached;
    for (QWidget* widget : window->Binder().TabOrder())
        if (widget->isVisible() && widget->isEnabled()) reached.push_back(widget);
    ASSERT_FALSE(reached.empty());
    // Qt's focus chain visits them in the table's order.
    std::vector<QWidget*> chain;
    QWidget* at = reached.front();
    for (size_t guard = 0; chain.size() < reached.size() && guard < 10000; ++guard) {
        if (std::find(reached.begin(), reached.end(), at) != reached.end() &&
            std::find(chain.begin(), chain.end(), at) == chain.end())
            chain.push_back(at);
        at = at->nextInFocusChain();
    }
    EXPECT_EQ(chain, reached);
    // And the table's order is the reading order.
    QWidget* top = window->window();
    for (size_t i = 1; i < reached.size(); ++i) {
        const QRect a(reached[i - 1]->mapTo(top, QPoint(0, 0)), reached[i - 1]->size());
        const QRect b(reached[i]->mapTo(top, QPoint(0, 0)), reached[i]->size());
        const bool sameRow = std::abs(a.center().y() - b.center().y()) <= a.height() / 2;
        const bool below = b.top() > a.center().y();
        const bool nextColumn = b.left() >= a.right();
        EXPECT_TRUE((sameRow && b.left() > a.left()) || (!sameRow && below) || nextColumn)
            << Name(reached[i - 1]).toStdString() << " before " << Name(reached[i]).toStdString();
    }
}

const TabCase kTabCases[] = {
    {"MainWindow", &MainWindowView::Controls, ""},
    {"OpeningParameters", &MainWindowView::OpeningParamsWindow, "mnuConfigInitItem"},
    {"RawFile", &MainWindowView::RawFileWindow, "mnuFilesrawItem"},
    {"Inverse", &MainWindowView::InverseWindow, "mnuInverse"},
    {"PhasePage", &MainWindowView::PhaseWindow, "mnuPhaseItem"},
    {"About", &MainWindowView::AboutWindow, "mnuAboutItem"},
};

INSTANTIATE_TEST_SUITE_P(EveryWindow, TabOrder, ::testing::ValuesIn(kTabCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorbel
