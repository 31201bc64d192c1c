// The keyboard picture under the musical graph, drawn to scale so that it stays
// sharp at any resolution. In semitone units from the left edge of an octave's C key
// (half a semitone below C), the white keys C, D, E share the first 5 semitones and F,
// G, A, B the remaining 7; every black key is centred on its own semitone. So each
// key lies under its note on the ruler, and G 9, the last key, ends 8.5 semitones into
// its octave: 128.5 semitones in all.
#include <algorithm>
#include <string>

#include "music/MusicalGraph.h"

namespace quorbel {

namespace {

constexpr int kKeys = 128;                // C-1 (note 0) .. G9 (note 127)
constexpr double kSemitonesWide = 128.5;  // the picture's width in semitones
constexpr int kLowestPiano = 21;          // A0
constexpr int kHighestPiano = 108;        // C8
constexpr double kBlackLength = 0.6;      // of the picture's height
constexpr double kBlackWidth = 0.9;       // semitones
constexpr Color kGreyWhite = Rgb(192, 192, 192);
constexpr Color kGreyBlack = Rgb(96, 96, 96);

// Left and right edges of the white keys of an octave (semitones from the C edge),
// by position in the octave; black keys have none.
struct WhiteKey {
    int semitone;  // 0 = C
    double left, right;
    char letter;
};
constexpr WhiteKey kWhiteKeys[] = {
    {0, 0, 5.0 / 3, 'C'}, {2, 5.0 / 3, 10.0 / 3, 'D'}, {4, 10.0 / 3, 5, 'E'}, {5, 5, 6.75, 'F'},
    {7, 6.75, 8.5, 'G'},  {9, 8.5, 10.25, 'A'},        {11, 10.25, 12, 'B'},
};
constexpr int kBlackSemitones[] = {1, 3, 6, 8, 10};

bool OnPiano(int note) {
    return note >= kLowestPiano && note <= kHighestPiano;
}

void Box(Surface& pic, double x1, double y1, double x2, double y2, Color fill, Color outline) {
    pic.FillRect(x1, y1, x2, y2, fill);
    pic.Line(x1, y1, x2, y1, outline);
    pic.Line(x2, y1, x2, y2, outline);
    pic.Line(x2, y2, x1, y2, outline);
    pic.Line(x1, y2, x1, y1, outline);
}

// The letter above the octave number, centred under the key.
void Label(Surface& pic, double left, double right, double bottom, char letter, int octave) {
    const std::string lines[] = {std::string(1, letter), std::to_string(octave)};
    double y = bottom - 2 * pic.TextHeight();
    for (const std::string& text : lines) {
        pic.SetCurrentX((left + right - pic.TextWidth(text)) / 2);
        pic.SetCurrentY(y);
        pic.PrintText(text, true);
        y += pic.TextHeight();
    }
}

}  // namespace

void DrawKeyboard(Surface& pic, double left, double top, double width, double height) {
    const double s = width / kSemitonesWide;  // twips per semitone
    const double bottom = top + height;
    const FontState font = pic.Font();
    const Color fore = pic.ForeColor();
    pic.SetFontName("Arial");
    pic.SetFontBold(false);
    pic.SetFontItalic(false);
    // About 6 points on the canvas's own 975-twip picture.
    pic.SetFontSize(height * 0.006);
    pic.SetForeColor(colors::kBlack);

    for (int note = 0; note < kKeys; ++note) {
        const int octave = note / 12;
        for (const WhiteKey& key : kWhiteKeys) {
            if (key.semitone != note % 12) continue;
            const double x1 = left + (octave * 12 + key.left) * s;
            const double x2 = left + (octave * 12 + key.right) * s;
            if (OnPiano(note))
                Box(pic, x1, top, x2, bottom, colors::kWhite, colors::kBlack);
            else
                Box(pic, x1, top, x2, bottom, kGreyWhite, colors::kDarkRed);
            const bool named = key.letter == 'A' || key.letter == 'B' || key.letter == 'C' ||
                               note == 125 || note == 127;  // F 9 and G 9 end the picture
            if (named) Label(pic, x1, x2, bottom - height * 0.04, key.letter, octave - 1);
        }
    }
    // The black keys lie over the white ones.
    for (int note = 0; note < kKeys; ++note) {
        bool black = false;
        for (int semitone : kBlackSemitones) black = black || semitone == note % 12;
        if (!black) continue;
        const double centre = left + (note + 0.5) * s;
        const double x1 = centre - kBlackWidth * s / 2, x2 = centre + kBlackWidth * s / 2;
        const double y2 = top + height * kBlackLength;
        if (OnPiano(note))
            Box(pic, x1, top, x2, y2, colors::kBlack, colors::kBlack);
        else
            Box(pic, x1, top, x2, y2, kGreyBlack, colors::kDarkRed);
    }
    pic.SetFontName(font.name);
    pic.SetFontSize(font.size);
    pic.SetFontBold(font.bold);
    pic.SetFontItalic(font.italic);
    pic.SetForeColor(fore);
}

void DrawUprightKeyboard(Surface& pic, double left, double width, double bottom, double top,
                         double lowNote, double highNote) {
    if (!(highNote > lowNote)) return;
    const double perSemitone = (bottom - top) / (highNote - lowNote);
    // y of a position in semitones counted from the lower edge of C-1's octave.
    auto y = [&](double semitones) {
        const double note = semitones - 0.5;  // key n is centred on its semitone
        return std::clamp(bottom - (note - lowNote) * perSemitone, top, bottom);
    };
    const double right = left + width;
    for (int note = 0; note < kKeys; ++note) {
        const int octave = note / 12;
        for (const WhiteKey& key : kWhiteKeys) {
            if (key.semitone != note % 12) continue;
            const double y1 = y(octave * 12 + key.right), y2 = y(octave * 12 + key.left);
            if (y2 - y1 <= 0) continue;
            if (OnPiano(note))
                Box(pic, left, y1, right, y2, colors::kWhite, colors::kBlack);
            else
                Box(pic, left, y1, right, y2, kGreyWhite, colors::kDarkRed);
        }
    }
    for (int note = 0; note < kKeys; ++note) {
        bool black = false;
        for (int semitone : kBlackSemitones) black = black || semitone == note % 12;
        if (!black) continue;
        const double y1 = y(note + 0.5 + kBlackWidth / 2), y2 = y(note + 0.5 - kBlackWidth / 2);
        if (y2 - y1 <= 0) continue;
        const double x1 = right - width * kBlackLength;
        if (OnPiano(note))
            Box(pic, x1, y1, right, y2, colors::kBlack, colors::kBlack);
        else
            Box(pic, x1, y1, right, y2, kGreyBlack, colors::kDarkRed);
    }
}

}  // namespace quorbel
