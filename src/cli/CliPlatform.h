#pragma once
// The platform of the command-line companion: nobody sits at the window, so the
// messages are kept for printing at the end, the file dialogs take the answers the run
// queued beforehand, printing goes to the PDF file named on the command line and
// pictures are written to their files.
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "media/MediaModule.h"
#include "platform/Platform.h"
#include "sound/SoundInput.h"
#include "surface/RecordingSurface.h"

namespace quorbel::cli {

class CliPlatform : public Platform {
  public:
    // `pdfFile` receives what is printed; with no file named the printed pages are
    // kept as recordings.
    explicit CliPlatform(std::string pdfFile);

    void MessageBox(const std::string& text) override;
    // The run ends when its command is done; "Exit" has nothing more to end.
    void Quit() override {}
    // Answers from `openAnswers`, front first; cancels when none is left.
    std::optional<std::string> OpenFileName(const std::string& filter, int initial) override;
    // The printer is the PDF file: there is nothing to choose.
    void PrinterSetup() override {}
    std::unique_ptr<PrintJob> StartPrinting() override;
    // Answers from `saveAnswers`, front first; cancels when none is left.
    std::optional<std::string> SaveFileName(const std::string& filter) override;
    // No program is started from a run; the window goes on as if it had been.
    bool StartProgram(const std::string& program) override;
    bool ExportPicture(const PictureRequest& request, std::string* error) override;
    // The default sound output for a run that plays (MediaModule.h); other runs have
    // none, so they never load the sound libraries nor ask the sound server.
    SoundOutput* Audio() override { return sound_.get(); }
    void UseSoundOutput();
    PlayerOutput* Player() { return sound_.get(); }
    // The system's default recording device, made on first use; none unless the run
    // records, so that other runs never reach for the sound server.
    SoundInput* Input() override;
    bool records = false;

    // Every message the window showed, in order.
    std::vector<std::string> messages;
    std::vector<std::optional<std::string>> openAnswers;
    std::deque<std::optional<std::string>> saveAnswers;

  private:
    std::string pdfFile_;
    std::vector<std::unique_ptr<RecordingSurface>> pages_;
    std::unique_ptr<PlayerOutput> sound_;
    std::unique_ptr<SoundInput> input_;
};

}  // namespace quorbel::cli
