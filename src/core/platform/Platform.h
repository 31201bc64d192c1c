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
};

// Records messages instead of showing them; used by tests and the CLI.
class RecordingPlatform : public Platform {
public:
    void MessageBox(const std::string& text) override { messages.push_back(text); }
    void Quit() override { quitRequested = true; }

    std::vector<std::string> messages;
    bool quitRequested = false;
};

}  // namespace quorbel
