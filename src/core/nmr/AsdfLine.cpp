#include "nmr/AsdfLine.h"

#include <cctype>
#include <cmath>
#include <optional>

#include "platform/Translation.h"
#include "state/NumberText.h"

namespace quorbel::nmr {

namespace {

enum class Kind { affn, sqz, dif, dup };

struct Token {
    Kind kind;
    double value;  // the number (SQZ, AFFN), the difference (DIF) or the count (DUP)
};

// The letter's form and the digit it stands for.
std::optional<Token> Letter(char c) {
    if (c == '@') return Token{Kind::sqz, 0};
    if (c >= 'A' && c <= 'I') return Token{Kind::sqz, double(c - 'A' + 1)};
    if (c >= 'a' && c <= 'i') return Token{Kind::sqz, -double(c - 'a' + 1)};
    if (c == '%') return Token{Kind::dif, 0};
    if (c >= 'J' && c <= 'R') return Token{Kind::dif, double(c - 'J' + 1)};
    if (c >= 'j' && c <= 'r') return Token{Kind::dif, -double(c - 'j' + 1)};
    if (c >= 'S' && c <= 'Z') return Token{Kind::dup, double(c - 'S' + 1)};
    if (c == 's') return Token{Kind::dup, 9};
    return std::nullopt;
}

bool Digit(char c) {
    return c >= '0' && c <= '9';
}

// Reads the digits (and a decimal point) that continue a compressed token.
double Continue(std::string_view line, std::size_t& i, double lead) {
    const bool negative = lead < 0 || std::signbit(lead);
    std::string text = std::to_string(static_cast<int>(std::abs(lead)));
    while (i < line.size() && (Digit(line[i]) || line[i] == '.')) text.push_back(line[i++]);
    const double magnitude = DecimalPrefix(text);
    return negative ? -magnitude : magnitude;
}

// A plain number: sign, digits, point, and an exponent only when written with its sign
// (E+05), so that a following SQZ letter E is not taken for one.
std::optional<double> Plain(std::string_view line, std::size_t& i) {
    const std::size_t start = i;
    if (line[i] == '+' || line[i] == '-') ++i;
    bool digits = false;
    while (i < line.size() && (Digit(line[i]) || line[i] == '.')) digits |= Digit(line[i++]);
    if (!digits) return std::nullopt;
    if (i + 2 < line.size() && (line[i] == 'E' || line[i] == 'e') &&
        (line[i + 1] == '+' || line[i + 1] == '-') && Digit(line[i + 2])) {
        i += 2;
        while (i < line.size() && Digit(line[i])) ++i;
    }
    return ParseNumber(line.substr(start, i - start));
}

}  // namespace

bool AsdfTable::Add(double value, std::string* error) {
    if (checkPending_) {
        checkPending_ = false;
        if (values_.empty() || std::abs(value - values_.back()) > 1e-9 * (1 + std::abs(value))) {
            *error = Translate("Messages",
                               "a line's check value does not repeat the last value (damaged)");
            return false;
        }
        return true;
    }
    if (values_.size() >= (std::size_t{1} << 26)) {
        *error = Translate("Messages", "the table holds too many points");
        return false;
    }
    values_.push_back(value);
    return true;
}

bool AsdfTable::AddLine(std::string_view line, std::string* error) {
    if (const std::size_t comment = line.find("$$"); comment != std::string_view::npos)
        line = line.substr(0, comment);
    std::size_t i = 0;
    while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i]))) ++i;
    if (i == line.size()) return true;  // a blank line
    const std::optional<double> x = Plain(line, i);
    if (!x) {
        *error = Translate("Messages", "a data line does not start with its abscissa (damaged)");
        return false;
    }
    // The abscissa is that of the line's first ordinate, the check value included.
    checkPending_ = endedInDif_;
    const double index = static_cast<double>(values_.size()) - (checkPending_ ? 1 : 0);
    if (step_ != 0 && std::abs(*x - (first_ + index * step_)) > 0.5 * std::abs(step_)) {
        *error = Translate("Messages",
                           "a data line's abscissa does not follow the previous line (damaged)");
        return false;
    }
    Kind previous = Kind::sqz;
    double lastDifference = 0;
    bool any = false;
    while (i < line.size()) {
        const char c = line[i];
        if (std::isspace(static_cast<unsigned char>(c)) || c == ',' || c == ';') {
            ++i;
            continue;
        }
        std::optional<Token> token;
        if (Digit(c) || c == '+' || c == '-' || c == '.') {
            if (const std::optional<double> value = Plain(line, i))
                token = Token{Kind::affn, *value};
        } else if ((token = Letter(c))) {
            ++i;
            token->value = Continue(line, i, token->value);
        }
        if (!token || !std::isfinite(token->value)) {
            *error = Translate("Messages",
                               "a data line holds a character that is not a number (damaged)");
            return false;
        }
        if (token->kind == Kind::dif) {
            if (values_.empty() && !checkPending_) {
                *error = Translate("Messages", "a data line starts with a difference (damaged)");
                return false;
            }
        }
        if (token->kind == Kind::dup) {
            if (!any || token->value < 1 || token->value > 1e7) {
                *error = Translate("Messages", "a repeat count stands where it cannot (damaged)");
                return false;
            }
            for (int r = 1; r < static_cast<int>(token->value); ++r) {
                const double next = previous == Kind::dif ? values_.back() + lastDifference
                                                          : (values_.empty() ? 0 : values_.back());
                if (!Add(next, error)) return false;
            }
            continue;  // a repeat keeps the form of what it repeats
        }
        if (token->kind == Kind::dif) {
            if (checkPending_) {
                *error = Translate("Messages", "a line's check value is missing (damaged)");
                return false;
            }
            lastDifference = token->value;
            if (!Add(values_.back() + token->value, error)) return false;
        } else if (!Add(token->value, error)) {
            return false;
        }
        previous = token->kind;
        any = true;
    }
    endedInDif_ = any && previous == Kind::dif;
    return true;
}

}  // namespace quorbel::nmr
