#include "music/NoteName.h"

#include <cmath>

#include "music/MusicalGraph.h"

namespace quorbel {

namespace {
// Keys counted from C-1 (key 0); A4 is key 69, G9 key 127.
constexpr int kA4Key = 69;
constexpr int kLastKey = 127;
const char* const kNames[12] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
}  // namespace

std::string NoteName(double hertz) {
    if (!(hertz > 0) || !std::isfinite(hertz)) return "";
    const double semitones = 12 * std::log2(hertz / music::kReferencePitch);
    const double nearest = std::round(semitones);
    const double key = kA4Key + nearest;
    if (key < 0 || key > kLastKey) return "";
    const int k = static_cast<int>(key);
    // Whole cents; a deviation that rounds to 0 is "+0" whatever its sign.
    const long cents = std::lround(100 * (semitones - nearest));
    return std::string(kNames[k % 12]) + std::to_string(k / 12 - 1) + " " +
           (cents < 0 ? "-" : "+") + std::to_string(std::labs(cents)) + " c";
}

std::string WithNoteName(const std::string& number, double hertz) {
    const std::string note = NoteName(hertz);
    return note.empty() ? number : number + "  " + note;
}

}  // namespace quorbel
