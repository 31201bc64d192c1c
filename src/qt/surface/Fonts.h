#pragma once
// Fonts for the Qt surfaces. The drawings name four fonts: "MS Sans Serif", "Arial",
// "Times New Roman" and "Symbol". The first three are substituted once by the
// metric-compatible Liberation families (with a generic fallback when those are not
// installed), so text keeps the widths the layouts were made for. "Symbol" is a
// character encoding rather than a typeface: its Latin letters stand for Greek ones.
// Symbol text is therefore translated to Unicode and drawn in the font that surrounds
// it, so it renders on any system (the translation is the core's SymbolToUnicode).
#include <QFont>
#include <QString>
#include <string>

#include "surface/Surface.h"
#include "surface/SymbolFont.h"

namespace quorbel {

// Registers the family substitutions with Qt. Safe to call any number of times; only
// the first call does anything. MakeFont calls it.
void RegisterFontSubstitutions();

// A QFont for the given settings (family name, size in points, bold, italic).
QFont MakeFont(const FontState& state);

// Surface text (UTF-8) as a QString; bytes that are not valid UTF-8 are read as Latin-1
// so that no text is ever lost to replacement characters.
QString ToQString(const std::string& text);

// Decides which font and which characters a piece of text is drawn with. It remembers
// the last font name that was not "Symbol", because Symbol text is drawn in that font
// (same size, bold and italic) after translation to Unicode.
class TextFontResolver {
  public:
    struct Resolved {
        QFont font;
        QString text;
    };

    // The font to measure and draw `text` with while the surface font is `state`.
    Resolved Resolve(const FontState& state, const std::string& text);
    // The font used for `state` (line height, average character width).
    QFont FontFor(const FontState& state);

  private:
    std::string lastTextFont_ = FontState{}.name;
};

}  // namespace quorbel
