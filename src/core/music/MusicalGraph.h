#pragma once
// The musical graph: the spectrum on a logarithmic frequency axis over a piano
// keyboard, with the equal-tempered semitone ruler. Positions are twips on the musical
// canvas (29500 twips wide): 440 Hz (A4) lies at x = 15900 when the tuning shift is 0,
// a semitone is 150 twips and an octave 1800.
#include <vector>

#include "surface/Surface.h"

namespace quorbel {

namespace music {
inline constexpr double kReferencePitch = 440;  // A4, hertz
inline constexpr double kReferenceX = 15900;    // where A4 lies at shift 0
inline constexpr double kF0 = 0.964615822;      // hertz at x = 0, shift 0
inline constexpr double kSemitone = 150;        // twips
inline constexpr double kTuningStep = 15;       // a tenth of a semitone
inline constexpr double kCanvasWidth = 29500;   // extent of the ruler
inline constexpr double kCanvasHeight = 4960;
inline constexpr Color kCanvasBack = Rgb(64, 0, 64);  // dark purple
inline constexpr Color kCyan = Rgb(0, 255, 255);
inline constexpr Color kPurple = Rgb(128, 0, 128);
// The keyboard picture on the canvas.
inline constexpr double kKeyboardLeft = 5475, kKeyboardTop = 3905;
inline constexpr double kKeyboardWidth = 19275, kKeyboardHeight = 975;
}  // namespace music

// x of frequency f (> 0) on the canvas, for a tuning shift in twips.
double MusicalX(double f, double shift);

// The frequency of the keyboard position x (tuning not taken into account):
// 440 * (2^(1/120))^((x - 15900) / 15).
double KeyboardFrequency(double x);

// What the musical graph draws the spectrum from.
struct MusicalSpectrum {
    std::vector<double> ygraf;  // ygraf[0] belongs to 0 Hz, ygraf[i] to bin i
    double sign = 1;            // -1: the peaks hang down from the baseline
    double ymax = 0;            // the value that reaches the full height
    double binHz = 1;           // the frequency of bin 1 (1 Hz for calculated waves)
    double shift = 0;           // tuning shift, twips (15 per tenth of a semitone)
};

// Clears the canvas (dark purple, white foreground) and draws the zero line, the
// spectrum, the frequency axis with its ticks and labels, the semitone ruler
// (Escmus2) and the keyboard picture. A scale maximum of 0 draws the spectrum on the
// zero line.
void Logscale2(Surface& pic, const MusicalSpectrum& spectrum);

// The yellow semitone ruler at 2H/3 + 400, one tick per semitone from x = 0 to
// 29400, and the longer A4 mark at 15900; independent of the tuning shift.
void Escmus2(Surface& pic);

// The distances of harmonics 2 to 17 from their fundamental on the canvas,
// 1800 * log2(n) twips, computed from tenths of a semitone (2^(1/120)).
std::vector<double> HarmonicOffsets();

// The keyboard picture: 128 keys from C-1 to G9 in the box (left, top, width,
// height), its left edge half a semitone below C-1. Keys of the piano's own range
// A0..C8 are black and white, the others grey with dark red outlines; A, B and C of
// every octave (and F 9, G 9) carry their letter above their octave number.
void DrawKeyboard(Surface& pic, double left, double top, double width, double height);

// The same keyboard upright, beside a graph whose frequency rises upward: the keys of
// notes lowNote .. highNote (key numbers as on the picture, 69 = A4, fractions
// allowed) from `bottom` up to `top` on a logarithmic scale, `width` twips wide from
// `left`, the black keys reaching in from the right (the graph's side). Keys are cut
// at the ends of the range.
void DrawUprightKeyboard(Surface& pic, double left, double width, double bottom, double top,
                         double lowNote, double highNote);

}  // namespace quorbel
