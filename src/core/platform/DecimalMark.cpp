#include "platform/DecimalMark.h"

#include <algorithm>

#include "platform/Translation.h"
#include "state/NumberText.h"

namespace quorbel {

namespace {

DecimalMarks& Typed() {
    static DecimalMarks marks = DecimalMarks::Point;
    return marks;
}

}  // namespace

DecimalMarks LanguageDecimalMarks(const std::string& language) {
    // Both translated languages write "0,5"; English, and a language the program does
    // not speak, keep the point.
    const std::string base = language.substr(0, language.find('_'));
    return base == "pt" || base == "es" ? DecimalMarks::CommaOrPoint : DecimalMarks::Point;
}

void SetTypedDecimalMarks(DecimalMarks marks) {
    Typed() = marks;
}

DecimalMarks TypedDecimalMarks() {
    return Typed();
}

std::string EnteredNumberText(std::string_view typed, DecimalMarks marks) {
    std::string text(typed);
    if (marks == DecimalMarks::Point) return text;
    if (std::count(text.begin(), text.end(), ',') != 1 || text.find('.') != std::string::npos)
        return text;
    std::string pointed = text;
    std::replace(pointed.begin(), pointed.end(), ',', '.');
    return ParseNumber(pointed) ? pointed : text;
}

std::string DecimalMarksAccepted(DecimalMarks marks) {
    return marks == DecimalMarks::Point ? Translate("Messages", "a point (0.5)")
                                        : Translate("Messages", "a comma or a point (0,5 or 0.5)");
}

}  // namespace quorbel
