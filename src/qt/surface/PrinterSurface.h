#pragma once
// A printer page as a drawing surface: twips from the top-left corner of the printable
// area, on a QPrinter or on Qt's PDF writer. The document begins with the surface and
// ends with EndDoc; a page cannot be erased, so Cls only returns to the top-left.
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <functional>
#include <memory>
#include <string>

#include "PainterSurface.h"
#include "platform/Paper.h"
#include "platform/Platform.h"
#include "state/FileReplace.h"

namespace quorbel {

class PrinterSurface : public PainterSurface {
  public:
    // Begins the document on `device`, which must outlive the surface.
    explicit PrinterSurface(QPagedPaintDevice& device);
    ~PrinterSurface() override { EndPainting(); }

    double Width() const override { return widthTwips_; }
    double Height() const override { return heightTwips_; }

    // False when the document could not be begun (no printer, a file that cannot be
    // written).
    bool Active() const { return active_; }
    // Sends the page to the printer or finishes the file.
    bool EndDoc();

  protected:
    QPaintDevice* Device() const override { return &device_; }
    void DoCls() override {}

  private:
    QPagedPaintDevice& device_;
    double widthTwips_;
    double heightTwips_;
    bool active_;
};

// A print job on a paged device, owning the device when it is given.
class DevicePrintJob : public PrintJob {
  public:
    DevicePrintJob(QPagedPaintDevice& device, std::unique_ptr<QPagedPaintDevice> owned = nullptr);
    Surface& Page() override { return page_; }
    bool EndDoc() override { return page_.EndDoc(); }
    bool Active() const { return page_.Active(); }

  private:
    std::unique_ptr<QPagedPaintDevice> owned_;
    PrinterSurface page_;
};

// The page of a sheet of `paper` with the margins of LayoutOf (Paper.h), portrait.
QPageLayout PageLayoutOf(Paper paper);

// A print job writing a PDF file on the page `layout` (the sheet of the user's locale
// unless told; the printer set-up's choice on the desktop). The document is made in memory
// and written by ReplaceFile when it ends, so the old file stays whole until the new
// one is. `report` is told, in one sentence naming `path`, why the file cannot be
// written: at once (then nullptr is returned) or when the document ends.
std::unique_ptr<PrintJob> PdfPrintJob(const std::string& path,
                                      std::function<void(const std::string&)> report,
                                      const FileCalls& calls = FileCalls::System(),
                                      const QPageLayout& layout = PageLayoutOf(LocalePaper()));

}  // namespace quorbel
