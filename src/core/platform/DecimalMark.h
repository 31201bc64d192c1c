#pragma once
// The decimal mark a student types. Where the user's language writes decimals with a
// comma (Portuguese, Spanish), the number fields of the windows take "0,5" as well as
// "0.5". Only what is typed into a field is converted, as it enters the field: every
// list, file, report and the command-line companion keep the program's point, and the
// numbers' text round trip (NumberText, ParseNumber) is the same in every language.
#include <string>
#include <string_view>

namespace quorbel {

enum class DecimalMarks {
    Point,         // "0.5" only
    CommaOrPoint,  // "0,5" and "0.5"
};

// The marks a language (as ChooseLanguage names it: "pt_BR", "es", "" for English)
// writes decimals with.
DecimalMarks LanguageDecimalMarks(const std::string& language);

// The marks the fields accept: Point until the desktop program sets its user's.
void SetTypedDecimalMarks(DecimalMarks marks);
DecimalMarks TypedDecimalMarks();

// The text a field stores for what was typed. With CommaOrPoint, a text that holds no
// point and whose one comma, read as a point, makes it a number ("0,5", "-,5",
// "1,5E-3", " 2,5 ") is stored with the point; any other text is stored as typed, so
// "2,5x" or "1,5,0" are still refused as not numbers when the field is read.
std::string EnteredNumberText(std::string_view typed, DecimalMarks marks = TypedDecimalMarks());

// The marks accepted, in words for the messages that refuse a text as not a number,
// in the user's language: "a point (0.5)" or "a comma or a point (0,5 or 0.5)".
std::string DecimalMarksAccepted(DecimalMarks marks = TypedDecimalMarks());

}  // namespace quorbel
