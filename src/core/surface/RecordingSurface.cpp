#include "surface/RecordingSurface.h"

namespace quorbel {

double RecordingSurface::TextWidth(const std::string& text) const {
    // Count characters, not bytes, so a Greek letter in UTF-8 is one character.
    double chars = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) chars += 1;
    return chars * AverageCharWidth();
}

std::vector<Primitive> RecordingSurface::OfKind(Primitive::Kind kind) const {
    std::vector<Primitive> out;
    for (const Primitive& p : primitives_)
        if (p.kind == kind) out.push_back(p);
    return out;
}

std::vector<std::string> RecordingSurface::Texts() const {
    std::vector<std::string> out;
    for (const Primitive& p : primitives_)
        if (p.kind == Primitive::Kind::Text) out.push_back(p.text);
    return out;
}

void RecordingSurface::DoCls() {
    primitives_.clear();
    rasters_.clear();
    ++clsCount_;
}

void RecordingSurface::DoLine(double x1, double y1, double x2, double y2, Color color) {
    primitives_.push_back({Primitive::Kind::Line, x1, y1, x2, y2, color, {}, Font()});
}

void RecordingSurface::DoPoint(double x, double y, Color color) {
    primitives_.push_back({Primitive::Kind::Point, x, y, x, y, color, {}, Font()});
}

void RecordingSurface::DoFillRect(double x1, double y1, double x2, double y2, Color color) {
    primitives_.push_back({Primitive::Kind::Box, x1, y1, x2, y2, color, {}, Font()});
}

void RecordingSurface::DoCircle(double cx, double cy, double radius, Color color) {
    primitives_.push_back({Primitive::Kind::Circle, cx, cy, radius, 0, color, {}, Font()});
}

void RecordingSurface::DoText(double x, double y, const std::string& text) {
    primitives_.push_back({Primitive::Kind::Text, x, y, x, y, ForeColor(), text, Font()});
}

}  // namespace quorbel
