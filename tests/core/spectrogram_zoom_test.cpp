// The spectrogram window's zoom into a stretch of time: the mapping of a stretch to the
// grid's columns and the time axis, the drag that chooses it, the keyboard's two
// presses of Enter, Escape and "Whole sound", and the read-out on the zoomed axis.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "MonoSoundFile.h"
#include "RawWindowFixture.h"

namespace quorbel::testing {
namespace {

TEST(SpectrogramZoomLayout, ColumnsAndTimesOfAStretchMapBothWays) {
    SpectrogramLayout whole;
    whole.left = 1000, whole.right = 9000, whole.top = 300, whole.bottom = 5000;
    whole.t0 = 0.05, whole.t1 = 10.05;
    whole.firstColumn = 0, whole.endColumn = 400;
    struct Case {
        int first, end;  // asked
        int shownFirst, shownEnd;
    };
    const Case cases[] = {{0, 400, 0, 400},   {100, 200, 100, 200}, {399, 400, 399, 400},
                          {-5, 3, 0, 3},      {390, 500, 390, 400}, {50, 50, 50, 51},
                          {120, 90, 120, 121}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.first) + ".." + std::to_string(c.end));
        const SpectrogramLayout z = ZoomedLayout(whole, c.first, c.end);
        EXPECT_EQ(z.firstColumn, c.shownFirst);
        EXPECT_EQ(z.endColumn, c.shownEnd);
        // Each column keeps its own time: 10 s over 400 columns.
        EXPECT_NEAR(z.t0, 0.05 + c.shownFirst * 0.025, 1e-12);
        EXPECT_NEAR(z.t1, 0.05 + c.shownEnd * 0.025, 1e-12);
        for (int col = z.firstColumn; col < z.endColumn; ++col) {
            const double middle = z.XOfColumn(col + 0.5);
            EXPECT_EQ(z.ColumnAt(middle), col);
            // The time under a column's middle is the same on the whole axis.
            EXPECT_NEAR(z.TimeAtX(middle), whole.TimeAtX(whole.XOfColumn(col + 0.5)), 1e-9);
        }
        EXPECT_EQ(z.ColumnAt(z.left - 500), z.firstColumn);
        EXPECT_EQ(z.ColumnAt(z.right + 500), z.endColumn - 1);
    }
}

class SpectrogramZoom : public RawWindowFixture {
  protected:
    SpectrogramWindowModel& S() { return Raw().Spectrogram(); }
    const LineObject& Mark(const char* name) { return S().View().Line(name); }
    void OpenTone(double seconds) {
        const int rate = 22050;
        std::vector<double> x(static_cast<size_t>(seconds * rate));
        for (size_t k = 0; k < x.size(); ++k)
            x[k] = 0.5 * std::sin(6.28318530717959 * 440 * static_cast<double>(k) / rate);
        const std::string path = (dir_ / "tone.wav").string();
        WriteMonoSound(path, rate, x);
        Loaded();
        Open(path);
        ASSERT_TRUE(Raw().Fire("mnuSpectrogram", Event::Click));
        for (int slice = 0; S().Analysing() && slice < 10000; ++slice) S().AnalyseSlice();
    }
    void Drag(double from, double to, double y) {
        ASSERT_TRUE(S().Fire("Picture1", Event::MouseDown, {.button = 1, .x = from, .y = y}));
        ASSERT_TRUE(S().Fire("Picture1", Event::MouseMove, {.button = 1, .x = to, .y = y}));
        ASSERT_TRUE(S().Fire("Picture1", Event::MouseUp, {.button = 1, .x = to, .y = y}));
    }
    void Key(int key, int shift = 0) {
        ASSERT_TRUE(S().Fire("Picture1", Event::KeyPress, {.shift = shift, .value = key}));
    }
};

TEST_F(SpectrogramZoom, ADragZoomsIntoItsStretchAndEscapeGoesBack) {
    OpenTone(8);
    const SpectrogramLayout whole = S().Layout();
    EXPECT_FALSE(S().Zoomed());
    EXPECT_FALSE(S().View()["Command3"].enabled);
    const double y = (whole.top + whole.bottom) / 2;
    const double from = whole.XOfTime(2), to = whole.XOfTime(4);
    // While the button is held the stretch's ends are shown.
    ASSERT_TRUE(S().Fire("Picture1", Event::MouseDown, {.button = 1, .x = from, .y = y}));
    ASSERT_TRUE(S().Fire("Picture1", Event::MouseMove, {.button = 1, .x = to, .y = y}));
    EXPECT_TRUE(Mark("Line1").Visible);
    EXPECT_TRUE(Mark("Line2").Visible);
    EXPECT_NEAR(Mark("Line2").X1, to, 1e-9);
    ASSERT_TRUE(S().Fire("Picture1", Event::MouseUp, {.button = 1, .x = to, .y = y}));
    EXPECT_FALSE(Mark("Line1").Visible);
    ASSERT_TRUE(S().Zoomed());
    EXPECT_TRUE(S().View()["Command3"].enabled);
    const SpectrogramLayout& z = S().Layout();
    // The axis spans the columns under the drag: from at most a column before 2 s to
    // at most a column after 4 s.
    const double column = (whole.t1 - whole.t0) / whole.Columns();
    EXPECT_LE(z.t0, 2 + 1e-9);
    EXPECT_GT(z.t0, 2 - column);
    EXPECT_GE(z.t1, 4 - 1e-9);
    EXPECT_LT(z.t1, 4 + column + 1e-9);
    // The read-out follows the zoomed axis: the middle of the picture is 3 s.
    ASSERT_TRUE(S().Fire("Picture1", Event::MouseMove, {.x = z.XOfTime(3), .y = y}));
    EXPECT_EQ(S().View()["Label1"].caption.substr(0, 7), "3.000 s");
    EXPECT_NEAR(z.TimeAtX((z.left + z.right) / 2), 3, column);
    Key(kKeyEscape);
    EXPECT_FALSE(S().Zoomed());
    EXPECT_FALSE(S().View()["Command3"].enabled);
    EXPECT_EQ(S().Layout().t1, whole.t1);
}

TEST_F(SpectrogramZoom, AClickIsNoStretchAndTheButtonShowsTheWholeSound) {
    OpenTone(4);
    const SpectrogramLayout whole = S().Layout();
    const double y = (whole.top + whole.bottom) / 2;
    Drag(3000, 3030, y);
    EXPECT_FALSE(S().Zoomed());
    // A drag from right to left, or beyond the picture, chooses the same way.
    Drag(whole.XOfTime(3), whole.left - 400, y);
    ASSERT_TRUE(S().Zoomed());
    EXPECT_EQ(S().Layout().firstColumn, 0);
    EXPECT_NEAR(S().Layout().t0, whole.t0, 1e-12);
    // A zoom inside the zoom narrows it further.
    const double t1 = S().Layout().t1;
    Drag(S().Layout().left, (S().Layout().left + S().Layout().right) / 2, y);
    EXPECT_LT(S().Layout().t1, t1);
    ASSERT_TRUE(S().Fire("Command3", Event::Click));
    EXPECT_FALSE(S().Zoomed());
    EXPECT_EQ(S().Layout().t0, whole.t0);
    EXPECT_EQ(S().Layout().t1, whole.t1);
    // The axis switch keeps a zoom.
    Drag(whole.XOfTime(1), whole.XOfTime(2), y);
    ASSERT_TRUE(S().Fire("Option2", Event::Click));
    EXPECT_TRUE(S().Zoomed());
    EXPECT_LT(S().Layout().t1 - S().Layout().t0, 1.5);
}

TEST_F(SpectrogramZoom, TheKeyboardMarksBothEndsWithEnter) {
    OpenTone(4);
    const int columns = S().Layout().Columns();
    Key(kKeyHome);
    Key(kKeyRight, 1);  // ten columns on
    Key(kKeyReturn);
    EXPECT_TRUE(Mark("Line1").Visible);
    // Escape drops the first end only.
    Key(kKeyEscape);
    EXPECT_FALSE(Mark("Line1").Visible);
    EXPECT_FALSE(S().Zoomed());
    Key(kKeyReturn);
    for (int i = 0; i < 3; ++i) Key(kKeyRight, 1);
    EXPECT_TRUE(Mark("Line2").Visible);
    Key(kKeyReturn);
    ASSERT_TRUE(S().Zoomed());
    EXPECT_EQ(S().Layout().firstColumn, 10);
    EXPECT_EQ(S().Layout().endColumn, 41);
    EXPECT_LT(S().Layout().Columns(), columns);
    // The cursor now steps through the zoomed columns, the read-out with it.
    Key(kKeyEnd);
    EXPECT_EQ(S().Layout().ColumnAt(Mark(kSpectrogramKeyCursor).X1), 40);
    EXPECT_FALSE(S().View()["Label1"].caption.empty());
    Key(kKeyEscape);
    EXPECT_FALSE(S().Zoomed());
    EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace quorbel::testing
