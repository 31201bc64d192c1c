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

bool RecordingPlatform::ExportPicture(const PictureRequest& request, std::string* error) {
    auto picture = std::make_unique<RecordingSurface>(request.widthTwips, request.heightTwips);
    if (request.draw) request.draw(*picture);
    PictureRequest kept = request;
    kept.draw = nullptr;
    exportedPictures.push_back({std::move(kept), std::move(picture)});
    if (!picturesWritable && error) *error = "the folder refuses new files";
    return picturesWritable;
}

}  // namespace quorbel
