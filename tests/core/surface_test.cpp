// The drawing-surface rules every graph and report relies on: where Print puts text and
// leaves the current point, how tabs and numbers print, and which operations move the
// current point. Measured with the recording surface's fixed metric; at 10 points a
// character is 100 twips wide and a line 240 twips high.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "surface/RecordingSurface.h"

namespace quorbel {
namespace {

class SurfacePrintTest : public ::testing::Test {
  protected:
    void SetUp() override { pic_.SetFontSize(10); }

    std::vector<Primitive> Texts() const { return pic_.OfKind(Primitive::Kind::Text); }

    RecordingSurface pic_{7665, 5295};
};

TEST_F(SurfacePrintTest, TextStartsAtTheCurrentPointAndEndsTheLine) {
    pic_.SetCurrentX(500);
    pic_.SetCurrentY(1000);
    pic_.PrintText("abc");
    ASSERT_EQ(Texts().size(), 1u);
    EXPECT_EQ(Texts()[0].x1, 500);
    EXPECT_EQ(Texts()[0].y1, 1000);
    EXPECT_EQ(pic_.CurrentX(), 0);
    EXPECT_EQ(pic_.CurrentY(), 1240);
}

TEST_F(SurfacePrintTest, StayOnLineKeepsTheCurrentPointBehindTheText) {
    pic_.SetCurrentX(500);
    pic_.SetCurrentY(1000);
    pic_.PrintText("abc", true);
    EXPECT_EQ(pic_.CurrentX(), 800);
    EXPECT_EQ(pic_.CurrentY(), 1000);
    pic_.PrintText("de");
    ASSERT_EQ(Texts().size(), 2u);
    EXPECT_EQ(Texts()[1].x1, 800);
    EXPECT_EQ(Texts()[1].y1, 1000);
    EXPECT_EQ(pic_.CurrentX(), 0);
    EXPECT_EQ(pic_.CurrentY(), 1240);
}

TEST_F(SurfacePrintTest, LineHeightFollowsTheFontSize) {
    pic_.SetFontSize(20);
    pic_.PrintText("a");
    EXPECT_EQ(pic_.CurrentY(), 480);
}

TEST_F(SurfacePrintTest, AnEmptyPrintOnlyEndsTheLine) {
    pic_.SetCurrentX(300);
    pic_.Print({});
    EXPECT_TRUE(Texts().empty());
    EXPECT_EQ(pic_.CurrentX(), 0);
    EXPECT_EQ(pic_.CurrentY(), 240);
}

TEST_F(SurfacePrintTest, NumbersPrintWithTheirBlanks) {
    pic_.Print({PrintItem::Num(5), PrintItem::Num(-3), PrintItem::Num(0.5), PrintItem::Num(-0.0),
                PrintItem::Num(1024)});
    std::vector<std::string> texts;
    for (const Primitive& p : Texts()) texts.push_back(p.text);
    EXPECT_EQ(texts, (std::vector<std::string>{" 5 ", "-3 ", " 0.5 ", " 0 ", " 1024 "}));
    // Each number continues where the previous one ended.
    EXPECT_EQ(Texts()[1].x1, 300);
    EXPECT_EQ(Texts()[2].x1, 600);
}

TEST_F(SurfacePrintTest, TabAheadStaysOnTheLine) {
    pic_.SetCurrentY(1000);
    pic_.Print({PrintItem::Str("abc"), PrintItem::Tab(10), PrintItem::Str("x")});
    ASSERT_EQ(Texts().size(), 2u);
    EXPECT_EQ(Texts()[1].x1, 900);  // column 10 starts after nine characters
    EXPECT_EQ(Texts()[1].y1, 1000);
}

TEST_F(SurfacePrintTest, TabToTheColumnAlreadyReachedStaysOnTheLine) {
    pic_.Print({PrintItem::Str("abcd"), PrintItem::Tab(5), PrintItem::Str("x")});
    EXPECT_EQ(Texts()[1].x1, 400);
    EXPECT_EQ(Texts()[1].y1, 0);
}

TEST_F(SurfacePrintTest, TabBehindTheCurrentColumnMovesToTheNextLine) {
    pic_.SetCurrentY(1000);
    pic_.Print({PrintItem::Str("abcdefghij"), PrintItem::Tab(5), PrintItem::Str("x")}, true);
    ASSERT_EQ(Texts().size(), 2u);
    EXPECT_EQ(Texts()[1].x1, 400);
    EXPECT_EQ(Texts()[1].y1, 1240);
    EXPECT_EQ(pic_.CurrentX(), 500);
    EXPECT_EQ(pic_.CurrentY(), 1240);
}

TEST_F(SurfacePrintTest, TabColumnsFollowTheCurrentFont) {
    pic_.SetFontSize(12);
    pic_.Print({PrintItem::Tab(3), PrintItem::Str("x")});
    EXPECT_EQ(Texts()[0].x1, 240);
}

TEST_F(SurfacePrintTest, TextKeepsTheFontItWasPrintedIn) {
    pic_.SetFontName("Times New Roman");
    pic_.SetFontBold(true);
    pic_.PrintText("a", true);
    pic_.SetFontName("Symbol");
    pic_.SetFontBold(false);
    pic_.PrintText("n");
    ASSERT_EQ(Texts().size(), 2u);
    EXPECT_EQ(Texts()[0].font, (FontState{"Times New Roman", 10, true, false}));
    EXPECT_EQ(Texts()[1].font, (FontState{"Symbol", 10, false, false}));
}

TEST(SurfaceCurrentPointTest, LineAndPSetMoveTheCurrentPoint) {
    RecordingSurface pic(1000, 1000);
    pic.Line(10, 20, 300, 400);
    EXPECT_EQ(pic.CurrentX(), 300);
    EXPECT_EQ(pic.CurrentY(), 400);
    pic.PSet(50, 60);
    EXPECT_EQ(pic.CurrentX(), 50);
    EXPECT_EQ(pic.CurrentY(), 60);
}

TEST(SurfaceCurrentPointTest, LineToStartsAtTheCurrentPoint) {
    RecordingSurface pic(1000, 1000);
    pic.PSet(50, 60);
    pic.LineTo(70, 80);
    const auto lines = pic.OfKind(Primitive::Kind::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].x1, 50);
    EXPECT_EQ(lines[0].y1, 60);
    EXPECT_EQ(lines[0].x2, 70);
    EXPECT_EQ(lines[0].y2, 80);
    EXPECT_EQ(pic.CurrentX(), 70);
    EXPECT_EQ(pic.CurrentY(), 80);
}

TEST(SurfaceCurrentPointTest, ClsErasesAndReturnsToTheOrigin) {
    RecordingSurface pic(1000, 1000);
    pic.Line(10, 20, 300, 400);
    pic.PrintText("abc", true);
    pic.Cls();
    EXPECT_EQ(pic.CurrentX(), 0);
    EXPECT_EQ(pic.CurrentY(), 0);
    EXPECT_TRUE(pic.Primitives().empty());
    EXPECT_EQ(pic.ClsCount(), 1);
}

TEST(SurfaceColourTest, DrawingUsesTheForeColourUnlessGivenOne) {
    RecordingSurface pic(1000, 1000);
    pic.Line(0, 0, 1, 1);
    pic.SetForeColor(colors::kDarkBlue);
    pic.PSet(2, 2);
    pic.Line(0, 0, 3, 3, colors::kWhite);
    pic.PrintText("a");
    const auto& p = pic.Primitives();
    ASSERT_EQ(p.size(), 4u);
    EXPECT_EQ(p[0].color, colors::kBlack);
    EXPECT_EQ(p[1].color, colors::kDarkBlue);
    EXPECT_EQ(p[2].color, colors::kWhite);
    EXPECT_EQ(p[3].color, colors::kDarkBlue);  // an explicit colour leaves ForeColor alone
}

TEST(SurfaceColourTest, RedIsTheLowByte) {
    EXPECT_EQ(colors::kDarkRed, 0x0000C0u);
    EXPECT_EQ(colors::kDarkBlue, 0xC00000u);
    EXPECT_EQ(RedOf(Rgb(1, 2, 3)), 1);
    EXPECT_EQ(GreenOf(Rgb(1, 2, 3)), 2);
    EXPECT_EQ(BlueOf(Rgb(1, 2, 3)), 3);
}

}  // namespace
}  // namespace quorbel
