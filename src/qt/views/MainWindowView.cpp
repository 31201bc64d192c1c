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

#include "ControlBinder.h"
#include "GraphWidget.h"
#include "WindowView.h"
#include "audio/SoundServerProbe.h"
#include "surface/Fonts.h"
#include "windows/WindowRegistry.h"

namespace quorbel {

MainWindowView::MainWindowView(Platform& platform, const std::filesystem::path& paramFile,
                               QWidget* parent)
    : QMainWindow(parent) {
    RegisterFontSubstitutions();
    // The controls' own font, whose metrics the tables' places were made for.
    setFont(MakeFont(FontState{}));

    // Every window is built from the table its model starts with; the drawing areas
    // must exist before the model, which draws on them from its first handler on.
    const ViewState initial = MainWindowInitialView();
    setWindowTitle(ToQString(initial.caption));
    controls_ = new WindowView(initial, this);
    setCentralWidget(controls_);
    // The window keeps its start-up size: nothing shown or hidden changes it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // The secondary windows, each built from the table its registry entry names.
    for (const WindowEntry& entry : SecondaryWindows())
        windows_[entry.name] =
            new WindowView(this, entry.initial(), entry.pictureWidth, entry.pictureHeight);
    WindowView* rawFile = RawFileWindow();
    rawSurfaces_ = std::make_unique<RawFileSurfaces>(RawFileSurfaces{
        rawFile->Surface(), rawFile->Graph("Picture1")->Surface(),
        rawFile->Graph("Picture2")->Surface(), rawFile->Graph("Picture4")->Surface()});
    rawSurfaces_->Spectrogram = &SpectrogramWindow()->Graph("Picture1")->Surface();
    SplashWindow()->setWindowFlag(Qt::FramelessWindowHint);
    // The sound server is asked without waiting for it, before the model first wants
    // to know: the Sound menu and "Record" follow its answer when it comes (within
    // SoundServerProbe.h's deadline).
    AskSoundServerLater(this, [this] { RunCall([this] { model_->SoundServerAnswered(); }); });
    model_ = std::make_unique<MainWindowModel>(
        platform, ParamFile(paramFile),
        MainWindowSurfaces{
            Graph("Picture1")->Surface(), Graph("Picture2")->Surface(),
            Graph("Picture8")->Surface(), Graph("Picture9")->Surface(), ReportWindow()->Surface(),
            &Graph("Picture5")->Surface(), &InverseWindow()->Surface(), rawSurfaces_.get(),
            &BitmapWindow()->Surface(), &NyquistWindow()->Graph("Picture1")->Surface(),
            &PhaseWindow()->Graph("Picture1")->Surface(),
            &HelpTopicsWindow()->Graph("Picture1")->Surface()});
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
    auto run = [this](const std::function<void()>& call) { RunCall(call); };
    controls_->Attach(*model_, run);
    for (const WindowEntry& entry : SecondaryWindows())
        windows_.at(entry.name)->Attach(entry.model(*model_), run);
    slices_ = new QTimer(this);
    slices_->setInterval(0);
    connect(slices_, &QTimer::timeout, this,
            [this] { RunCall([this] { model_->RawFile().Spectrogram().AnalyseSlice(); }); });
    Sync();
}

std::vector<WindowView*> MainWindowView::Views() const {
    std::vector<WindowView*> views = {controls_};
    for (const WindowEntry& entry : SecondaryWindows()) views.push_back(windows_.at(entry.name));
    return views;
}

MainWindowView::~MainWindowView() {
    if (waitCursor_) QApplication::restoreOverrideCursor();
    if (slices_) slices_->stop();
    // Nothing may reach the model once it is gone: the views let go of it first, then
    // it goes while the surfaces it draws on still exist.
    for (WindowView* view : Views()) view->Detach();
    model_.reset();
}

bool MainWindowView::Load() {
    ++running_;
    const bool loaded = model_->Form_Load();
    --running_;
    Sync();
    return loaded;
}

WindowView* MainWindowView::Secondary(const char* name) const {
    return windows_.at(name);
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
    for (WindowView* window : Views()) window->Sync();
    ApplyPointer(view.mousePointer);
    ScheduleSlices();
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
