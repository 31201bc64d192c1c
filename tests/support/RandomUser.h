#pragma once
// A user at random, seeded: presses, clicks, moves and drags on every control of every
// window of the registry, scroll bar and slider changes, hostile and ordinary texts
// typed into every field, and activations of the main window, each given through the
// windows' one entry point as a driver gives it. The randomised run of the models and
// the mirror check of the views share it.
#include <functional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "windows/MainWindowModel.h"
#include "windows/WindowRegistry.h"

namespace quorbel::testing {

class RandomUser {
  public:
    explicit RandomUser(unsigned seed) : random_(seed) {}

    // What students type by accident, and what a fuzzer would.
    static const std::vector<std::string>& Texts() {
        static const std::vector<std::string> texts = {
            "",
            "abc",
            "1e999",
            "nan",
            "inf",
            "-0",
            "1234567890123456789012345678901234567890",
            "1,5",
            "-",
            " \t ",
            "0",
            "1",
            "2.5",
            "-3",
            "30",
            "1e-300",
            "1e300",
            "1024",
            "0.001",
        };
        return texts;
    }

    // One event, chosen at random, and what it was, for the trace. `other`, when given,
    // is the rare event of a kind of the caller's own (an edit of a file on disk).
    std::string OneEvent(MainWindowModel& main, const std::function<std::string()>& other = {}) {
        const int kind = std::uniform_int_distribution<>(0, 99)(random_);
        if (kind >= 97 && other) return other();
        if (kind >= 94) {
            main.Form_Activate();
            return "activate";
        }
        // The main window first and most often.
        const auto& windows = WindowRegistry();
        const size_t pick = std::uniform_int_distribution<size_t>(0, windows.size() + 1)(random_);
        Window& window = windows[pick < 3 ? 0 : pick - 2].model(main);
        const std::vector<std::string> controls = window.BoundControls();
        if (controls.empty()) return "nothing";
        const std::string& control = Pick(controls);
        const std::string where = window.View().caption + ": " + control;
        const EventArgs mouse{.button = Pick(std::vector<int>{0, 1, 2, 4}),
                              .shift = 0,
                              .x = Between(-500, 30000),
                              .y = Between(-500, 6000)};
        if (window.View()[control].kind == ControlKind::TextBox) {
            const std::string& text = Pick(Texts());
            window.Type(control, text);
            return "type \"" + text + "\" into " + where;
        }
        if (window.Answers(control, Event::Change)) {
            const int value = std::uniform_int_distribution<>(-100, 40000)(random_);
            window.Fire(control, Event::Change, {.value = value});
            return "change " + where + " to " + std::to_string(value);
        }
        if (window.Answers(control, Event::MouseMove) && kind < 40) {
            window.Fire(control, Event::MouseMove, mouse);
            return "move over " + where;
        }
        window.Fire(control, Event::MouseDown, mouse);
        if (window.Answers(control, Event::MouseMove) && kind < 60) {
            EventArgs drag = mouse;
            drag.x = Between(-500, 30000);
            window.Fire(control, Event::MouseMove, drag);
        }
        window.Fire(control, Event::MouseUp, mouse);
        if (window.Fire(control, Event::Click)) reached_.insert(where);
        return "press and click " + where;
    }

    template <class T>
    const T& Pick(const std::vector<T>& from) {
        return from[std::uniform_int_distribution<size_t>(0, from.size() - 1)(random_)];
    }
    double Between(double lo, double hi) {
        return std::uniform_real_distribution<>(lo, hi)(random_);
    }

    // The controls whose click ran a handler.
    const std::set<std::string>& Reached() const { return reached_; }

  private:
    std::mt19937 random_;
    std::set<std::string> reached_;
};

}  // namespace quorbel::testing
