#pragma once
// A surface that keeps every primitive in order, for tests. Text is measured with a
// fixed metric so that layouts are deterministic:
//   average character width = font size (points) x 10 twips (half an em),
//   text width              = characters x average character width,
//   line height             = font size (points) x 24 twips (1.2 em).
#include <string>
#include <vector>

#include "surface/Surface.h"

namespace quorbel {

struct Primitive {
    enum class Kind { Cls, Line, Point, Circle, Text, Box };
    Kind kind = Kind::Cls;
    double x1 = 0, y1 = 0, x2 = 0,
           y2 = 0;  // Point/Text use x1, y1; Circle: centre, x2 = radius; Box: filled
    Color color = 0;
    std::string text;
    FontState font;
};

class RecordingSurface : public Surface {
  public:
    RecordingSurface(double widthTwips, double heightTwips)
        : width_(widthTwips), height_(heightTwips) {}

    double Width() const override { return width_; }
    double Height() const override { return height_; }
    void Resize(double widthTwips, double heightTwips) {
        width_ = widthTwips;
        height_ = heightTwips;
    }

    double TextWidth(const std::string& text) const override;
    double TextHeight() const override { return Font().size * 24; }
    double AverageCharWidth() const override { return Font().size * 10; }

    // Everything drawn since the last Cls (a Cls clears the record, as it clears a
    // picture); ClsCount tells how often it was erased.
    const std::vector<Primitive>& Primitives() const { return primitives_; }
    int ClsCount() const { return clsCount_; }
    std::vector<Primitive> OfKind(Primitive::Kind kind) const;
    // Texts in the order printed.
    std::vector<std::string> Texts() const;

    // The pictures drawn by Raster since the last Cls, kept whole (not as boxes).
    struct RasterRecord {
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        int columns = 0, rows = 0;
        std::vector<Color> pixels;
    };
    const std::vector<RasterRecord>& Rasters() const { return rasters_; }

    // Records the file name; succeeds while bitmapsWritable is set.
    bool SaveBitmap(const std::string& path, std::string* error) override {
        savedBitmaps.push_back(path);
        if (!bitmapsWritable && error) *error = "it is read-only";
        return bitmapsWritable;
    }
    bool bitmapsWritable = true;
    std::vector<std::string> savedBitmaps;

  protected:
    void DoCls() override;
    void DoLine(double x1, double y1, double x2, double y2, Color color) override;
    void DoPoint(double x, double y, Color color) override;
    void DoCircle(double cx, double cy, double radius, Color color) override;
    void DoText(double x, double y, const std::string& text) override;
    void DoFillRect(double x1, double y1, double x2, double y2, Color color) override;
    void DoRaster(double x1, double y1, double x2, double y2, int columns, int rows,
                  const std::vector<Color>& pixels) override {
        rasters_.push_back({x1, y1, x2, y2, columns, rows, pixels});
    }

  private:
    std::vector<RasterRecord> rasters_;
    double width_;
    double height_;
    int clsCount_ = 0;
    std::vector<Primitive> primitives_;
};

}  // namespace quorbel
