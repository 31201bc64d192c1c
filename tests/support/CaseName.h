#pragma once
// Names for the cases of parameterised tests, so that every test is listed under a
// readable name that stays the same from one build to the next (the default name
// would be the case's index, and the test runner would add the case's raw bytes).
#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace quorbel::testing {

// The words of `text` as a test name: letters and digits kept, a minus sign read "m"
// and a decimal point "p", every other run of characters one underscore.
inline std::string NameOfText(const std::string& text) {
    std::string name;
    for (const char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c)))
            name += c;
        else if (c == '-')
            name += 'm';
        else if (c == '.')
            name += 'p';
        else if (!name.empty() && name.back() != '_')
            name += '_';
    }
    while (!name.empty() && name.back() == '_') name.pop_back();
    return name.empty() ? "Empty" : name;
}

// A case named by what it prints (its PrintTo, or the value itself), followed by its
// index where two cases would otherwise print alike.
struct PrintedName {
    template <class P>
    std::string operator()(const ::testing::TestParamInfo<P>& info) const {
        return NameOfText(::testing::PrintToString(info.param)) + "_" + std::to_string(info.index);
    }
};

}  // namespace quorbel::testing
