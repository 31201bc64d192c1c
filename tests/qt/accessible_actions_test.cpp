// What an assistive tool does through Qt's accessibility interfaces does exactly what
// the mouse does. Two main windows start alike; one is driven by the mouse (or by
// typing), the other through the accessible interface of the same control, and
// afterwards both show the same: every widget's check mark, caption, text, value,
// enabled and visible state, every graph's pixels, and the same model state.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <functional>
#include <memory>

#include "CaseName.h"
#include "RecordingPlatform.h"
#include "views/ControlBinder.h"
#include "views/GraphWidget.h"
#include "views/MainWindowView.h"
#include "views/WindowView.h"

namespace quorbel {
namespace {

using Windows = WindowView* (MainWindowView::*)();

// One main window started from a parameter file of its own.
struct Started {
    QTemporaryDir dir;
    RecordingPlatform platform;
    std::unique_ptr<MainWindowView> view;

    Started() {
        view = std::make_unique<MainWindowView>(
            platform, std::filesystem::path(dir.path().toStdString()) / "Zparamfile.wr");
    }
    QObject* Find(const char* name) const {
        for (WindowView* window : view->Views())
            if (QObject* found = window->Binder().Widget(name)) return found;
        return view->findChild<QAction*>(name);
    }
    void Trigger(const char* action) const { view->findChild<QAction*>(action)->trigger(); }
    void Click(const char* name) const {
        auto* button = qobject_cast<QAbstractButton*>(Find(name));
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }
};

// The accessible interface of a widget, or of a menu entry (which Qt makes when the
// menu that holds the entry lists its children).
QAccessibleInterface* Interface(QObject* object) {
    if (auto* action = qobject_cast<QAction*>(object)) {
        for (QObject* holder : action->associatedObjects()) {
            QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(holder);
            if (!menu) continue;
            for (int i = 0; i < menu->childCount(); ++i) menu->child(i);
            if (QAccessibleInterface* entry = QAccessible::queryAccessibleInterface(action))
                return entry;
        }
        return nullptr;
    }
    return QAccessible::queryAccessibleInterface(object);
}

struct ActionCase {
    const char* name;
    const char* control;
    // What both windows go through first, by the mouse.
    std::function<void(const Started&)> before;
    // The mouse's (or the keyboard's) way, and the assistive tool's.
    std::function<void(QObject*)> mouse;
    std::function<void(QAccessibleInterface*)> accessible;
};
void PrintTo(const ActionCase& c, std::ostream* out) {
    *out << c.name;
}

void Nothing(const Started&) {}

// The action an assistive tool lists for the control, run; it must be listed.
std::function<void(QAccessibleInterface*)> Do(const QString& action) {
    return [action](QAccessibleInterface* iface) {
        QAccessibleActionInterface* actions = iface->actionInterface();
        ASSERT_NE(actions, nullptr);
        ASSERT_TRUE(actions->actionNames().contains(action)) << action.toStdString();
        actions->doAction(action);
    };
}

// A click on the button's indicator end, where an option button takes clicks however
// wide its row is.
void MouseClick(QObject* object) {
    auto* button = qobject_cast<QAbstractButton*>(object);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

void Typed(QObject* object, const char* text) {
    auto* edit = qobject_cast<QLineEdit*>(object);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

class AccessibleAction : public ::testing::TestWithParam<ActionCase> {
  protected:
    void SetUp() override {
        for (Started* started : {&mouse_, &tool_}) {
            ASSERT_TRUE(started->view->Load());
            started->view->show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(started->view.get()));
            GetParam().before(*started);
        }
    }

    // Everything the two windows show, compared widget by widget.
    void ExpectAlike() {
        for (size_t w = 0; w < mouse_.view->Views().size(); ++w) {
            const ControlBinder& a = mouse_.view->Views()[w]->Binder();
            const ControlBinder& b = tool_.view->Views()[w]->Binder();
            for (const auto& [name, widget] : a.Widgets()) {
                SCOPED_TRACE(name);
                QWidget* other = b.Widget(name);
                EXPECT_EQ(widget->isVisible(), other->isVisible());
                EXPECT_EQ(widget->isEnabled(), other->isEnabled());
                if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                    EXPECT_EQ(button->isChecked(),
                              qobject_cast<QAbstractButton*>(other)->isChecked());
                    EXPECT_EQ(button->text(), qobject_cast<QAbstractButton*>(other)->text());
                }
                if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
                    EXPECT_EQ(edit->text(), qobject_cast<QLineEdit*>(other)->text());
                }
                if (auto* bar = qobject_cast<QAbstractSlider*>(widget)) {
                    EXPECT_EQ(bar->value(), qobject_cast<QAbstractSlider*>(other)->value());
                }
            }
            for (const auto& [name, graph] : a.Graphs())
                EXPECT_EQ(graph->Surface().Image(), b.Graph(name)->Surface().Image()) << name;
        }
        for (QAction* action : mouse_.view->findChildren<QAction*>()) {
            if (action->objectName().isEmpty()) continue;  // Qt's own, not the table's
            const QAction* other = tool_.view->findChild<QAction*>(action->objectName());
            ASSERT_NE(other, nullptr);
            EXPECT_EQ(action->isChecked(), other->isChecked())
                << action->objectName().toStdString();
            EXPECT_EQ(action->isEnabled(), other->isEnabled())
                << action->objectName().toStdString();
        }
        // The model's whole view of itself, and what it computed.
        const ViewState& a = mouse_.view->Model().View();
        const ViewState& b = tool_.view->Model().View();
        for (const auto& [name, control] : a.controls) {
            SCOPED_TRACE(name);
            EXPECT_EQ(control.checked, b[name].checked);
            EXPECT_EQ(control.caption, b[name].caption);
            EXPECT_EQ(control.visible, b[name].visible);
            EXPECT_EQ(control.value, b[name].value);
        }
        EXPECT_EQ(mouse_.view->Model().State().plotState(),
                  tool_.view->Model().State().plotState());
    }

    Started mouse_;
    Started tool_;
};

TEST_P(AccessibleAction, DoesWhatTheMouseDoes) {
    const ActionCase& c = GetParam();
    QObject* target = tool_.Find(c.control);
    ASSERT_NE(target, nullptr);
    QAccessibleInterface* iface = Interface(target);
    ASSERT_NE(iface, nullptr);
    c.mouse(mouse_.Find(c.control));
    c.accessible(iface);
    // A press through an assistive tool animates the button for a moment first.
    QTest::qWait(250);
    ExpectAlike();
}

// Each option button of the display frame shows as selected alone, in the widgets
// as in the model, after a toggle through its accessible interface.
TEST_P(AccessibleAction, LeavesOneOptionOfEachFrameSelected) {
    const ActionCase& c = GetParam();
    c.accessible(Interface(tool_.Find(c.control)));
    QTest::qWait(250);
    const ControlBinder& binder = tool_.view->Controls()->Binder();
    for (const char* frame : {"Frame1", "Frame2", "Frame6"}) {
        int selected = 0;
        for (const auto& [name, widget] : binder.Widgets()) {
            const ControlState& control = tool_.view->Model().View()[name];
            if (control.parent != frame || control.kind != ControlKind::Option) continue;
            const bool checked = qobject_cast<QAbstractButton*>(widget)->isChecked();
            EXPECT_EQ(checked, control.checked) << name;
            selected += checked;
        }
        EXPECT_LE(selected, 1) << frame;
    }
}

const QString kPress = QAccessibleActionInterface::pressAction();
const QString kToggle = QAccessibleActionInterface::toggleAction();

const ActionCase kActionCases[] = {
    {"CommandButtonLog", "Command3", Nothing, MouseClick, Do(kPress)},
    {"CommandButtonBoth", "Command17", Nothing, MouseClick, Do(kPress)},
    {"OptionButtonReal", "Option2", Nothing, MouseClick, Do(kToggle)},
    {"OptionButtonVectorRhoAgain", "Option8", Nothing, MouseClick, Do(kToggle)},
    {"OptionButtonBothSeparately", "Option10", Nothing, MouseClick, Do(kToggle)},
    {"OptionButtonCos", "Option7", Nothing, MouseClick, Do(kToggle)},
    {"OptionButtonSquareWave", "Option5", [](const Started& s) { s.Trigger("mnuSimpleWavesItem"); },
     MouseClick, Do(kToggle)},
    {"TextFieldTyped", "Text2", Nothing, [](QObject* o) { Typed(o, "7"); },
     [](QAccessibleInterface* iface) { iface->setText(QAccessible::Value, "7"); }},
    {"TextFieldEdited", "Text3(1)", Nothing, [](QObject* o) { Typed(o, "0.25"); },
     [](QAccessibleInterface* iface) {
         ASSERT_NE(iface->editableTextInterface(), nullptr);
         const int length = iface->textInterface()->characterCount();
         iface->editableTextInterface()->replaceText(0, length, "0.25");
     }},
    {"LockedTextFieldRefuses", "Text1", Nothing, [](QObject*) {},
     [](QAccessibleInterface* iface) { iface->setText(QAccessible::Value, "64"); }},
    {"ScrollBarOfTheMusicalGraph", "HScroll2", [](const Started& s) { s.Click("Command3"); },
     [](QObject* o) {
         auto* bar = qobject_cast<QScrollBar*>(o);
         // A click on the track right of the handle: a page on.
         QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 20, bar->height() / 2));
     },
     [](QAccessibleInterface* iface) {
         ASSERT_NE(iface->valueInterface(), nullptr);
         iface->valueInterface()->setCurrentValue(8700 + 1800);
     }},
    {"TuningSlider", "Slider1",
     [](const Started& s) {
         s.Click("Command3");
         s.Click("Command10");
     },
     [](QObject* o) {
         qobject_cast<QAbstractSlider*>(o)->triggerAction(QAbstractSlider::SliderPageStepAdd);
     },
     [](QAccessibleInterface* iface) { iface->valueInterface()->setCurrentValue(5); }},
    {"MenuItemReport", "mnuReport", Nothing,
     [](QObject* o) { qobject_cast<QAction*>(o)->trigger(); }, Do(kPress)},
    {"CheckableMenuItemPoints", "mnuPointsItem", Nothing,
     [](QObject* o) { qobject_cast<QAction*>(o)->trigger(); }, Do(kPress)},
    {"MenuBarEntryInverse", "mnuInverse", Nothing,
     [](QObject* o) { qobject_cast<QAction*>(o)->trigger(); }, Do(kPress)},
    {"ListOfTheInverseWindow", "List1", [](const Started& s) { s.Trigger("mnuInverse"); },
     [](QObject* o) {
         auto* list = qobject_cast<QListWidget*>(o);
         QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                           list->visualItemRect(list->item(2)).center());
     },
     [](QAccessibleInterface* iface) {
         ASSERT_NE(iface->tableInterface(), nullptr);
         iface->tableInterface()->selectRow(2);
     }},
};

INSTANTIATE_TEST_SUITE_P(EveryKindOfControl, AccessibleAction, ::testing::ValuesIn(kActionCases),
                         testing::PrintedName());

}  // namespace
}  // namespace quorbel
