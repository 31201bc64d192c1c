// Where the main window's controls sit. Left: the number of points, the cycles, the
// function to be analysed and the calculation buttons. Right: the FFT graph (or its
// two half-height graphs, which take its place) with the display options and the
// expansion, scale, peak and harmonics buttons beside it, and the graph of f(t) below.
#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

#include "ControlBinder.h"
#include "GraphWidget.h"
#include "MainWindowView.h"

namespace quorbel {

namespace {

// The width of the left column, in twips.
constexpr double kLeftColumnWidth = 4320;
// The width of the short number fields, in twips.
constexpr double kNumberFieldWidth = 1100;
// The vertical gap between the two half-height graphs, in twips.
constexpr double kHalfGraphGap = 345;

QBoxLayout* Column(QWidget* owner = nullptr) {
    auto* layout = new QVBoxLayout(owner);
    return layout;
}

QBoxLayout* Row() {
    return new QHBoxLayout;
}

}  // namespace

QWidget* MainWindowView::Take(const std::string& name) {
    const auto it = widgets_.find(name);
    if (it == widgets_.end()) return nullptr;
    placed_.push_back(name);
    return it->second;
}

void MainWindowView::LayOut() {
    QWidget* background = centralWidget();
    // Adds a control to a layout, if the window has it.
    auto add = [this](QBoxLayout* layout, const std::string& name, int stretch = 0,
                      Qt::Alignment align = {}) {
        if (QWidget* widget = Take(name)) layout->addWidget(widget, stretch, align);
    };
    auto addToGrid = [this](QGridLayout* grid, const std::string& name, int row, int column,
                            int columnSpan = 1, Qt::Alignment align = {}) {
        if (QWidget* widget = Take(name))
            grid->addWidget(widget, row, column, 1, columnSpan, align);
    };
    auto frameLayout = [this](const std::string& name) -> QBoxLayout* {
        const auto it = widgets_.find(name);
        return it == widgets_.end() ? Column() : Column(it->second);
    };

    // --- left column
    auto* left = new QWidget(background);
    left->setFixedWidth(TwipsToPixels(this, kLeftColumnWidth));
    QBoxLayout* leftColumn = Column(left);
    leftColumn->setContentsMargins(0, 0, 0, 0);

    auto* numbers = new QGridLayout;
    const std::pair<const char*, const char*> numberRows[] = {
        {"Label1", "Text1"},          {"Label7", "Text7"}, {"Label8", "Text6"},
        {"Label22(0)", "Label22(1)"}, {"Label3", "Text2"},
    };
    int row = 0;
    for (const auto& [label, field] : numberRows) {
        if (auto* text = qobject_cast<QLabel*>(widgets_.count(label) ? widgets_[label] : nullptr))
            text->setWordWrap(true);
        if (auto* edit =
                qobject_cast<QLineEdit*>(widgets_.count(field) ? widgets_[field] : nullptr))
            edit->setFixedWidth(TwipsToPixels(this, kNumberFieldWidth));
        addToGrid(numbers, label, row, 0);
        addToGrid(numbers, field, row, 1, 1, Qt::AlignLeft);
        ++row;
    }
    numbers->setColumnStretch(0, 1);
    addToGrid(numbers, "Label27", row++, 0, 2);
    addToGrid(numbers, "Command12", row++, 0, 2, Qt::AlignLeft);
    leftColumn->addLayout(numbers);

    // The multiple waves: the formula, the wave table and Sin/Cos.
    QBoxLayout* waves = frameLayout("Frame1");
    add(waves, "Image3");
    add(waves, "Image4");
    auto* table = new QGridLayout;
    table->setHorizontalSpacing(4);
    table->setVerticalSpacing(1);
    const char* headers[] = {"Label12", "Label13", "Label23"};
    const char* columns[] = {"Text3", "Text4", "Text5"};
    for (int c = 0; c < 3; ++c) {
        addToGrid(table, headers[c], 0, c, 1, Qt::AlignHCenter);
        for (int i = 0; i < kTableRows; ++i)
            addToGrid(table, std::string(columns[c]) + "(" + std::to_string(i) + ")", i + 1, c);
    }
    waves->addLayout(table);
    QBoxLayout* sinCos = Row();
    add(sinCos, "Option6");
    add(sinCos, "Option7");
    sinCos->addStretch(1);
    waves->addLayout(sinCos);
    add(leftColumn, "Frame1");

    // The simple waves.
    QBoxLayout* simple = frameLayout("Frame6");
    add(simple, "Option4");
    add(simple, "Option5");
    add(simple, "Option9");
    add(simple, "Image5");
    add(simple, "Image6");
    add(simple, "Image7");
    QBoxLayout* phase = Row();
    add(phase, "Label24");
    add(phase, "Text8");
    phase->addStretch(1);
    simple->addLayout(phase);
    add(leftColumn, "Frame6");

    // The calculation buttons.
    auto* buttons = new QGridLayout;
    addToGrid(buttons, "Command1", 0, 0);
    addToGrid(buttons, "Command5", 0, 1);
    addToGrid(buttons, "Command17", 0, 2);
    addToGrid(buttons, "Command16", 1, 0, 2);
    addToGrid(buttons, "Command18", 1, 2);
    addToGrid(buttons, "Command13", 2, 0);
    leftColumn->addLayout(buttons);

    // --- right: the graphs and their controls
    // The FFT graph and the two half-height graphs share one place of constant size,
    // so nothing around them moves when the display switches between them.
    auto* place = new QWidget(background);
    QBoxLayout* stack = Column(place);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(TwipsToPixels(this, kHalfGraphGap));
    add(stack, "Picture1");
    for (const auto& [container, graph] :
         {std::pair{"Picture6", "Picture8"}, std::pair{"Picture7", "Picture9"}}) {
        if (!widgets_.count(container)) continue;
        QBoxLayout* inside = Column(widgets_[container]);
        inside->setContentsMargins(0, 0, 0, 0);
        add(inside, graph);
        add(stack, container, 0, Qt::AlignHCenter);
    }
    stack->addStretch(1);
    if (GraphWidget* fft = Graph("Picture1")) place->setFixedSize(fft->sizeHint());

    QBoxLayout* graphs = Column();
    graphs->addWidget(place);
    add(graphs, "Label17");
    add(graphs, "Label5");
    add(graphs, "Label11");
    add(graphs, "Label9");
    graphs->addStretch(1);

    QBoxLayout* display = frameLayout("Frame2");
    for (const char* option : {"Option1", "Option2", "Option3", "Option8", "Option10"})
        add(display, option);

    QBoxLayout* side = Column();
    add(side, "Frame2");
    add(side, "Label10");
    add(side, "Command8");
    add(side, "Command6");
    add(side, "Command3");
    QBoxLayout* peaks = Row();
    add(peaks, "Command4");
    add(peaks, "Command7");
    side->addLayout(peaks);
    add(side, "Label28");
    QBoxLayout* harmonics = Row();
    add(harmonics, "Command2");
    add(harmonics, "Command11");
    side->addLayout(harmonics);
    QBoxLayout* musical = frameLayout("Frame5");
    add(musical, "Command9");
    add(musical, "Command10");
    add(musical, "Slider1");
    add(musical, "Label15");
    add(musical, "Label18");
    if (auto* hint =
            qobject_cast<QLabel*>(widgets_.count("Label18") ? widgets_["Label18"] : nullptr))
        hint->setWordWrap(true);
    add(side, "Frame5");
    side->addStretch(1);

    QBoxLayout* top = Row();
    top->addLayout(graphs);
    top->addLayout(side);

    QBoxLayout* right = Column();
    right->addLayout(top);
    add(right, "Label4");
    add(right, "Picture2", 0, Qt::AlignLeft);
    right->addStretch(1);

    QBoxLayout* window = Row();
    background->setLayout(window);
    window->addWidget(left, 0, Qt::AlignTop);
    window->addLayout(right, 1);

    // The musical view lies over the window, outside the layouts: at normal size on
    // the FFT graph's place, panoramic across the whole window. Sync places it.
    if (QWidget* view = Take("Picture4")) {
        musicalPlace_ = place;
        for (const char* inside : {"Picture5", "HScroll2"})
            if (QWidget* widget = Take(inside)) widget->setParent(view);
    }

    AddUnplaced(leftColumn);
    leftColumn->addStretch(1);
}

void MainWindowView::PlaceMusicalView() {
    const auto frame = widgets_.find("Picture4");
    if (frame == widgets_.end() || !musicalPlace_) return;
    const ViewState& view = model_->View();
    const ControlState& outer = view["Picture4"];
    // The frame's left is 0 when panoramic, and the FFT graph's place otherwise.
    const QPoint place = musicalPlace_->mapTo(centralWidget(), QPoint(0, 0));
    const int left = outer.left > 0 ? place.x() : 0;
    frame->second->setGeometry(left, place.y(), TwipsToPixels(this, outer.width),
                               TwipsToPixels(this, outer.height));
    frame->second->raise();
    for (const char* name : {"Picture5", "HScroll2"}) {
        const auto inner = widgets_.find(name);
        if (inner == widgets_.end()) continue;
        const ControlState& c = view[name];
        const QSize size = inner->second->sizeHint();
        inner->second->setGeometry(TwipsToPixels(this, c.left), TwipsToPixels(this, c.top),
                                   c.width >= 0 ? TwipsToPixels(this, c.width) : size.width(),
                                   c.height >= 0 ? TwipsToPixels(this, c.height) : size.height());
    }
}

void MainWindowView::AddUnplaced(QLayout* fallback) {
    // Controls that lie over a drawing area become its children; Sync places them.
    for (const auto& [name, widget] : widgets_) {
        const auto graph = binder_->Graphs().find(model_->View()[name].parent);
        if (graph == binder_->Graphs().end()) continue;
        widget->setParent(graph->second);
        placed_.push_back(name);
    }
    // Controls the table holds beyond the ones placed above go into their frame, or
    // at the end of the left column, so that none is ever lost.
    for (const auto& [name, widget] : widgets_) {
        if (std::find(placed_.begin(), placed_.end(), name) != placed_.end()) continue;
        const std::string& parent = model_->View()[name].parent;
        const auto frame = widgets_.find(parent);
        QLayout* layout =
            frame != widgets_.end() && frame->second->layout() ? frame->second->layout() : fallback;
        layout->addWidget(widget);
        placed_.push_back(name);
    }
}

}  // namespace quorbel
