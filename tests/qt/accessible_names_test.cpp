// What a screen reader hears, read through Qt's accessibility interfaces: every
// control's name (its caption, or the labels beside and above a field), its tooltip as
// its description, and for a graph a description of what it shows that follows every
// calculation.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "CaseName.h"
#include "QtViews.h"
#include "views/ControlBinder.h"
#include "views/WindowView.h"

namespace quorbel {
namespace {

using Windows = WindowView* (MainWindowView::*)();

struct NameCase {
    const char* control;
    Windows window;
    const char* opener;  // the menu entry that shows the window, or the button pressed
    const char* name;
    const char* description;  // the whole description, or (graphs) a piece of it
};
void PrintTo(const NameCase& c, std::ostream* out) {
    *out << c.control << " " << c.name;
}

class AccessibleName : public testing::ShownMainWindow,
                       public ::testing::WithParamInterface<NameCase> {
  protected:
    QAccessibleInterface* Interface(const char* control) {
        WindowView* window = (view_.get()->*GetParam().window)();
        QObject* object = window->Binder().Widget(control);
        if (!object) object = view_->findChild<QAction*>(control);
        if (auto* action = qobject_cast<QAction*>(object)) {
            // A menu entry's interface is made by the menu that lists it.
            for (QObject* holder : action->associatedObjects())
                if (QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(holder))
                    for (int i = 0; i < menu->childCount(); ++i) menu->child(i);
        }
        return object ? QAccessible::queryAccessibleInterface(object) : nullptr;
    }
};

TEST_P(AccessibleName, IsItsCaptionOrItsLabels) {
    const NameCase& c = GetParam();
    if (*c.opener) {
        if (auto* action = view_->findChild<QAction*>(c.opener))
            action->trigger();
        else
            qobject_cast<QPushButton*>(view_->Controls()->Binder().Widget(c.opener))->click();
    }
    QAccessibleInterface* iface = Interface(c.control);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->text(QAccessible::Name).toStdString(), c.name);
    const std::string description = iface->text(QAccessible::Description).toStdString();
    if (iface->role() == QAccessible::Graphic || iface->role() == QAccessible::Client)
        EXPECT_NE(description.find(c.description), std::string::npos) << description;
    else
        EXPECT_EQ(description, c.description);
}

constexpr Windows kMain = &MainWindowView::Controls;
constexpr Windows kParams = &MainWindowView::OpeningParamsWindow;

const NameCase kNames[] = {
    {"Command17", kMain, "", "Both", "Calculate and plot again f(t) and FFT graphs (Ctrl+B)"},
    {"Command3", kMain, "", "Log", "Change scales of FFT graph (Ctrl+L)"},
    {"Option8", kMain, "", "Vector Rho = (r2+i2)^(1/2)", ""},
    {"Frame2", kMain, "", "Display", ""},
    {"Text2", kMain, "", "Number of cycles (per second)", "Type here the desired value"},
    {"Text1", kMain, "", "Total number of points in f(t) graph", ""},
    {"Text3(0)", kMain, "", "a, row 1", ""},
    {"Text4(9)", kMain, "", "b, row 10", ""},
    {"Text5(4)", kMain, "", "φ, row 5", ""},
    {"Text8", kMain, "mnuSimpleWavesItem", "Phase", "Type the desired value"},
    {"Picture1", kMain, "", "FFT graph", "Peaks, frequency and amplitude: "},
    {"Picture2", kMain, "", "Graph of f(t)", "f(t) = Σ aᵢ·sin(bᵢ·2πνt + φᵢ)"},
    {"Picture5", kMain, "Command3", "Musical graph", "piano keyboard"},
    {"HScroll2", kMain, "Command3", "Musical graph", ""},
    {"mnuReport", kMain, "", "Report", ""},
    {"Text6", kParams, "mnuConfigInitItem", "Total number of points", ""},
    {"Text4(2)", kParams, "mnuConfigInitItem", "b, row 3", ""},
    {"Text1", &MainWindowView::RawFileWindow, "mnuFilesrawItem",
     "Frequency of file .raw (modify by typing a new value if necessary):", ""},
};

INSTANTIATE_TEST_SUITE_P(EveryKindOfControl, AccessibleName, ::testing::ValuesIn(kNames),
                         testing::PrintedName());

// The graphs' descriptions follow each calculation, and tell the screen reader so.
struct Recalculation {
    const char* name;
    const char* graph;
    std::function<void(MainWindowView&)> act;
    const char* after;  // a piece of the description afterwards, absent before
};
void PrintTo(const Recalculation& c, std::ostream* out) {
    *out << c.name;
}

class GraphDescription : public testing::ShownMainWindow,
                         public ::testing::WithParamInterface<Recalculation> {};

void Type(MainWindowView& view, const char* field, const char* text) {
    auto* edit = qobject_cast<QLineEdit*>(view.Controls()->Binder().Widget(field));
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void Both(MainWindowView& view) {
    qobject_cast<QPushButton*>(view.Controls()->Binder().Widget("Command17"))->click();
}

TEST_P(GraphDescription, FollowsTheCalculation) {
    const Recalculation& c = GetParam();
    QWidget* graph = view_->Controls()->Binder().Widget(c.graph);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(graph);
    ASSERT_NE(iface, nullptr);
    const QString before = iface->text(QAccessible::Description);
    EXPECT_FALSE(before.contains(c.after)) << before.toStdString();
    c.act(*view_);
    const QString after = iface->text(QAccessible::Description);
    EXPECT_TRUE(after.contains(c.after)) << after.toStdString();
}

const Recalculation kRecalculations[] = {
    {"NewHarmonicPeak", "Picture1",
     [](MainWindowView& v) {
         Type(v, "Text3(1)", "0.5");
         Type(v, "Text4(1)", "13");
         Both(v);
     },
     "390 Hz "},
    {"NewAmplitudeRange", "Picture2",
     [](MainWindowView& v) {
         Type(v, "Text3(0)", "3");
         Both(v);
     },
     "φ: 3, 1, "},
    {"RealPartShown", "Picture1",
     [](MainWindowView& v) {
         qobject_cast<QAbstractButton*>(v.Controls()->Binder().Widget("Option2"))->click();
     },
     "Real (r)"},
};

INSTANTIATE_TEST_SUITE_P(MainWindow, GraphDescription, ::testing::ValuesIn(kRecalculations),
                         testing::PrintedName());

}  // namespace
}  // namespace quorbel
