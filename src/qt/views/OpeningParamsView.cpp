#include "OpeningParamsView.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ControlBinder.h"

namespace quorbel {

void OpeningParamsView::LayOut(ControlBinder& binder, QVBoxLayout& layout) {
    auto w = [&binder](const std::string& name) { return binder.Widget(name); };
    auto* leading = new QGridLayout;
    leading->addWidget(w("Label1"), 0, 0);
    leading->addWidget(w("Text6"), 0, 1);
    leading->addWidget(w("Label7"), 0, 2);
    leading->addWidget(w("Label3"), 1, 0);
    leading->addWidget(w("Text2"), 1, 1);
    layout.addLayout(leading);

    auto* frame = static_cast<QGroupBox*>(w("Frame1"));
    auto* table = new QGridLayout(frame);
    const char* const columns[] = {"Text3", "Text4", "Text5"};
    const char* const headings[] = {"Label4", "Label5", "Label6"};
    for (int c = 0; c < 3; ++c) {
        table->addWidget(w(headings[c]), 0, c, Qt::AlignHCenter);
        for (int i = 0; i < 10; ++i)
            table->addWidget(w(std::string(columns[c]) + "(" + std::to_string(i) + ")"), i + 1, c);
    }
    table->addWidget(w("Image1"), 1, 3, 10, 1, Qt::AlignVCenter);
    layout.addWidget(frame);

    auto* help = static_cast<QLabel*>(w("Label2"));
    help->setWordWrap(true);
    layout.addWidget(help);
    auto* buttons = new QHBoxLayout;
    for (const char* name : {"Command1", "Command2", "Command3"}) buttons->addWidget(w(name));
    layout.addLayout(buttons);
}

}  // namespace quorbel
