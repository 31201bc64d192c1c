#pragma once
// A drawing surface measured in twips (1/1440 inch) from its top-left corner, y
// downward. Plotting code derives every position from Width() and Height(); no user
// scale is ever set. The surface keeps a current point, a foreground colour and font
// settings; what is drawn stays until the next Cls.
//
// The drawing primitives and text metrics are left to implementations (an image, a
// printer page, a recording for tests); the Print rules - tab columns, staying on the
// line, the blanks around numbers and the movement of the current point - live here
// once, so every surface prints alike.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quorbel {

// 24-bit RGB with red in the low byte.
using Color = std::uint32_t;
constexpr Color Rgb(int r, int g, int b) {
    return static_cast<Color>(r & 0xFF) | (static_cast<Color>(g & 0xFF) << 8) |
           (static_cast<Color>(b & 0xFF) << 16);
}
constexpr int RedOf(Color c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(Color c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(Color c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

namespace colors {
inline constexpr Color kBlack = Rgb(0, 0, 0);
inline constexpr Color kWhite = Rgb(255, 255, 255);
inline constexpr Color kDarkRed = Rgb(192, 0, 0);
inline constexpr Color kDarkBlue = Rgb(0, 0, 192);
inline constexpr Color kYellow = Rgb(255, 255, 0);
inline constexpr Color kButtonFace = Rgb(240, 240, 240);  // the system's button faces
}  // namespace colors

struct FontState {
    std::string name = "MS Sans Serif";
    double size = 8.25;  // points
    bool bold = false;
    bool italic = false;
    bool operator==(const FontState&) const = default;
};

// One item of a Print statement: text, a number, or a tab to a character column.
struct PrintItem {
    enum class Kind { Text, Number, Tab };
    Kind kind = Kind::Text;
    std::string text;
    double number = 0;
    int column = 0;

    static PrintItem Str(std::string t) { return {Kind::Text, std::move(t), 0, 0}; }
    static PrintItem Num(double v) { return {Kind::Number, {}, v, 0}; }
    static PrintItem Tab(int col) { return {Kind::Tab, {}, 0, col}; }
};

class Surface {
  public:
    virtual ~Surface() = default;

    // Outer size in twips.
    virtual double Width() const = 0;
    virtual double Height() const = 0;

    // Erase to the background colour; the current point returns to (0, 0).
    void Cls();
    // A line (x1, y1)-(x2, y2); the current point becomes (x2, y2).
    void Line(double x1, double y1, double x2, double y2, std::optional<Color> color = {});
    // A line from the current point to (x2, y2).
    void LineTo(double x2, double y2, std::optional<Color> color = {});
    // One point; the current point becomes (x, y). A white PSet is how labels are
    // positioned: it moves the current point and leaves a dot on a white background.
    void PSet(double x, double y, std::optional<Color> color = {});
    void Circle(double cx, double cy, double radius, std::optional<Color> color = {});
    // A box (x1, y1)-(x2, y2) filled with `color`, without an outline; the current
    // point stays where it was.
    void FillRect(double x1, double y1, double x2, double y2, Color color);

    // A picture of `columns` x `rows` cells (pixels[row * columns + column], the top
    // row first) stretched over the box (x1, y1)-(x2, y2), each cell one flat colour;
    // the current point stays where it was.
    void Raster(double x1, double y1, double x2, double y2, int columns, int rows,
                const std::vector<Color>& pixels);
    // The device pixels per twip that a Raster lands on: a picture needs no more cells
    // than that across its box. Surfaces without pixels of their own count those of a
    // 96-dpi screen (15 twips a pixel).
    virtual double PixelsPerTwip() const { return 96.0 / 1440.0; }

    // Prints the items at the current point. With stayOnLine the current point stays
    // behind the last item; otherwise it moves to the left edge of the next line.
    // A number prints as " 12 " / "-3 ": a leading blank when not negative and one
    // trailing blank. A tab to column n (1-based, in average character widths of the
    // current font) moves right on the current line, or to column n of the next line
    // when the line is already past it.
    void Print(const std::vector<PrintItem>& items, bool stayOnLine = false);
    void PrintText(const std::string& text, bool stayOnLine = false) {
        Print({PrintItem::Str(text)}, stayOnLine);
    }

    double CurrentX() const { return currentX_; }
    double CurrentY() const { return currentY_; }
    void SetCurrentX(double x) { currentX_ = x; }
    void SetCurrentY(double y) { currentY_ = y; }

    const FontState& Font() const { return font_; }
    void SetFontName(const std::string& name) { font_.name = name; }
    void SetFontSize(double points) { font_.size = points; }
    void SetFontBold(bool on) { font_.bold = on; }
    void SetFontItalic(bool on) { font_.italic = on; }
    Color ForeColor() const { return foreColor_; }
    void SetForeColor(Color c) { foreColor_ = c; }
    Color BackColor() const { return backColor_; }
    void SetBackColor(Color c) { backColor_ = c; }

    // Text metrics of the current font, in twips.
    virtual double TextWidth(const std::string& text) const = 0;
    virtual double TextHeight() const = 0;
    virtual double AverageCharWidth() const = 0;

    // A picture that begins with a part which stays the same from one drawing to the
    // next (a scale, a keyboard and their labels): `draw` draws that part from a Cls on.
    // A surface that keeps pictures (KeepsPictures) lays down its copy instead while
    // `key`, which names everything else the part depends on, and the current point,
    // font and colours it starts from are unchanged; they are then as `draw` left them.
    // Others simply draw.
    void DrawKept(const std::vector<double>& key, const std::function<void()>& draw);
    virtual bool KeepsPictures() const { return false; }

    // Writes the picture as a Windows bitmap (".bmp") file, replacing an old file only
    // once the new one is complete. False, with the reason in `error`, when the surface
    // keeps no picture of its own or the file cannot be written.
    virtual bool SaveBitmap(const std::string& path, std::string* error) {
        (void)path;
        if (error) *error = "this drawing keeps no picture";
        return false;
    }

  protected:
    // A surface that keeps pictures: KeepPicture copies the pixels drawn so far,
    // RestorePicture puts that copy back (false when it has none), ForgetPicture drops it
    // (the surface's size changed).
    virtual void KeepPicture() {}
    virtual bool RestorePicture() { return false; }
    void ForgetPicture() { keptKey_.clear(); }

    virtual void DoCls() = 0;
    virtual void DoLine(double x1, double y1, double x2, double y2, Color color) = 0;
    virtual void DoPoint(double x, double y, Color color) = 0;
    virtual void DoCircle(double cx, double cy, double radius, Color color) = 0;
    // Surfaces without a fill of their own cover the box with horizontal lines 15
    // twips apart (one pixel at 96 dpi).
    virtual void DoFillRect(double x1, double y1, double x2, double y2, Color color);
    // Surfaces without pictures of their own fill each cell as a box.
    virtual void DoRaster(double x1, double y1, double x2, double y2, int columns, int rows,
                          const std::vector<Color>& pixels);
    // Text with its top-left corner at (x, y) in the current font and ForeColor.
    virtual void DoText(double x, double y, const std::string& text) = 0;

  private:
    void PrintString(const std::string& text);
    void NewLine();

    double currentX_ = 0;
    double currentY_ = 0;
    FontState font_;
    Color foreColor_ = colors::kBlack;
    Color backColor_ = colors::kWhite;

    // The kept picture's key, the state its drawing started from and the state it left.
    struct DrawingState {
        double currentX, currentY;
        FontState font;
        Color foreColor, backColor;
        bool operator==(const DrawingState&) const = default;
    };
    DrawingState State() const { return {currentX_, currentY_, font_, foreColor_, backColor_}; }
    std::vector<double> keptKey_;
    DrawingState keptFrom_{}, keptState_{};
};

}  // namespace quorbel
