#pragma once
// What the window models ask of the platform: message boxes, file dialogs, the
// printer set-up and the end of the program. The Qt layer implements it with real
// dialogs; tests and the command-line companion implement it with scripted answers.
#include <optional>
#include <string>
#include <vector>

namespace quorbel {

class Platform {
public:
    virtual ~Platform() = default;
    // A message box with an OK button only and no title of its own.
    virtual void MessageBox(const std::string& text) = 0;
    // Ends the program at once (menu "Exit").
    virtual void Quit() = 0;
    // The file dialog for opening a file. `filter` is "Description (*.ext)|*.ext".
    // The chosen file's full path, or nothing when the user cancelled.
    virtual std::optional<std::string> OpenFileName(const std::string& filter) {
        (void)filter;
        return std::nullopt;
    }
};

// Records messages instead of showing them; used by tests and the CLI.
class RecordingPlatform : public Platform {
public:
    void MessageBox(const std::string& text) override { messages.push_back(text); }
    void Quit() override { quitRequested = true; }
    // Answers the file dialogs from `openAnswers`, front first; cancels when none is
    // left. The filters asked for are kept in `openFilters`.
    std::optional<std::string> OpenFileName(const std::string& filter) override {
        openFilters.push_back(filter);
        if (openAnswers.empty()) return std::nullopt;
        std::optional<std::string> answer = openAnswers.front();
        openAnswers.erase(openAnswers.begin());
        return answer;
    }

    std::vector<std::string> messages;
    bool quitRequested = false;
    std::vector<std::optional<std::string>> openAnswers;
    std::vector<std::string> openFilters;
};

}  // namespace quorbel
