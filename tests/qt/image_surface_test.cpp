// The image surface paints what the drawings ask for where they ask for it: expected
// twips are turned into expected pixels and compared with the bounding box of what was
// really painted.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QRect>
#include <functional>
#include <utility>

#include "surface/Fonts.h"
#include "surface/ImageSurface.h"

namespace quorbel {
namespace {

// The drawing area of a graph: 7665 x 5295 twips, 511 x 353 pixels at 96 dpi
// (15 twips per pixel).
constexpr double kWidth = 7665;
constexpr double kHeight = 5295;

// Bounding box, in image pixels, of the pixels that satisfy `match`; empty if none.
QRect BoundsOf(const QImage& image, const std::function<bool(QRgb)>& match) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (match(image.pixel(x, y))) box |= QRect(x, y, 1, 1);
    return box;
}

QRect BoundsOfColor(const QImage& image, Color c) {
    const QRgb wanted = qRgb(RedOf(c), GreenOf(c), BlueOf(c));
    return BoundsOf(image,
                    [wanted](QRgb p) { return qRgb(qRed(p), qGreen(p), qBlue(p)) == wanted; });
}

QRect BoundsOfNonBackground(const QImage& image, Color back) {
    const QRgb bg = qRgb(RedOf(back), GreenOf(back), BlueOf(back));
    return BoundsOf(image, [bg](QRgb p) { return qRgb(qRed(p), qGreen(p), qBlue(p)) != bg; });
}

// ---- Geometry ------------------------------------------------------------------------

TEST(ImageSurfaceGeometry, ImageHasTheSizeOfTheTwipsAtTheDpi) {
    ImageSurface surface(kWidth, kHeight);
    EXPECT_EQ(surface.Image().size(), QSize(511, 353));
    EXPECT_DOUBLE_EQ(surface.Width(), kWidth);
    EXPECT_DOUBLE_EQ(surface.Height(), kHeight);

    ImageSurface at120(1440, 720, 120);
    EXPECT_EQ(at120.Image().size(), QSize(120, 60));
}

TEST(ImageSurfaceGeometry, LineLandsOnItsPixels) {
    ImageSurface surface(kWidth, kHeight);
    surface.Line(1440, 720, 2880, 720, colors::kDarkRed);
    // One inch in at half an inch down: x 96..192 on row 48, one pixel thick.
    EXPECT_EQ(BoundsOfColor(surface.Image(), colors::kDarkRed),
              QRect(QPoint(96, 48), QPoint(192, 48)));
}

TEST(ImageSurfaceGeometry, VerticalLineUsesTheSameMapping) {
    ImageSurface surface(kWidth, kHeight);
    surface.Line(150, 300, 150, 4500, colors::kDarkBlue);
    EXPECT_EQ(BoundsOfColor(surface.Image(), colors::kDarkBlue),
              QRect(QPoint(10, 20), QPoint(10, 300)));
}

TEST(ImageSurfaceGeometry, ColourKeepsRedInTheLowByte) {
    ImageSurface surface(kWidth, kHeight);
    const Color odd = Rgb(10, 120, 230);
    surface.Line(1440, 1440, 2880, 1440, odd);
    const QRgb p = surface.Image().pixel(150, 96);
    EXPECT_EQ(qRed(p), 10);
    EXPECT_EQ(qGreen(p), 120);
    EXPECT_EQ(qBlue(p), 230);
}

TEST(ImageSurfaceGeometry, LineWithoutColourUsesForeColor) {
    ImageSurface surface(kWidth, kHeight);
    surface.SetForeColor(colors::kDarkBlue);
    surface.Line(1440, 720, 2880, 720);
    EXPECT_EQ(BoundsOfColor(surface.Image(), colors::kDarkBlue),
              QRect(QPoint(96, 48), QPoint(192, 48)));
}

TEST(ImageSurfaceGeometry, PointIsOnePixel) {
    ImageSurface surface(kWidth, kHeight);
    surface.PSet(1500, 750, colors::kDarkRed);
    EXPECT_EQ(BoundsOfColor(surface.Image(), colors::kDarkRed), QRect(100, 50, 1, 1));
}

TEST(ImageSurfaceGeometry, CircleSpansItsDiameter) {
    ImageSurface surface(kWidth, kHeight);
    // Centre (200, 150) px, radius 60 px.
    surface.Circle(3000, 2250, 900, colors::kDarkRed);
    const QRect box = BoundsOfColor(surface.Image(), colors::kDarkRed);
    EXPECT_NEAR(box.left(), 140, 1);
    EXPECT_NEAR(box.right(), 260, 1);
    EXPECT_NEAR(box.top(), 90, 1);
    EXPECT_NEAR(box.bottom(), 210, 1);
    // A circle, not a disc: the centre stays clear.
    EXPECT_EQ(surface.Image().pixel(200, 150), qRgb(255, 255, 255));
}

// ---- Persistence and erasing ---------------------------------------------------------

TEST(ImageSurfaceErase, DrawingStaysUntilCls) {
    ImageSurface surface(kWidth, kHeight);
    surface.Line(1440, 720, 2880, 720, colors::kDarkRed);
    (void)surface.Image();  // showing the picture must not lose it
    surface.Line(1440, 1440, 2880, 1440, colors::kDarkRed);
    EXPECT_EQ(BoundsOfColor(surface.Image(), colors::kDarkRed),
              QRect(QPoint(96, 48), QPoint(192, 96)));
}

TEST(ImageSurfaceErase, ClsFillsWithBackColor) {
    ImageSurface surface(kWidth, kHeight);
    surface.Line(1440, 720, 2880, 720, colors::kDarkRed);
    surface.SetBackColor(colors::kButtonFace);
    surface.Cls();
    const QImage& image = surface.Image();
    EXPECT_TRUE(BoundsOfColor(image, colors::kDarkRed).isEmpty());
    EXPECT_TRUE(BoundsOfNonBackground(image, colors::kButtonFace).isEmpty());
}

TEST(ImageSurfaceErase, ResizeGivesAClearedImageOfTheNewSize) {
    ImageSurface surface(kWidth, kHeight);
    surface.Line(1440, 720, 2880, 720, colors::kDarkRed);
    surface.Resize(3000, 1500);
    EXPECT_EQ(surface.Image().size(), QSize(200, 100));
    EXPECT_DOUBLE_EQ(surface.Width(), 3000);
    EXPECT_TRUE(BoundsOfNonBackground(surface.Image(), colors::kWhite).isEmpty());
    surface.Line(1440, 720, 2880, 720, colors::kDarkRed);
    EXPECT_EQ(BoundsOfColor(surface.Image(), colors::kDarkRed),
              QRect(QPoint(96, 48), QPoint(192, 48)));
}

// ---- HiDPI ---------------------------------------------------------------------------

TEST(ImageSurfaceHiDpi, DoublePixelRatioDoublesPixelsButNotTwips) {
    ImageSurface surface(kWidth, kHeight, 96, 2.0);
    const QImage& image = surface.Image();
    EXPECT_EQ(image.size(), QSize(1022, 706));
    EXPECT_DOUBLE_EQ(image.devicePixelRatio(), 2.0);
    EXPECT_DOUBLE_EQ(surface.Width(), kWidth);

    surface.Line(1440, 720, 2880, 720, colors::kDarkRed);
    const QRect box = BoundsOfColor(surface.Image(), colors::kDarkRed);
    EXPECT_EQ(box.left(), 192);
    EXPECT_EQ(box.top(), 96);
    EXPECT_NEAR(box.right(), 384, 1);
    // One logical pixel is two device pixels at this ratio.
    EXPECT_LE(box.height(), 2);
}

TEST(ImageSurfaceHiDpi, TextMeasuresTheSameAtAnyPixelDensity) {
    // Layouts are computed in twips; a sharper screen must not move them.
    ImageSurface normal(kWidth, kHeight, 96, 1.0);
    const std::string text = "Frequency (Hz)";
    const double width = normal.TextWidth(text);
    const double height = normal.TextHeight();
    for (auto [dpi, ratio] : {std::pair{96.0, 2.0}, std::pair{144.0, 1.0}, std::pair{144.0, 1.5}}) {
        ImageSurface sharp(kWidth, kHeight, dpi, ratio);
        EXPECT_NEAR(sharp.TextWidth(text), width, width * 0.06) << dpi << " dpi x " << ratio;
        EXPECT_NEAR(sharp.TextHeight(), height, height * 0.1) << dpi << " dpi x " << ratio;
    }
}

// ---- Text ----------------------------------------------------------------------------

TEST(ImageSurfaceText, PrintStartsAtTheCurrentPointTopLeft) {
    ImageSurface surface(kWidth, kHeight);
    surface.SetFontName("Arial");
    surface.SetFontSize(12);
    surface.SetCurrentX(1500);  // 100 px
    surface.SetCurrentY(750);   // 50 px
    surface.PrintText("HHH");
    const QRect box = BoundsOfNonBackground(surface.Image(), colors::kWhite);
    ASSERT_FALSE(box.isEmpty());
    // The ink starts just right of and below the current point (a glyph's side bearing,
    // the space above capitals), not above it as it would if drawn on the baseline.
    EXPECT_GE(box.left(), 100);
    EXPECT_LE(box.left(), 103);
    EXPECT_GE(box.top(), 50);
    EXPECT_LE(box.top(), 56);
    EXPECT_LE(box.bottom(), 50 + surface.TextHeight() / 15);
}

TEST(ImageSurfaceText, PaintedWidthMatchesTextWidth) {
    for (double dpi : {96.0, 144.0}) {
        ImageSurface surface(kWidth, kHeight, dpi);
        surface.SetFontName("Arial");
        surface.SetFontSize(12);
        surface.SetCurrentX(1440);
        surface.SetCurrentY(720);
        const std::string text = "MMMMMMMM";
        surface.PrintText(text);
        const QRect box = BoundsOfNonBackground(surface.Image(), colors::kWhite);
        const double widthPixels = surface.TextWidth(text) / 1440 * dpi;
        EXPECT_NEAR(box.width(), widthPixels, 3) << "at " << dpi << " dpi";
    }
}

TEST(ImageSurfaceText, TextIsDrawnInForeColor) {
    ImageSurface surface(kWidth, kHeight);
    surface.SetFontSize(14);
    surface.SetForeColor(colors::kDarkBlue);
    surface.SetCurrentX(1500);
    surface.SetCurrentY(750);
    surface.PrintText("IIII");
    EXPECT_FALSE(BoundsOfColor(surface.Image(), colors::kDarkBlue).isEmpty());
}

TEST(ImageSurfaceText, TextWidthGrowsWithLengthAndSize) {
    ImageSurface surface(kWidth, kHeight);
    surface.SetFontName("Arial");
    surface.SetFontSize(8.25);
    const double one = surface.TextWidth("5");
    const double three = surface.TextWidth("555");
    EXPECT_GT(one, 0);
    EXPECT_NEAR(three, 3 * one, one * 0.5);
    const double smallHeight = surface.TextHeight();
    const double smallAverage = surface.AverageCharWidth();

    surface.SetFontSize(16.5);
    EXPECT_NEAR(surface.TextWidth("555"), 2 * three, three * 0.2);
    EXPECT_NEAR(surface.TextHeight(), 2 * smallHeight, smallHeight * 0.2);
    EXPECT_NEAR(surface.AverageCharWidth(), 2 * smallAverage, smallAverage * 0.3);
}

TEST(ImageSurfaceText, MetricsAreInTwips) {
    ImageSurface surface(kWidth, kHeight);
    surface.SetFontName("Arial");
    surface.SetFontSize(12);
    // A 12-point line is a sixth of an inch plus some leading: 240 twips and a bit.
    EXPECT_GE(surface.TextHeight(), 240);
    EXPECT_LE(surface.TextHeight(), 330);
    EXPECT_GT(surface.AverageCharWidth(), 60);
    EXPECT_LT(surface.AverageCharWidth(), 180);
}

TEST(ImageSurfaceText, BoldIsWider) {
    ImageSurface surface(kWidth, kHeight);
    surface.SetFontName("Arial");
    surface.SetFontSize(12);
    const double regular = surface.TextWidth("Amplitude spectrum");
    surface.SetFontBold(true);
    EXPECT_GT(surface.TextWidth("Amplitude spectrum"), regular);
}

// ---- The Symbol font -----------------------------------------------------------------

TEST(SymbolFont, SurfaceMeasuresSymbolTextAsGreekInTheSurroundingFont) {
    ImageSurface surface(kWidth, kHeight);
    surface.SetFontName("Times New Roman");
    surface.SetFontSize(12);
    const double serifPi = surface.TextWidth("π");
    const double serifLine = surface.TextHeight();
    surface.SetFontName("Symbol");
    EXPECT_DOUBLE_EQ(surface.TextWidth("p"), serifPi);
    EXPECT_DOUBLE_EQ(surface.TextHeight(), serifLine);

    surface.SetFontName("Arial");
    const double sansPi = surface.TextWidth("π");
    surface.SetFontName("Symbol");
    EXPECT_DOUBLE_EQ(surface.TextWidth("p"), sansPi);
}

TEST(SymbolFont, SurfacePaintsSymbolTextAsTheGreekLetter) {
    // Compare the ink of "n" printed in Symbol with "ν" printed in the surrounding font.
    auto ink = [](const std::string& fontName, const std::string& text) {
        ImageSurface surface(3000, 1500);
        surface.SetFontName("Arial");
        surface.SetFontSize(20);
        surface.SetFontName(fontName);
        surface.SetCurrentX(300);
        surface.SetCurrentY(300);
        surface.PrintText(text);
        return surface.Image();
    };
    const QImage greek = ink("Arial", "ν");
    EXPECT_EQ(ink("Symbol", "n"), greek);
    EXPECT_NE(ink("Arial", "n"), greek);
}

// ---- Font substitution ---------------------------------------------------------------

bool HasFamily(const QString& family) {
    return QFontDatabase::families().contains(family);
}

TEST(FontSubstitution, SansNamesBecomeLiberationSans) {
    if (!HasFamily("Liberation Sans")) GTEST_SKIP() << "Liberation Sans is not installed";
    EXPECT_EQ(QFontInfo(MakeFont({"MS Sans Serif", 8.25, false, false})).family(),
              "Liberation Sans");
    EXPECT_EQ(QFontInfo(MakeFont({"Arial", 10, false, false})).family(), "Liberation Sans");
}

TEST(FontSubstitution, TimesBecomesLiberationSerif) {
    if (!HasFamily("Liberation Serif")) GTEST_SKIP() << "Liberation Serif is not installed";
    EXPECT_EQ(QFontInfo(MakeFont({"Times New Roman", 12, false, false})).family(),
              "Liberation Serif");
}

TEST(FontSubstitution, SizeBoldAndItalicAreKept) {
    const QFont font = MakeFont({"Arial", 8.25, true, true});
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 8.25);
    EXPECT_TRUE(font.bold());
    EXPECT_TRUE(font.italic());
    EXPECT_FALSE(MakeFont({"Arial", 8.25, false, false}).bold());
}

}  // namespace
}  // namespace quorbel
