#include "PrinterSurface.h"

#include <QBuffer>
#include <QByteArray>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include "platform/Translation.h"

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

namespace {

// The PDF document in memory, written to its file when it ends.
class PdfFileJob : public PrintJob {
  public:
    PdfFileJob(std::string path, std::function<void(const std::string&)> report,
               const FileCalls& calls, const QPageLayout& layout)
        : path_(std::move(path)), report_(std::move(report)), calls_(calls), buffer_(&bytes_) {
        buffer_.open(QIODevice::WriteOnly);
        writer_ = std::make_unique<QPdfWriter>(&buffer_);
        writer_->setCreator(QStringLiteral("FFT Quorbel"));
        writer_->setPageLayout(layout);
        page_ = std::make_unique<PrinterSurface>(*writer_);
    }
    ~PdfFileJob() override {
        // The surface ends its painting on the writer, which writes into the buffer.
        page_.reset();
        writer_.reset();
    }

    Surface& Page() override { return *page_; }
    bool Active() const { return page_->Active(); }

    bool EndDoc() override {
        std::string error = Translate("Messages", "the document could not be made");
        const bool ended = page_->EndDoc();
        const bool written =
            ended && !bytes_.isEmpty() &&
            ReplaceFile(path_,
                        std::string_view(bytes_.constData(), static_cast<size_t>(bytes_.size())),
                        calls_, &error);
        if (!written && report_) report_(CannotWriteMessage(path_, error));
        return written;
    }

  private:
    std::string path_;
    std::function<void(const std::string&)> report_;
    const FileCalls& calls_;
    QByteArray bytes_;
    QBuffer buffer_;
    std::unique_ptr<QPdfWriter> writer_;
    std::unique_ptr<PrinterSurface> page_;
};

}  // namespace

QPageLayout PageLayoutOf(Paper paper) {
    const PaperLayout layout = LayoutOf(paper);
    // Points are twentieths of twips' inch: 20 twips each.
    return QPageLayout(
        QPageSize(paper == Paper::Letter ? QPageSize::Letter : QPageSize::A4),
        QPageLayout::Portrait,
        QMarginsF(layout.left / 20, layout.top / 20, layout.right / 20, layout.bottom / 20),
        QPageLayout::Point);
}

std::unique_ptr<PrintJob> PdfPrintJob(const std::string& path,
                                      std::function<void(const std::string&)> report,
                                      const FileCalls& calls, const QPageLayout& layout) {
    // A file that cannot be written is refused before anything is drawn.
    if (const std::optional<std::string> why = WhyNotWritable(path)) {
        if (report) report(CannotWriteMessage(path, *why));
        return nullptr;
    }
    auto job = std::make_unique<PdfFileJob>(path, report, calls, layout);
    if (!job->Active()) {
        if (report)
            report(
                CannotWriteMessage(path, Translate("Messages", "the document could not be begun")));
        return nullptr;
    }
    return job;
}

}  // namespace quorbel
