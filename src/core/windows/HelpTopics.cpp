#include "windows/HelpTopics.h"

#include "windows/ControlIndex.h"
#include "windows/ControlRows.h"

namespace quorbel {

namespace {

using M = HelpTopicsModel;
using R = RowsOf<M>;

constexpr double kButtonTop = 120, kButtonPitch = 480, kButtonHeight = 405;

// The button of topic i, in the column left of the page.
ControlRow<M> TopicButton(int i) {
    const HelpTopicEntry& entry = HelpTopics()[i];
    const HelpTopic topic = entry.topic;
    return R::Button(entry.button, "", entry.title, "",
                     {[topic](M& m, const EventArgs&) { m.ShowTopic(topic); }, "ShowTopic"}, kPlain,
                     {120, kButtonTop + i * kButtonPitch, kTopicButtonsWidth - 240, kButtonHeight});
}

}  // namespace

const HelpTopicEntry (&HelpTopics())[kHelpTopicCount] {
    static const HelpTopicEntry topics[kHelpTopicCount] = {
        {HelpTopic::RawFile, "Command1", "mnuTopicRawItem", "Sound files and recording"},
        {HelpTopic::Markers, "Command2", "mnuTopicMarkersItem", "Harmonic markers"},
        {HelpTopic::Windows, "Command3", "mnuTopicWindowsItem", "Windows and aliasing"},
        {HelpTopic::Spectrogram, "Command4", "mnuTopicSpectrogramItem", "Spectrogram"},
        {HelpTopic::Sound, "Command5", "mnuTopicSoundItem", "Sound menu"},
        {HelpTopic::Exports, "Command6", "mnuTopicExportsItem", "Exports and worksheets"},
        {HelpTopic::Keyboard, "Command7", "mnuTopicKeysItem", "Keyboard"},
    };
    return topics;
}

const ControlTable<M>& M::Table() {
    static const ControlTable<M> table = {
        "FormTopics",
        "FFT Quorbel - Help",
        kTopicButtonsWidth + kTopicPageWidth,
        kTopicPageHeight,
        {.unload = HANDLER(M, Form_Unload)},
        {
            TopicButton(0),
            TopicButton(1),
            TopicButton(2),
            TopicButton(3),
            TopicButton(4),
            TopicButton(5),
            TopicButton(6),
            R::Picture("Picture1", "", {}, kPlain,
                       {kTopicButtonsWidth, 0, kTopicPageWidth, kTopicPageHeight}),
        }};
    return table;
}

ViewState HelpTopicsInitialView() {
    return ViewOfTable(M::Table());
}

const ControlTable<HelpTopicsModel>& HelpTopicsTable() {
    return M::Table();
}

HelpTopicsModel::HelpTopicsModel(Surface* picture) : TableWindow(M::Table()), picture_(picture) {
    if (!picture_) {
        ownPicture_ = std::make_unique<RecordingSurface>(kTopicPageWidth, kTopicPageHeight);
        picture_ = ownPicture_.get();
    }
}

void HelpTopicsModel::ShowTopic(HelpTopic topic) {
    topic_ = topic;
    for (const HelpTopicEntry& entry : HelpTopics())
        view_[entry.button].enabled = entry.topic != topic;
    DrawWrappedHelpPage(*picture_, HelpTopicPage(topic));
    view_.shown = true;
    view_.minimized = false;
    ++view_.raised;
}

}  // namespace quorbel
