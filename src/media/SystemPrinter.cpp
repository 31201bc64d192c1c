#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "MediaParts.h"
#include "platform/Translation.h"
#include "surface/PrinterSurface.h"

namespace quorbel {

namespace {

class Printer : public PrinterChoice {
  public:
    Printer() : printer_(QPrinter::HighResolution) {
        // The sheet of the user's locale, until the set-up chooses another.
        printer_.setPageLayout(PageLayoutOf(LocalePaper()));
    }

    void Setup(QWidget* window) override {
        QPrintDialog dialog(&printer_, window);
        dialog.setWindowTitle(QCoreApplication::translate("Messages", "Print setup"));
        dialog.exec();
    }

    bool Installed() const override { return !QPrinterInfo::availablePrinters().isEmpty(); }

    std::unique_ptr<PrintJob> Start(
        QWidget* window, const std::function<void(const std::string&)>& report) override {
        QPrintDialog dialog(&printer_, window);
        if (dialog.exec() != QDialog::Accepted) return nullptr;
        auto job = std::make_unique<DevicePrintJob>(printer_);
        if (!job->Active()) {
            report(Translate("Messages", "The printer cannot be used."));
            return nullptr;
        }
        return job;
    }

    QPageLayout Layout() const override { return printer_.pageLayout(); }

  private:
    QPrinter printer_;
};

}  // namespace

std::unique_ptr<PrinterChoice> SystemPrinter() {
    return std::make_unique<Printer>();
}

}  // namespace quorbel
