// The graphs that take keys are reached with Tab in their reading place, hand the
// keys on to their window, show the keyboard's focus and cursor only while they have
// it, and say where the cursor stands.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QTest>
#include <cmath>
#include <fstream>
#include <functional>
#include <map>

#include "CaseName.h"
#include "QtViews.h"
#include "views/ControlBinder.h"
#include "views/GraphWidget.h"
#include "views/WindowView.h"
#include "windows/GraphKeys.h"

namespace quorbel {
namespace {

struct FocusCase {
    const char* name;
    // Brings the graph on screen; gives the window it lies in.
    std::function<WindowView*(testing::ShownMainWindow&, MainWindowView&)> show;
    const char* graph;
    const char* before;  // the control Tab leaves for the graph
    const char* cursor;  // the keyboard cursor's line
};
void PrintTo(const FocusCase& c, std::ostream* out) {
    *out << c.name;
}

class GraphFocus : public testing::ShownMainWindow,
                   public ::testing::WithParamInterface<FocusCase> {
  public:
    RecordingPlatform& Platform() { return platform_; }
    std::filesystem::path Folder() const { return folder_; }
};

const QRgb kCursor =
    qRgb(RedOf(kKeyCursorColor), GreenOf(kKeyCursorColor), BlueOf(kKeyCursorColor));

const FocusCase kCases[] = {
    {"fft graph", [](auto&, MainWindowView& v) { return v.Controls(); }, "Picture1", "Command13",
     kFftKeyCursor},
    {"musical graph",
     [](auto&, MainWindowView& v) {
         v.findChild<QAbstractButton*>("Command3")->click();
         return v.Controls();
     },
     "Picture5", "Command13", kMusicKeyCursor},
    {"raw file graph",
     [](testing::ShownMainWindow& t, MainWindowView& v) {
         auto& test = static_cast<GraphFocus&>(t);
         const std::string path = (test.Folder() / "tone.raw").string();
         std::ofstream out(path, std::ios::binary);
         for (int k = 0; k < 3000; ++k)
             out.put(static_cast<char>(128 + std::lround(100 * std::sin(k * 0.0855))));
         out.close();
         v.findChild<QAction*>("mnuFilesrawItem")->trigger();
         test.Platform().openAnswers.push_back(path);
         v.RawFileWindow()->findChild<QAction*>("mnuOpen")->trigger();
         return v.RawFileWindow();
     },
     "Picture2", "Text1", kRawKeyCursor},
};

TEST_P(GraphFocus, TakesTabAndKeysAndShowsTheCursorWhileFocused) {
    const FocusCase& c = GetParam();
    WindowView* window = c.show(*this, *view_);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window->window()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window->window(); }));
    ControlBinder& binder = window->Binder();
    GraphWidget* graph = binder.Graph(c.graph);
    ASSERT_NE(graph, nullptr);
    ASSERT_TRUE(graph->isVisible());

    // Tab from the control before it in the reading order.
    QWidget* before = binder.Widget(c.before);
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    EXPECT_TRUE(graph->hasFocus()) << QApplication::focusWidget()->objectName().toStdString();

    // Shift+Right through the window system moves the window's cursor ten steps on.
    const Window& model = *window->Shown();
    const double from = model.View().Line(c.cursor).X1;
    QTest::keyClick(window->windowHandle(), Qt::Key_Right, Qt::ShiftModifier);
    const double to = model.View().Line(c.cursor).X1;
    EXPECT_GT(to, from);
    EXPECT_TRUE(graph->accessibleDescription().contains("Keyboard cursor"))
        << graph->accessibleDescription().toStdString();

    // The cursor is drawn where the window has it (within a pixel's rounding), and only
    // while the graph has the focus.
    auto cursorColumns = [&] {
        const QImage shown = graph->grab().toImage();
        std::map<int, int> columns;  // x: pixels of the cursor's colour
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                if ((shown.pixel(x, y) & 0xFFFFFF) == (kCursor & 0xFFFFFF)) ++columns[x];
        return columns;
    };
    const std::map<int, int> focused = cursorColumns();
    const int column = TwipsToPixels(graph, to);
    int near = 0;
    for (const auto& [x, count] : focused)
        if (std::abs(x - column) <= 1) near += count;
    EXPECT_GT(near, graph->visibleRegion().boundingRect().height() / 2);
    before->setFocus();
    EXPECT_TRUE(cursorColumns().empty());
}

INSTANTIATE_TEST_SUITE_P(EveryGraph, GraphFocus, ::testing::ValuesIn(kCases),
                         testing::PrintedName());

}  // namespace
}  // namespace quorbel
