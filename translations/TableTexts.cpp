// Prints the texts of the control tables and the help pages as marked C++ source, one
// QT_TRANSLATE_NOOP(context, text) a line, for the extraction of the translations:
// lupdate reads this beside the program's own code (scripts/update-translations.sh).
#include <iostream>
#include <string>

#include "windows/UserTexts.h"

namespace {

std::string Literal(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            out += std::string("\\") + c;
        else if (c == '\n')
            out += "\\n";
        else if (c == '\t')
            out += "\\t";
        else
            out += c;
    }
    return out + "\"";
}

}  // namespace

int main() {
    std::cout << "// Generated from the control tables and the help pages.\n";
    for (const quorbel::UserText& t : quorbel::TableAndHelpTexts())
        std::cout << "QT_TRANSLATE_NOOP(" << Literal(t.context) << ", " << Literal(t.text)
                  << ");\n";
    return 0;
}
