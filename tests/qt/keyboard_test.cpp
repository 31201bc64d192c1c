// A keyboard user reaches what a mouse user reaches: the frequent actions have keys,
// told by the menus, the tooltips and the accessibility interfaces, and pressing them
// does what a click does; every menu's entries have letters of their own; the main
// window's fields are visited line by line.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <set>

#include "CaseName.h"
#include "QtViews.h"
#include "views/ControlBinder.h"
#include "views/GraphWidget.h"
#include "views/WindowView.h"

namespace quorbel {
namespace {

struct KeyCase {
    const char* control;
    const char* key;
    // What the window is given first: the graphs the key redraws are wiped.
    std::vector<const char*> wiped;
    // What the window shows after the key, as after a click.
    std::function<bool(MainWindowView&)> done;
};
void PrintTo(const KeyCase& c, std::ostream* out) {
    *out << c.control << " " << c.key;
}

class Shortcut : public testing::ShownMainWindow, public ::testing::WithParamInterface<KeyCase> {
  protected:
    void SetUp() override {
        ShownMainWindow::SetUp();
        if (HasFatalFailure()) return;
        view_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(view_.get()));
    }
    QAccessibleInterface* Interface(const char* control) {
        if (QWidget* widget = view_->Controls()->Binder().Widget(control))
            return QAccessible::queryAccessibleInterface(widget);
        QAction* action = view_->findChild<QAction*>(control);
        for (QObject* holder : action->associatedObjects())
            if (QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(holder))
                for (int i = 0; i < menu->childCount(); ++i) menu->child(i);
        return QAccessible::queryAccessibleInterface(action);
    }
};

TEST_P(Shortcut, IsToldAndDoesWhatAClickDoes) {
    const KeyCase& c = GetParam();
    QAccessibleInterface* iface = Interface(c.control);
    ASSERT_NE(iface, nullptr);
    ASSERT_NE(iface->actionInterface(), nullptr);
    const QStringList keys =
        iface->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction());
    // A button tells its key to assistive tools; a menu shows it beside the entry.
    if (auto* action = qobject_cast<QAction*>(iface->object()))
        EXPECT_EQ(action->shortcut(), QKeySequence(c.key));
    else
        EXPECT_TRUE(keys.contains(c.key)) << keys.join(",").toStdString();
    if (QWidget* button = view_->Controls()->Binder().Widget(c.control)) {
        EXPECT_TRUE(button->toolTip().endsWith(QString("(") + c.key + ")"))
            << button->toolTip().toStdString();
    }
    for (const char* graph : c.wiped) view_->Graph(graph)->Surface().Cls();
    // Typed while a field has the focus, as a student does after entering a number.
    view_->Controls()->Binder().Widget("Text2")->setFocus();
    // Through the window system, as a key pressed on the keyboard comes.
    const QKeyCombination key = QKeySequence(c.key)[0];
    QTest::keyClick(view_->windowHandle(), key.key(), key.keyboardModifiers());
    // A button's key presses it for a moment before it clicks.
    QTest::qWait(250);
    EXPECT_TRUE(c.done(*view_));
}

// A graph drawn again: no longer of one colour.
bool Drawn(MainWindowView& v, const char* graph) {
    const QImage image = v.Graph(graph)->Surface().Image();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != image.pixel(0, 0)) return true;
    return false;
}

const KeyCase kKeys[] = {
    {"Command17",
     "Ctrl+B",
     {"Picture1", "Picture2"},
     [](MainWindowView& v) { return Drawn(v, "Picture1") && Drawn(v, "Picture2"); }},
    {"Command1",
     "Ctrl+T",
     {"Picture1", "Picture2"},
     [](MainWindowView& v) { return !Drawn(v, "Picture1") && Drawn(v, "Picture2"); }},
    {"Command5",
     "Ctrl+F",
     {"Picture1", "Picture2"},
     [](MainWindowView& v) { return Drawn(v, "Picture1") && !Drawn(v, "Picture2"); }},
    {"Command3",
     "Ctrl+L",
     {},
     [](MainWindowView& v) { return v.Model().View()["Command3"].caption == "Lin"; }},
    {"mnuReport", "Ctrl+R", {}, [](MainWindowView& v) { return v.ReportWindow()->isVisible(); }},
    {"mnuInverse", "Ctrl+I", {}, [](MainWindowView& v) { return v.InverseWindow()->isVisible(); }},
};

INSTANTIATE_TEST_SUITE_P(FrequentActions, Shortcut, ::testing::ValuesIn(kKeys),
                         testing::PrintedName());

// The menu bar and each menu: every entry has one letter, no two alike, and reads
// as its caption once the mark is taken away.
class MenuLetters : public testing::ShownMainWindow {};

TEST_F(MenuLetters, AreUniqueInEachMenuAndLeaveTheCaptions) {
    // The main window's own menus (the secondary windows have menu bars of their own).
    std::vector<QWidget*> menus = {view_->menuBar()};
    for (QMenu* menu : view_->menuBar()->findChildren<QMenu*>()) menus.push_back(menu);
    for (QWidget* menu : menus) {
        std::set<QChar> letters;
        for (QAction* action : menu->actions()) {
            if (action->isSeparator()) continue;
            const QString text = action->text();
            const int at = text.indexOf('&');
            ASSERT_GE(at, 0) << text.toStdString();
            EXPECT_TRUE(letters.insert(text.at(at + 1).toLower()).second)
                << text.toStdString() << " in " << menu->objectName().toStdString();
            const std::string caption =
                view_->Model().View()[action->objectName().toStdString()].caption;
            EXPECT_EQ(QString(text).remove('&').toStdString(), caption);
        }
    }
}

// The wave table is visited a line at a time: a, b and φ of one term, then the next.
TEST_F(MenuLetters, WaveTableIsVisitedLineByLine) {
    std::vector<std::string> names;
    for (QWidget* widget : view_->Controls()->Binder().TabOrder())
        names.push_back(widget->objectName().toStdString());
    const auto first = std::find(names.begin(), names.end(), "Text3(0)");
    ASSERT_NE(first, names.end());
    const std::vector<std::string> expected = {"Text3(0)", "Text4(0)", "Text5(0)",
                                               "Text3(1)", "Text4(1)", "Text5(1)"};
    EXPECT_EQ(std::vector<std::string>(first, first + 6), expected);
    EXPECT_EQ(*(std::find(names.begin(), names.end(), "Text5(9)") + 1), "Option6");
}

}  // namespace
}  // namespace quorbel
