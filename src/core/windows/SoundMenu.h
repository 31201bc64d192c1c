#pragma once
#include "platform/Translation.h"
// The texts of the main window's "Sound" menu that its table and its handlers share.
namespace quorbel {

// The tooltip of "Play recovered function" until an inverse transform has been run.
inline constexpr const char* kRecoveredNotYet =
    "Run \"Inverse\" first: the recovered function is what it gives.";
// Before the reason why no sound can be played, in the tooltips and the messages.
inline constexpr const char* kNoSoundPrefix =
    QT_TRANSLATE_NOOP("Messages", "No sound can be played: ");
// The filter of the save dialog of "Save f(t) as sound...".
inline constexpr const char* kWavFilter = QT_TRANSLATE_NOOP("Filters", "WAV sound files|*.wav");

}  // namespace quorbel
