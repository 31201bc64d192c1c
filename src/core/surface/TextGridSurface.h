#pragma once
// A surface that lays printed text on a grid of characters, for plain-text output.
// Positions stay in twips, so text and graphics can share one drawing path, but every
// character takes one cell of kCellWidth x kCellHeight twips whatever the font: a tab
// to column c puts the next item at character c-1 (0-based) of its row, and each
// printed line is one row. Text lands in the cell nearest to its top-left corner.
// Text in the "Symbol" font is stored as the Greek letters it stands for. Lines, points
// and circles leave no mark (they still move the current point, as on any surface).
#include <string>
#include <vector>

#include "surface/Surface.h"

namespace quorbel {

class TextGridSurface : public Surface {
  public:
    // One cell: a character of an 8-point body text on a 96-dpi screen (6 x 13 pixels).
    static constexpr double kCellWidth = 90;
    static constexpr double kCellHeight = 195;
    // Text beyond these rows and columns is dropped, so a stray position cannot make
    // the grid grow without bound.
    static constexpr int kMaxColumns = 1000;
    static constexpr int kMaxRows = 10000;

    TextGridSurface(double widthTwips, double heightTwips)
        : width_(widthTwips), height_(heightTwips) {}

    double Width() const override { return width_; }
    double Height() const override { return height_; }

    double TextWidth(const std::string& text) const override;
    double TextHeight() const override { return kCellHeight; }
    double AverageCharWidth() const override { return kCellWidth; }

    // The rows as UTF-8 text, blanks at their ends trimmed; empty rows after the last
    // written one are left out, empty rows between written ones are kept.
    std::vector<std::string> Lines() const;

  protected:
    void DoCls() override { rows_.clear(); }
    void DoLine(double, double, double, double, Color) override {}
    void DoPoint(double, double, Color) override {}
    void DoCircle(double, double, double, Color) override {}
    void DoText(double x, double y, const std::string& text) override;

  private:
    // Characters of the text as it appears: Symbol text translated to Greek.
    std::vector<std::string> Shown(const std::string& text) const;

    double width_;
    double height_;
    std::vector<std::vector<std::string>> rows_;  // one UTF-8 character per cell
};

}  // namespace quorbel
