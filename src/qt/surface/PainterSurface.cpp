#include "PainterSurface.h"

#include <QColor>
#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QPen>

namespace quorbel {

namespace {
QColor ToQColor(Color c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}
}  // namespace

PainterSurface::PainterSurface(double dpi, double lineWidth)
    : dpi_(dpi > 0 ? dpi : 96.0), lineWidth_(lineWidth) {
    const double pixelsPerTwip = dpi_ / kTwipsPerInch;
    twipsToPixels_ = QTransform::fromScale(pixelsPerTwip, pixelsPerTwip);
}

PainterSurface::~PainterSurface() {
    EndPainting();
}

QPainter& PainterSurface::Painter() {
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(Device());
        // The one place where twips become pixels.
        painter_->setWorldTransform(twipsToPixels_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setRenderHint(QPainter::TextAntialiasing, true);
        painter_->setBrush(Qt::NoBrush);
        linePen_.reset();
    }
    return *painter_;
}

void PainterSurface::EndPainting() const {
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
}

QPainter& PainterSurface::GeometryPainter(Color color) {
    QPainter& painter = Painter();
    // A curve is thousands of lines of one colour: the pen is made when the colour changes.
    if (linePen_ == color) return painter;
    // Cosmetic: the same width whatever the twips scale.
    QPen pen(ToQColor(color));
    pen.setCosmetic(true);
    pen.setWidthF(lineWidth_);
    painter.setPen(pen);
    linePen_ = color;
    return painter;
}

double PainterSurface::PixelsToTwips(double logicalPixels) const {
    return logicalPixels / dpi_ * kTwipsPerInch;
}

template <class Paint>
void PainterSurface::Draw(Paint&& paint) {
    if (Deferring())
        deferred_.emplace_back(std::forward<Paint>(paint));
    else
        paint();
}

void PainterSurface::PaintDeferred() {
    std::vector<std::function<void()>> pending;
    pending.swap(deferred_);
    for (const std::function<void()>& paint : pending) paint();
}

void PainterSurface::DoLine(double x1, double y1, double x2, double y2, Color color) {
    Draw([=, this] { GeometryPainter(color).drawLine(QPointF(x1, y1), QPointF(x2, y2)); });
}

void PainterSurface::DoPoint(double x, double y, Color color) {
    Draw([=, this] { GeometryPainter(color).drawPoint(QPointF(x, y)); });
}

void PainterSurface::DoCircle(double cx, double cy, double radius, Color color) {
    Draw([=, this] { GeometryPainter(color).drawEllipse(QPointF(cx, cy), radius, radius); });
}

void PainterSurface::DoFillRect(double x1, double y1, double x2, double y2, Color color) {
    Draw([=, this] {
        Painter().fillRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized(), ToQColor(color));
    });
}

void PainterSurface::DoRaster(double x1, double y1, double x2, double y2, int columns, int rows,
                              const std::vector<Color>& pixels) {
    QImage image(columns, rows, QImage::Format_RGB32);
    for (int r = 0; r < rows; ++r) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(r));
        const Color* cells = &pixels[static_cast<size_t>(r) * static_cast<size_t>(columns)];
        for (int c = 0; c < columns; ++c)
            line[c] = qRgb(RedOf(cells[c]), GreenOf(cells[c]), BlueOf(cells[c]));
    }
    // Each cell keeps its colour: no smoothing between cells.
    Draw([=, this, image = std::move(image)] {
        QPainter& painter = Painter();
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized(), image);
    });
}

void PainterSurface::DoText(double x, double y, const std::string& text) {
    // The font is resolved now: a symbol font takes the text font used last.
    const auto [font, str] = fonts_.Resolve(Font(), text);
    Draw([=, this, font = font, str = str, color = ForeColor()] {
        PaintText(x, y, font, str, color);
    });
}

void PainterSurface::PaintText(double x, double y, const QFont& font, const QString& text,
                               Color color) {
    QPainter& painter = Painter();
    // Fonts are sized in logical pixels, so text is placed through the twips mapping
    // but drawn without it; the surface's position is the top-left corner of the text,
    // Qt's is the baseline.
    const QPointF topLeft = twipsToPixels_.map(QPointF(x, y));
    const QFontMetricsF metrics(font, Device());
    painter.save();
    painter.resetTransform();
    painter.setFont(font);
    painter.setPen(ToQColor(color));
    linePen_.reset();
    painter.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), text);
    painter.restore();
}

double PainterSurface::TextWidth(const std::string& text) const {
    const auto [font, str] = fonts_.Resolve(Font(), text);
    return PixelsToTwips(QFontMetricsF(font, MetricsDevice()).horizontalAdvance(str));
}

double PainterSurface::TextHeight() const {
    // A printed line is the font's height plus its external leading, so lines printed
    // one under the other neither touch nor overlap.
    return PixelsToTwips(QFontMetricsF(fonts_.FontFor(Font()), MetricsDevice()).lineSpacing());
}

double PainterSurface::AverageCharWidth() const {
    return PixelsToTwips(QFontMetricsF(fonts_.FontFor(Font()), MetricsDevice()).averageCharWidth());
}

}  // namespace quorbel
