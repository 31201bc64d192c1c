#include "surface/ViewportSurface.h"

#include <algorithm>

namespace quorbel {

ViewportSurface::ViewportSurface(Surface& target, double width, double height, double dx, double dy,
                                 TwipsRect clip, Palette palette)
    : target_(&target),
      width_(width),
      height_(height),
      dx_(dx),
      dy_(dy),
      clip_(clip),
      palette_(std::move(palette)) {}

bool ClipSegment(const TwipsRect& clip, double& x1, double& y1, double& x2, double& y2) {
    // Liang-Barsky: the segment is x1 + t dx, y1 + t dy for t in [0, 1]; each edge of
    // the rectangle narrows the range of t that lies inside.
    const double dx = x2 - x1, dy = y2 - y1;
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - clip.left, clip.right - x1, y1 - clip.top, clip.bottom - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;  // parallel to the edge and outside it
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const double ox = x1, oy = y1;
    x1 = ox + t0 * dx;
    y1 = oy + t0 * dy;
    x2 = ox + t1 * dx;
    y2 = oy + t1 * dy;
    return true;
}

void ViewportSurface::LendFont() const {
    target_->SetFontName(Font().name);
    target_->SetFontSize(Font().size);
    target_->SetFontBold(Font().bold);
    target_->SetFontItalic(Font().italic);
}

double ViewportSurface::TextWidth(const std::string& text) const {
    LendFont();
    return target_->TextWidth(text);
}

double ViewportSurface::TextHeight() const {
    LendFont();
    return target_->TextHeight();
}

double ViewportSurface::AverageCharWidth() const {
    LendFont();
    return target_->AverageCharWidth();
}

void ViewportSurface::DoCls() {
    target_->FillRect(clip_.left + dx_, clip_.top + dy_, clip_.right + dx_, clip_.bottom + dy_,
                      Translated(BackColor()));
}

void ViewportSurface::DoLine(double x1, double y1, double x2, double y2, Color color) {
    if (!ClipSegment(clip_, x1, y1, x2, y2)) return;
    target_->Line(x1 + dx_, y1 + dy_, x2 + dx_, y2 + dy_, Translated(color));
}

void ViewportSurface::DoPoint(double x, double y, Color color) {
    if (clip_.Contains(x, y)) target_->PSet(x + dx_, y + dy_, Translated(color));
}

void ViewportSurface::DoCircle(double cx, double cy, double radius, Color color) {
    if (clip_.Contains(cx - radius, cy - radius) && clip_.Contains(cx + radius, cy + radius))
        target_->Circle(cx + dx_, cy + dy_, radius, Translated(color));
}

void ViewportSurface::DoFillRect(double x1, double y1, double x2, double y2, Color color) {
    const double left = std::max(std::min(x1, x2), clip_.left);
    const double right = std::min(std::max(x1, x2), clip_.right);
    const double top = std::max(std::min(y1, y2), clip_.top);
    const double bottom = std::min(std::max(y1, y2), clip_.bottom);
    if (left > right || top > bottom) return;
    // Filled boxes keep their colours (the keys of a keyboard stay white and black);
    // only the ground (Cls) and the lines and texts drawn on it change.
    target_->FillRect(left + dx_, top + dy_, right + dx_, bottom + dy_, color);
}

double ViewportSurface::PixelsPerTwip() const {
    return target_->PixelsPerTwip();
}

void ViewportSurface::DoRaster(double x1, double y1, double x2, double y2, int columns, int rows,
                               const std::vector<Color>& pixels) {
    if (clip_.Contains(x1, y1) && clip_.Contains(x2, y2))
        target_->Raster(x1 + dx_, y1 + dy_, x2 + dx_, y2 + dy_, columns, rows, pixels);
    else
        Surface::DoRaster(x1, y1, x2, y2, columns, rows, pixels);
}

void ViewportSurface::DoText(double x, double y, const std::string& text) {
    const double width = TextWidth(text);
    if (!clip_.Contains(x, y) || !clip_.Contains(x + width, y + TextHeight())) return;
    LendFont();
    const Color fore = target_->ForeColor();
    target_->SetForeColor(Translated(ForeColor()));
    target_->SetCurrentX(x + dx_);
    target_->SetCurrentY(y + dy_);
    target_->PrintText(text, true);
    target_->SetForeColor(fore);
}

}  // namespace quorbel
