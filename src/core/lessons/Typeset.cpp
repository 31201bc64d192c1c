#include "lessons/Typeset.h"

#include <utility>

namespace quorbel::lessons {

namespace {

constexpr std::pair<const char*, const char*> kGreek[] = {
    {"alpha", "α"},   {"beta", "β"},  {"gamma", "γ"},  {"delta", "δ"}, {"Delta", "Δ"},
    {"epsilon", "ε"}, {"theta", "θ"}, {"lambda", "λ"}, {"mu", "μ"},    {"nu", "ν"},
    {"pi", "π"},      {"rho", "ρ"},   {"sigma", "σ"},  {"Sigma", "Σ"}, {"tau", "τ"},
    {"phi", "φ"},     {"omega", "ω"}, {"Omega", "Ω"}};

constexpr const char* kDigits = "0123456789+-=()n";
constexpr const char* kSuper[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷",
                                  "⁸", "⁹", "⁺", "⁻", "⁼", "⁽", "⁾", "ⁿ"};
constexpr const char* kSub[] = {"₀", "₁", "₂", "₃", "₄", "₅", "₆", "₇",
                                "₈", "₉", "₊", "₋", "₌", "₍", "₎", "ₙ"};

// The raised or lowered forms of `chars`, or nothing when one of them has none.
bool Shifted(std::string_view chars, bool up, std::string& out) {
    std::string shifted;
    for (const char c : chars) {
        const char* at = c ? std::char_traits<char>::find(kDigits, 16, c) : nullptr;
        if (!at) return false;
        shifted += (up ? kSuper : kSub)[at - kDigits];
    }
    out += shifted;
    return !chars.empty();
}

}  // namespace

std::string Typeset(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == '\\') {
            size_t end = i + 1;
            while (end < text.size() && std::isalpha(static_cast<unsigned char>(text[end]))) ++end;
            const std::string_view name = text.substr(i + 1, end - i - 1);
            bool found = false;
            for (const auto& [word, letter] : kGreek)
                if (name == word) {
                    out += letter, i = end, found = true;
                    break;
                }
            if (found) continue;
        }
        if ((c == '^' || c == '_') && i + 1 < text.size()) {
            const bool braced = text[i + 1] == '{';
            const size_t close = braced ? text.find('}', i + 2) : i + 2;
            if (close != std::string_view::npos) {
                const std::string_view inside =
                    braced ? text.substr(i + 2, close - i - 2) : text.substr(i + 1, 1);
                if (Shifted(inside, c == '^', out)) {
                    i = braced ? close + 1 : i + 2;
                    continue;
                }
            }
        }
        out += c;
        ++i;
    }
    return out;
}

}  // namespace quorbel::lessons
