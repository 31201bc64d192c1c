#include "platform/Platform.h"

namespace quorbel {

namespace {
class RecordingJob : public PrintJob {
  public:
    RecordingJob(RecordingSurface& page, int& ended) : page_(page), ended_(ended) {}
    Surface& Page() override { return page_; }
    bool EndDoc() override {
        ++ended_;
        return true;
    }

  private:
    RecordingSurface& page_;
    int& ended_;
};
}  // namespace

std::unique_ptr<PrintJob> RecordingPlatform::StartPrinting() {
    if (printingCancelled) return nullptr;
    pages.push_back(std::make_unique<RecordingSurface>(kPrinterPageWidth, kPrinterPageHeight));
    return std::make_unique<RecordingJob>(*pages.back(), endedDocuments);
}

}  // namespace quorbel
