#include "surface/Surface.h"

#include <utility>

#include "state/NumberText.h"

namespace quorbel {

void Surface::Cls() {
    DoCls();
    currentX_ = 0;
    currentY_ = 0;
}

void Surface::DrawKept(const std::vector<double>& key, const std::function<void()>& draw) {
    const DrawingState from = State();
    if (KeepsPictures() && !keptKey_.empty() && keptKey_ == key && keptFrom_ == from &&
        RestorePicture()) {
        currentX_ = keptState_.currentX;
        currentY_ = keptState_.currentY;
        font_ = keptState_.font;
        foreColor_ = keptState_.foreColor;
        backColor_ = keptState_.backColor;
        return;
    }
    draw();
    if (!KeepsPictures() || key.empty()) return;
    KeepPicture();
    keptKey_ = key;
    keptFrom_ = from;
    keptState_ = State();
}

void Surface::Line(double x1, double y1, double x2, double y2, std::optional<Color> color) {
    DoLine(x1, y1, x2, y2, color.value_or(foreColor_));
    currentX_ = x2;
    currentY_ = y2;
}

void Surface::LineTo(double x2, double y2, std::optional<Color> color) {
    Line(currentX_, currentY_, x2, y2, color);
}

void Surface::PSet(double x, double y, std::optional<Color> color) {
    DoPoint(x, y, color.value_or(foreColor_));
    currentX_ = x;
    currentY_ = y;
}

void Surface::Circle(double cx, double cy, double radius, std::optional<Color> color) {
    DoCircle(cx, cy, radius, color.value_or(foreColor_));
    currentX_ = cx;
    currentY_ = cy;
}

void Surface::FillRect(double x1, double y1, double x2, double y2, Color color) {
    DoFillRect(x1, y1, x2, y2, color);
}

void Surface::DoFillRect(double x1, double y1, double x2, double y2, Color color) {
    if (y2 < y1) std::swap(y1, y2);
    for (double y = y1; y <= y2; y += 15) DoLine(x1, y, x2, y, color);
}

void Surface::Raster(double x1, double y1, double x2, double y2, int columns, int rows,
                     const std::vector<Color>& pixels) {
    if (columns < 1 || rows < 1 ||
        pixels.size() < static_cast<size_t>(columns) * static_cast<size_t>(rows))
        return;
    DoRaster(x1, y1, x2, y2, columns, rows, pixels);
}

void Surface::DoRaster(double x1, double y1, double x2, double y2, int columns, int rows,
                       const std::vector<Color>& pixels) {
    const double w = (x2 - x1) / columns, h = (y2 - y1) / rows;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            DoFillRect(x1 + c * w, y1 + r * h, x1 + (c + 1) * w, y1 + (r + 1) * h,
                       pixels[static_cast<size_t>(r) * columns + c]);
}

void Surface::PrintString(const std::string& text) {
    if (text.empty()) return;
    DoText(currentX_, currentY_, text);
    currentX_ += TextWidth(text);
}

void Surface::NewLine() {
    currentX_ = 0;
    currentY_ += TextHeight();
}

void Surface::Print(const std::vector<PrintItem>& items, bool stayOnLine) {
    for (const PrintItem& item : items) {
        switch (item.kind) {
            case PrintItem::Kind::Text:
                PrintString(item.text);
                break;
            case PrintItem::Kind::Number:
                PrintString((item.number < 0 ? "" : " ") + NumberText(item.number) + " ");
                break;
            case PrintItem::Kind::Tab: {
                double target = (item.column > 1 ? item.column - 1 : 0) * AverageCharWidth();
                if (currentX_ > target) NewLine();
                currentX_ = target;
                break;
            }
        }
    }
    if (!stayOnLine) NewLine();
}

}  // namespace quorbel
