#include "PrinterSurface.h"

#include <QFile>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

namespace quorbel {

namespace {
// Lines on paper are a 150th of an inch wide, thin but visible at any resolution.
constexpr double kLinesPerInch = 150;
}  // namespace

PrinterSurface::PrinterSurface(QPagedPaintDevice& device)
    : PainterSurface(device.logicalDpiX(), device.logicalDpiX() / kLinesPerInch), device_(device) {
    const double dpi = device.logicalDpiX();
    const QRect area = device.pageLayout().paintRectPixels(static_cast<int>(dpi));
    widthTwips_ = area.width() / dpi * kTwipsPerInch;
    heightTwips_ = area.height() / dpi * kTwipsPerInch;
    active_ = Painter().isActive();
}

bool PrinterSurface::EndDoc() {
    if (!active_) return false;
    EndPainting();
    active_ = false;
    return true;
}

DevicePrintJob::DevicePrintJob(QPagedPaintDevice& device, std::unique_ptr<QPagedPaintDevice> owned)
    : owned_(std::move(owned)), page_(device) {}

std::unique_ptr<PrintJob> PdfPrintJob(const std::string& path) {
    auto writer = std::make_unique<QPdfWriter>(QFile::decodeName(path.c_str()));
    writer->setCreator(QStringLiteral("FFT Quorbel"));
    writer->setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                      QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch));
    QPdfWriter& device = *writer;
    auto job = std::make_unique<DevicePrintJob>(device, std::move(writer));
    if (!job->Active()) return nullptr;
    return job;
}

}  // namespace quorbel
