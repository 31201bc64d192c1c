#pragma once
// A drawing made for one surface, placed on another: the drawing sees a surface of its
// own size (so it lays itself out exactly as it does in the window), and what it draws
// lands on the target moved by an offset, cut to a clip rectangle of the drawing and
// with its colours passed through a palette. This is how a picture for paper holds the
// window's own drawing of a graph beside axes and titles of its own: the drawing code
// is the window's, only where and in which colours it lands differ.
#include <functional>

#include "surface/Surface.h"

namespace quorbel {

// A rectangle in twips; right and bottom excluded from nothing (closed).
struct TwipsRect {
    double left = 0, top = 0, right = 0, bottom = 0;
    bool Contains(double x, double y) const {
        return x >= left && x <= right && y >= top && y <= bottom;
    }
};

using Palette = std::function<Color(Color)>;

class ViewportSurface : public Surface {
  public:
    // The drawing is width x height twips; its point (x, y) lands on the target at
    // (x + dx, y + dy) when it lies within `clip` (drawing coordinates). The palette
    // recolours the ground, lines, points, circles and texts, not filled boxes; an
    // empty one keeps every colour.
    ViewportSurface(Surface& target, double width, double height, double dx, double dy,
                    TwipsRect clip, Palette palette = {});

    double Width() const override { return width_; }
    double Height() const override { return height_; }
    double TextWidth(const std::string& text) const override;
    double TextHeight() const override;
    double AverageCharWidth() const override;
    // The target's: the drawing lands on it at the same scale.
    double PixelsPerTwip() const override;

  protected:
    // Erasing fills the clip rectangle with the (translated) background colour.
    void DoCls() override;
    void DoLine(double x1, double y1, double x2, double y2, Color color) override;
    void DoPoint(double x, double y, Color color) override;
    void DoCircle(double cx, double cy, double radius, Color color) override;
    void DoFillRect(double x1, double y1, double x2, double y2, Color color) override;
    // A picture inside the clip rectangle goes to the target whole; one across its
    // edge is filled cell by cell, each cell cut.
    void DoRaster(double x1, double y1, double x2, double y2, int columns, int rows,
                  const std::vector<Color>& pixels) override;
    // Text that does not fit the clip rectangle whole is left out.
    void DoText(double x, double y, const std::string& text) override;

  private:
    Color Translated(Color c) const { return palette_ ? palette_(c) : c; }
    // The target measures and prints in this surface's font.
    void LendFont() const;

    Surface* target_;
    double width_, height_, dx_, dy_;
    TwipsRect clip_;
    Palette palette_;
};

// The part of the segment (x1, y1)-(x2, y2) inside `clip`; false when none is.
bool ClipSegment(const TwipsRect& clip, double& x1, double& y1, double& x2, double& y2);

}  // namespace quorbel
