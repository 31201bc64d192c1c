#pragma once
// The windows of the registry as the cases of a parameterised test, each named by its
// window's name, so that a test over "every window" meets a new window without change.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "windows/WindowRegistry.h"

namespace quorbel {

inline void PrintTo(const WindowEntry& window, std::ostream* out) {
    *out << window.name;
}

namespace testing {

inline auto EveryWindow() {
    return ::testing::ValuesIn(WindowRegistry());
}

struct WindowName {
    std::string operator()(const ::testing::TestParamInfo<WindowEntry>& info) const {
        return info.param.name;
    }
};

}  // namespace testing
}  // namespace quorbel
