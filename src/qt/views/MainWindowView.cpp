// Building the main window and its secondary windows from their control tables,
// connecting them to the models' handlers and copying the models' state back after
// every handler.
#include "MainWindowView.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>
#include <functional>
#include <optional>
#include <stdexcept>

#include "ControlBinder.h"
#include "GraphWidget.h"
#include "LessonFolders.h"
#include "WindowView.h"
#include "Zoom.h"
#include "media/MediaModule.h"
#include "surface/Fonts.h"
#include "windows/LessonsWindowModel.h"
#include "windows/WindowRegistry.h"

namespace quorbel {

MainWindowView::MainWindowView(Platform& platform, const std::filesystem::path& paramFile,
                               QWidget* parent)
    : QMainWindow(parent) {
    RegisterFontSubstitutions();
    // The controls' own font, whose metrics the tables' places were made for.
    SetZoomedFont(this, FontState{});

    // Every window is built from the table its model starts with; the drawing areas
    // must exist before the model, which draws on them from its first handler on.
    const ViewState initial = MainWindowInitialView();
    setWindowTitle(ToQString(initial.caption));
    controls_ = new WindowView(initial, this);
    setCentralWidget(controls_);
    // The window keeps its start-up size: nothing shown or hidden changes it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // The secondary windows are made when first shown or asked for; the pictures the
    // model draws on in them exist from the start (without pixels until drawn on).
    MakeSecondarySurfaces();
    rawSurfaces_ = std::make_unique<RawFileSurfaces>(
        RawFileSurfaces{KeptSurface("Form6"), KeptSurface("Form6", "Picture1"),
                        KeptSurface("Form6", "Picture2"), KeptSurface("Form6", "Picture4")});
    rawSurfaces_->Spectrogram = &KeptSurface("FormSpectrogram", "Picture1");
    // The sound server is asked without waiting for it, before the model first wants
    // to know: the Sound menu and "Record" follow its answer when it comes (within
    // two seconds). Calling it waits until the window is on the screen, which loading
    // the sound libraries and calling the server would otherwise delay (MediaModule.h).
    AskSoundServerAfter(
        this, [this] { RunCall([this] { model_->SoundServerAnswered(); }); },
        std::chrono::seconds(2), std::chrono::milliseconds(150));
    model_ = std::make_unique<MainWindowModel>(
        platform, ParamFile(paramFile),
        MainWindowSurfaces{Graph("Picture1")->Surface(), Graph("Picture2")->Surface(),
                           Graph("Picture8")->Surface(), Graph("Picture9")->Surface(),
                           KeptSurface("Form5"), &Graph("Picture5")->Surface(),
                           &KeptSurface("Form4"), rawSurfaces_.get(), &KeptSurface("Form8"),
                           &KeptSurface("Form3", "Picture1"), &KeptSurface("Form7", "Picture1"),
                           &KeptSurface("FormNmr", "Picture1"), &KeptSurface("FormNmr", "Picture2"),
                           &KeptSurface("FormTopics", "Picture1")});
    // While the window listens, frames come many times a second and the raw file
    // window's progress has nothing to show.
    model_->RawFile().onProgress = [this] {
        if (!model_->Listening()) RawFileWindow()->RepaintNow();
    };
    // A frame of the live view arrives from the sound input, not from a handler.
    model_->onLiveFrame = [this] {
        if (running_ == 0) Sync();
    };
    // The hourglass shows as soon as a handler asks for it, while it still works.
    model_->onMousePointerChange = [this](int pointer) { ApplyPointer(pointer); };
    model_->Lessons().SetShippedFolders(ShippedLessonFolders());
    controls_->Attach(*model_, [this](const std::function<void()>& call) { RunCall(call); });
    slices_ = new QTimer(this);
    slices_->setInterval(0);
    connect(slices_, &QTimer::timeout, this,
            [this] { RunCall([this] { model_->RawFile().Spectrogram().AnalyseSlice(); }); });
    Sync();
}

void MainWindowView::MakeSecondarySurfaces() {
    for (const WindowEntry& entry : SecondaryWindows()) {
        if (entry.pictureWidth > 0 && entry.pictureHeight > 0)
            surfaces_[entry.name] =
                GraphWidget::MakeSurface(entry.pictureWidth, entry.pictureHeight);
        const ViewState initial = entry.initial();
        for (const auto& [name, control] : initial.controls)
            if (ControlBinder::IsDrawingArea(initial, name))
                surfaces_[std::string(entry.name) + "." + name] = GraphWidget::MakeSurface(
                    std::max(control.width, 1.0), std::max(control.height, 1.0));
    }
}

ImageSurface& MainWindowView::KeptSurface(const std::string& window, const std::string& control) {
    return *surfaces_.at(control.empty() ? window : window + "." + control);
}

WindowView* MainWindowView::Secondary(const char* name) {
    if (const auto found = windows_.find(name); found != windows_.end()) return found->second;
    const WindowEntry* entry = FindWindowEntry(name);
    if (!entry || entry == &WindowRegistry().front()) throw std::out_of_range(name);
    const std::string window = name;
    auto* view = new WindowView(
        this, entry->initial(), entry->pictureWidth, entry->pictureHeight,
        [this, window](const std::string& control) -> ImageSurface* {
            auto found = surfaces_.find(control == window ? window : window + "." + control);
            return found == surfaces_.end() ? nullptr : found->second.get();
        });
    if (window == "frmSplash") view->setWindowFlag(Qt::FramelessWindowHint);
    windows_[window] = view;
    view->Attach(entry->model(*model_),
                 [this](const std::function<void()>& call) { RunCall(call); });
    view->Sync();
    return view;
}

std::vector<WindowView*> MainWindowView::BuiltViews() const {
    std::vector<WindowView*> views = {controls_};
    for (const WindowEntry& entry : SecondaryWindows())
        if (const auto found = windows_.find(entry.name); found != windows_.end())
            views.push_back(found->second);
    return views;
}

std::vector<WindowView*> MainWindowView::Views() {
    std::vector<WindowView*> views = {controls_};
    for (const WindowEntry& entry : SecondaryWindows()) views.push_back(Secondary(entry.name));
    return views;
}

MainWindowView::~MainWindowView() {
    if (waitCursor_) QApplication::restoreOverrideCursor();
    if (slices_) slices_->stop();
    // Nothing may reach the model once it is gone: the views let go of it first, then
    // it goes while the surfaces it draws on still exist; the secondary windows go
    // before the surfaces they show.
    for (WindowView* view : BuiltViews()) view->Detach();
    model_.reset();
    for (const auto& [name, view] : windows_) delete view;
    windows_.clear();
}

bool MainWindowView::Load() {
    ++running_;
    const bool loaded = model_->Form_Load();
    --running_;
    Sync();
    return loaded;
}

bool MainWindowView::OpenLesson(const std::filesystem::path& path) {
    bool opened = false;
    RunCall([&] { opened = model_->Lessons().OpenLesson(path); });
    return opened;
}

GraphWidget* MainWindowView::Graph(const std::string& name) const {
    return controls_->Graph(name);
}

// --- events

template <class Call>
void MainWindowView::RunCall(Call&& call) {
    ++running_;
    call();
    --running_;
    Sync();
}

bool MainWindowView::event(QEvent* event) {
    // Activation after start-up only, and never in the middle of a handler (a message
    // box that closes gives the window back its activation).
    if (event->type() == QEvent::WindowActivate && model_ && model_->View().shown && running_ == 0)
        RunCall([this] { model_->Form_Activate(); });
    return QMainWindow::event(event);
}

void MainWindowView::closeEvent(QCloseEvent* event) {
    controls_->FireWindow(Event::Unload);
    event->accept();
}

// --- copying the model's state into the widgets

void MainWindowView::Sync() {
    const ViewState& view = model_->View();
    setWindowTitle(ToQString(view.caption));
    if (model_->Viewing().zoom != zoom_) ApplyZoom();
    // A secondary window is made when the model first shows it.
    for (const WindowEntry& entry : SecondaryWindows())
        if (!windows_.count(entry.name) && entry.model(*model_).View().shown) Secondary(entry.name);
    for (WindowView* window : BuiltViews()) window->Sync();
    ApplyPointer(view.mousePointer);
    ScheduleSlices();
}

void MainWindowView::ApplyZoom() {
    zoom_ = model_->Viewing().zoom;
    SetScreenZoom(zoom_ / 100.0);
    RezoomFonts(this);
    for (const auto& [name, surface] : surfaces_) surface->SetZoom(ScreenZoom());
    for (WindowView* window : BuiltViews()) window->ApplyZoom();
    adjustSize();
}

void MainWindowView::ScheduleSlices() {
    if (!slices_) return;
    const bool analysing = model_->RawFile().Spectrogram().Analysing();
    if (analysing && !slices_->isActive()) slices_->start();
    if (!analysing && slices_->isActive()) slices_->stop();
}

void MainWindowView::ApplyPointer(int pointer) {
    const bool wait = pointer == kPointerHourglass;
    if (wait == waitCursor_) return;
    if (wait)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
    waitCursor_ = wait;
}

}  // namespace quorbel
