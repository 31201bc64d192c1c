// The mirror check: through a long random run of a user's events over every window,
// after every event each widget shows exactly what its control holds: its text (the
// caption, or the data its control shows), its rows, its check mark, whether it is
// enabled and shown, its value and range. Any widget that keeps something of an
// earlier state (a row of the run before, a stale caption) is named with the event
// that left it behind.
#include <gtest/gtest.h>

#include <QAbstractSlider>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <string>
#include <vector>

#include "QtViews.h"
#include "RandomUser.h"
#include "views/ControlBinder.h"
#include "views/WindowView.h"

namespace quorbel::testing {
namespace {

constexpr unsigned kSeed = 20261208;
constexpr int kEvents = 3000;

// A caption as a menu shows it, without the mark of its mnemonic.
QString Unmarked(QString text) {
    return text.replace("&&", "\x01").remove('&').replace("\x01", "&");
}

class MirrorCheck : public ShownMainWindow {
  protected:
    // What differs between the widgets of `view` and the controls of its window.
    static std::vector<std::string> Differences(WindowView& view) {
        std::vector<std::string> found;
        const Window& window = *view.Shown();
        for (const auto& [name, control] : window.View().controls) {
            auto differ = [&](const char* what, bool same) {
                if (!same) found.push_back(window.View().name + "." + name + ": " + what);
            };
            const QString caption = QString::fromStdString(control.caption);
            if (QAction* action =
                    view.window()->findChild<QAction*>(QString::fromStdString(name))) {
                if (auto* menu = view.window()->findChild<QMenu*>(QString::fromStdString(name)))
                    differ("title", Unmarked(menu->title()) == caption);
                else if (!action->isSeparator())
                    differ("text", Unmarked(action->text()) == caption);
                differ("enabled", action->isEnabled() == control.enabled);
                differ("visible", action->isVisible() == control.visible);
                if (action->isCheckable()) differ("check", action->isChecked() == control.checked);
                continue;
            }
            QWidget* widget = view.Binder().Widget(name);
            if (!widget) continue;
            differ("enabled", widget->testAttribute(Qt::WA_ForceDisabled) == !control.enabled);
            differ("visible", widget->isHidden() == !control.visible);
            const QString bound = QString::fromStdString(window.BoundText(name).value_or(""));
            if (auto* option = qobject_cast<QRadioButton*>(widget)) {
                differ("text", option->text() == caption);
                differ("check", option->isChecked() == control.checked);
            } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
                differ("text", button->text() == caption);
            } else if (auto* label = qobject_cast<QLabel*>(widget);
                       label && control.picture.empty()) {
                differ("text", label->text() == (window.BoundText(name) ? bound : caption));
            } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
                differ("title", frame->title() == caption);
            } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
                differ("text", edit->text() == bound);
                differ("locked", edit->isReadOnly() == control.locked);
            } else if (auto* slider = qobject_cast<QAbstractSlider*>(widget)) {
                differ("value", slider->value() == control.value);
                differ("range",
                       slider->minimum() == control.min && slider->maximum() == control.max);
            } else if (auto* bar = qobject_cast<QProgressBar*>(widget)) {
                differ("value", bar->value() == control.value);
                differ("range", bar->minimum() == control.min && bar->maximum() == control.max);
            } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
                std::vector<std::string> rows;
                for (int row = 0; row < list->count(); ++row)
                    rows.push_back(list->item(row)->text().toStdString());
                differ("rows", rows == control.items);
            }
        }
        return found;
    }
};

TEST_F(MirrorCheck, EveryWidgetShowsItsControlAfterEveryEvent) {
    RandomUser user(kSeed);
    int listed = 0;  // events after which a list showed rows
    for (int i = 0; i < kEvents; ++i) {
        const std::string event = user.OneEvent(view_->Model());
        view_->Sync();
        std::vector<std::string> differences;
        for (WindowView* window : view_->Views()) {
            const std::vector<std::string> found = Differences(*window);
            differences.insert(differences.end(), found.begin(), found.end());
            for (QListWidget* list : window->findChildren<QListWidget*>())
                listed += list->count() > 0 ? 1 : 0;
        }
        std::string all;
        for (const std::string& difference : differences) all += "\n  " + difference;
        ASSERT_TRUE(differences.empty()) << "after event " << i << ": " << event << all;
    }
    // The run reached the windows' behaviour, and lists with rows among it.
    EXPECT_GT(user.Reached().size(), 40u);
    EXPECT_GT(listed, 0);
}

}  // namespace
}  // namespace quorbel::testing
