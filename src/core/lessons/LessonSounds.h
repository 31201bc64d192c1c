#pragma once
// The sounds the program's own lessons use, made by the program itself: one second at
// kLessonSoundRate hertz, so that a transfer of all its samples gives a spectrum with
// a point every hertz. The WAV files in the shipped lessons' folders are these sounds
// (a test makes them again and compares the bytes).
#include <string>
#include <vector>

#include "sound/Sound.h"

namespace quorbel::lessons {

inline constexpr int kLessonSoundRate = 16384;

// A note of 220 Hz (A3) made of five harmonics whose second is the strongest: the
// tallest peak is not the note.
Sound HarmonicSound();
// A tone of 1000 Hz dying away as exp(-t / tau), tau in seconds.
Sound DecayingTone(double tau);

struct LessonSoundFile {
    const char* lesson;  // the lesson's folder
    const char* file;
    Sound (*make)();
};
const std::vector<LessonSoundFile>& LessonSoundFiles();

}  // namespace quorbel::lessons
