#pragma once
// The help topics window ("FFT Quorbel - Help"): a page for each of the program's tools
// beyond the Nyquist and phase pages, set on its picture with the topics' buttons in a
// column on its left. Each topic has an entry of its own in the main window's menu
// "Help", "Topics", which shows the window on that topic; a button shows another.
#include <memory>
#include <string>

#include "surface/RecordingSurface.h"
#include "surface/Surface.h"
#include "windows/HelpPages.h"
#include "windows/Window.h"

namespace quorbel {

enum class HelpTopic { RawFile, Markers, Windows, Spectrogram, Sound, Exports, Keyboard };
inline constexpr int kHelpTopicCount = 7;

// A topic: its button in the window, its entry in the main window's "Help" menu and
// the title both show.
struct HelpTopicEntry {
    HelpTopic topic;
    const char* button;
    const char* menuItem;
    const char* title;
};
// In the order of the buttons and of the menu entries.
const HelpTopicEntry (&HelpTopics())[kHelpTopicCount];

// The page of a topic: its heading and paragraphs (HelpPages.h), set by
// DrawWrappedHelpPage.
const HelpPage& HelpTopicPage(HelpTopic topic);

// The window's picture and the column of buttons on its left, twips.
inline constexpr double kTopicPageWidth = 9360, kTopicPageHeight = 9000;
inline constexpr double kTopicButtonsWidth = 2880;

ViewState HelpTopicsInitialView();

class HelpTopicsModel : public TableWindow<HelpTopicsModel> {
  public:
    // Draws on `picture`, or on a record of its own when none is given.
    explicit HelpTopicsModel(Surface* picture);
    // The control table: besides the window itself, the one place that names its
    // handlers. Drivers reach them through Fire, which checks the control is reachable.
    static const ControlTable<HelpTopicsModel>& Table();

    // Shows the window in its normal state with the page of `topic`; that topic's
    // button is disabled, the others enabled.
    void ShowTopic(HelpTopic topic);
    HelpTopic Topic() const { return topic_; }
    const Surface& Picture() const { return *picture_; }

  private:
    void Form_Unload() { view_.shown = false; }

    std::unique_ptr<RecordingSurface> ownPicture_;
    Surface* picture_;
    HelpTopic topic_ = HelpTopic::RawFile;
};

const ControlTable<HelpTopicsModel>& HelpTopicsTable();

}  // namespace quorbel
