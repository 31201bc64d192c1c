#include "CliPlatform.h"

#include <utility>

#include "platform/Paper.h"
#include "surface/PictureFile.h"
#include "surface/PrinterSurface.h"

namespace quorbel::cli {

namespace {
// A document printed on a recording that the platform keeps.
class RecordingJob : public PrintJob {
  public:
    explicit RecordingJob(RecordingSurface& page) : page_(page) {}
    Surface& Page() override { return page_; }
    bool EndDoc() override { return true; }

  private:
    RecordingSurface& page_;
};
}  // namespace

CliPlatform::CliPlatform(std::string pdfFile) : pdfFile_(std::move(pdfFile)) {}

void CliPlatform::MessageBox(const std::string& text) {
    messages.push_back(text);
}

std::optional<std::string> CliPlatform::OpenFileName(const std::string& filter, int initial) {
    (void)filter;
    (void)initial;
    if (openAnswers.empty()) return std::nullopt;
    std::optional<std::string> answer = openAnswers.front();
    openAnswers.erase(openAnswers.begin());
    return answer;
}

std::unique_ptr<PrintJob> CliPlatform::StartPrinting() {
    if (pdfFile_.empty()) {
        const PaperLayout sheet = LayoutOf(LocalePaper());
        pages_.push_back(
            std::make_unique<RecordingSurface>(sheet.PrintableWidth(), sheet.PrintableHeight()));
        return std::make_unique<RecordingJob>(*pages_.back());
    }
    return PdfPrintJob(pdfFile_, [this](const std::string& message) { MessageBox(message); });
}

std::optional<std::string> CliPlatform::SaveFileName(const std::string& filter) {
    (void)filter;
    if (saveAnswers.empty()) return std::nullopt;
    std::optional<std::string> answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
}

bool CliPlatform::StartProgram(const std::string& program) {
    (void)program;
    return true;
}

bool CliPlatform::ExportPicture(const PictureRequest& request, std::string* error) {
    return WritePictureFile(request, error);
}

void CliPlatform::UseSoundOutput() {
    // Without the media module there is no sound output: the window says so.
    if (MediaModule* media = Media(); media && !sound_) sound_ = media->MakeSoundOutput();
}

SoundInput* CliPlatform::Input() {
    if (!records) return nullptr;
    if (!input_) input_ = LaterSoundInput();
    return input_.get();
}

}  // namespace quorbel::cli
