#pragma once
// The platform of the tests: messages recorded, dialogs answered from queues filled
// beforehand, printed pages and exported pictures kept as recordings.
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "surface/RecordingSurface.h"

namespace quorbel {

// Records messages instead of showing them. Dialogs take their answers from the
// queues filled beforehand (an empty queue cancels), and printed pages are kept as
// recordings.
class RecordingPlatform : public Platform {
  public:
    void MessageBox(const std::string& text) override { messages.push_back(text); }
    void Quit() override { quitRequested = true; }
    // Answers the file dialogs from `openAnswers`, front first; cancels when none is
    // left. The filters asked for are kept in `openFilters`, the pairs started on in
    // `openInitialFilters`.
    std::optional<std::string> OpenFileName(const std::string& filter, int initial) override {
        openFilters.push_back(filter);
        openInitialFilters.push_back(initial);
        if (openAnswers.empty()) return std::nullopt;
        std::optional<std::string> answer = openAnswers.front();
        openAnswers.erase(openAnswers.begin());
        return answer;
    }

    void PrinterSetup() override { ++printerSetups; }
    std::unique_ptr<PrintJob> StartPrinting() override {
        if (printingCancelled) return nullptr;
        pages.push_back(std::make_unique<RecordingSurface>(kPrinterPageWidth, kPrinterPageHeight));
        return std::make_unique<Job>(*pages.back(), endedDocuments);
    }
    std::optional<std::string> SaveFileName(const std::string& filter) override {
        saveFilters.push_back(filter);
        if (saveAnswers.empty()) return std::nullopt;
        std::optional<std::string> answer = saveAnswers.front();
        saveAnswers.pop_front();
        return answer;
    }

    bool CopyText(const std::string& text) override {
        copied.push_back(text);
        return true;
    }
    std::vector<std::string> copied;  // what was put on the clipboard
    bool StartProgram(const std::string& program) override {
        startedPrograms.push_back(program);
        return true;
    }

    // The sound input the windows record and listen from; none unless a test gives one.
    SoundInput* Input() override { return input; }
    SoundInput* input = nullptr;

    std::vector<std::string> messages;
    bool quitRequested = false;
    // The screen the windows are told of; none unless a test gives one.
    std::optional<ScreenArea> AvailableScreen() const override { return screen; }
    std::optional<ScreenArea> screen;
    std::vector<std::optional<std::string>> openAnswers;
    std::vector<std::string> openFilters;
    std::vector<int> openInitialFilters;
    std::vector<std::string> startedPrograms;
    int printerSetups = 0;
    bool printingCancelled = false;  // the answer to the next StartPrinting
    // Every page printed, and how many of the documents were ended.
    std::vector<std::unique_ptr<RecordingSurface>> pages;
    int endedDocuments = 0;
    std::deque<std::optional<std::string>> saveAnswers;
    std::vector<std::string> saveFilters;

    // Exported pictures are drawn on recordings and kept, with the request that made
    // them (its drawing function dropped); they fail while picturesWritable is unset.
    bool ExportPicture(const PictureRequest& request, std::string* error) override {
        auto picture = std::make_unique<RecordingSurface>(request.widthTwips, request.heightTwips);
        if (request.draw) request.draw(*picture);
        PictureRequest kept = request;
        kept.draw = nullptr;
        exportedPictures.push_back({std::move(kept), std::move(picture)});
        if (!picturesWritable && error) *error = "the folder refuses new files";
        return picturesWritable;
    }
    struct ExportedPicture {
        PictureRequest request;
        std::unique_ptr<RecordingSurface> picture;
    };
    std::vector<ExportedPicture> exportedPictures;
    bool picturesWritable = true;

    // The sound output a test hands in (RecordingSoundOutput.h); none: no sound here.
    SoundOutput* Audio() override { return audio; }
    SoundOutput* audio = nullptr;

  private:
    // A document whose page is one of `pages`; ending it counts in `endedDocuments`.
    class Job : public PrintJob {
      public:
        Job(RecordingSurface& page, int& ended) : page_(page), ended_(ended) {}
        Surface& Page() override { return page_; }
        bool EndDoc() override {
            ++ended_;
            return true;
        }

      private:
        RecordingSurface& page_;
        int& ended_;
    };
};

}  // namespace quorbel
