// Building the main window's widgets from the control table, connecting them to the
// model's handlers and copying the model's state back after every handler.
#include "MainWindowView.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
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
#include "HelpWindowViews.h"
#include "OpeningParamsView.h"
#include "PictureWindowView.h"
#include "SecondaryWindowView.h"
#include "surface/Fonts.h"

namespace quorbel {

namespace {

// The window's background: the central widget and the unnamed boxes that only
// arrange the controls. Moves and clicks that land there, and not on a control,
// belong to the window itself.
class Background : public QWidget {
  public:
    std::function<void()> onMove;
    std::function<void()> onClick;

    explicit Background(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }

  protected:
    void mouseMoveEvent(QMouseEvent* event) override {
        if (OnBackground(*event) && onMove) onMove();
    }
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (rect().contains(event->position().toPoint()) && OnBackground(*event) && onClick)
            onClick();
    }

  private:
    bool OnBackground(const QMouseEvent& event) const {
        const QWidget* under = childAt(event.position().toPoint());
        return under == nullptr || under->objectName().isEmpty();
    }
};

}  // namespace

MainWindowView::MainWindowView(Platform& platform, const std::filesystem::path& paramFile,
                               QWidget* parent)
    : QMainWindow(parent) {
    RegisterFontSubstitutions();
    // The controls' own font, whose metrics the layout was made for.
    setFont(MakeFont(FontState{}));

    // The window is built from the table the model starts with; the drawing areas
    // must exist before the model, which draws on them from its first handler on.
    const ViewState initial = MainWindowInitialView();
    setWindowTitle(ToQString(initial.caption));
    auto* background = new Background(this);
    setCentralWidget(background);
    background->onMove = [this] {
        RunCall([this] { model_->Fire(kWindowControl, Event::MouseMove); });
    };
    background->onClick = [this] {
        RunCall([this] { model_->Fire(kWindowControl, Event::Click); });
    };
    binder_ = new ControlBinder(initial, background, menuBar());
    widgets_ = binder_->Widgets();
    report_ = new SecondaryWindowView(this, ReportWindowInitialView(), kReportWidth, kReportHeight,
                                      "Form5");
    inverse_ = new SecondaryWindowView(this, InverseWindowInitialView(), kForm4Width, kForm4Height,
                                       "Form4");
    rawFile_ =
        new SecondaryWindowView(this, RawFileInitialView(), kForm6Width, kForm6Height, "Form6");
    const RawFileSurfaces rawSurfaces{rawFile_->Surface(), rawFile_->Graph("Picture1")->Surface(),
                                      rawFile_->Graph("Picture2")->Surface(),
                                      rawFile_->Graph("Picture4")->Surface()};
    bitmap_ = new PictureWindowView(this, "Form8", kBitmapOuterWidth, kBitmapOuterHeight,
                                    kBitmapClientWidth, kBitmapClientHeight);
    params_ = new OpeningParamsView(this);
    nyquist_ = new PictureWindowView(this, "Form3", kNyquistPageWidth, kNyquistPageHeight);
    phase_ = new PictureWindowView(this, "Form7", kPhasePageWidth, kPhasePageHeight);
    about_ = new AboutWindowView(this);
    splash_ = new SplashWindowView(this);
    model_ = std::make_unique<MainWindowModel>(
        platform, ParamFile(paramFile),
        MainWindowSurfaces{Graph("Picture1")->Surface(), Graph("Picture2")->Surface(),
                           Graph("Picture8")->Surface(), Graph("Picture9")->Surface(),
                           report_->Surface(), &Graph("Picture5")->Surface(), &inverse_->Surface(),
                           &rawSurfaces, &bitmap_->Surface(), &nyquist_->Surface(),
                           &phase_->Surface()});
    report_->onClose = [this] { RunCall([this] { model_->Report().Form_Unload(); }); };
    auto run = [this](const std::function<void()>& call) { RunCall(call); };
    report_->Attach(model_->Report(), run);
    inverse_->Attach(model_->InverseResults(), run);
    inverse_->onClose = [this] { RunCall([this] { model_->InverseResults().Form_Unload(); }); };
    rawFile_->Attach(model_->RawFile(), run);
    rawFile_->onClose = [this] { RunCall([this] { model_->RawFile().Form_Unload(); }); };
    model_->RawFile().onProgress = [this] { rawFile_->RepaintNow(); };
    // The hourglass shows as soon as a handler asks for it, while it still works.
    model_->onMousePointerChange = [this](int pointer) { ApplyPointer(pointer); };
    LayOut();
    binder_->Attach(*model_, run);
    bitmap_->Bind(model_->Bitmap(), run);
    bitmap_->onClose = [this] { RunCall([this] { model_->Bitmap().Form_Unload(); }); };
    params_->Bind(model_->OpeningParams(), run);
    params_->onClose = [this] { RunCall([this] { model_->OpeningParams().Form_Unload(); }); };
    nyquist_->Bind(model_->NyquistHelp(), run);
    nyquist_->onClose = [this] { RunCall([this] { model_->NyquistHelp().Form_Unload(); }); };
    phase_->Bind(model_->PhaseHelp(), run);
    phase_->onClose = [this] { RunCall([this] { model_->PhaseHelp().Form_Unload(); }); };
    about_->Bind(model_->About(), run);
    about_->onClose = [this] { RunCall([this] { model_->About().Form_Unload(); }); };
    splash_->Bind(model_->Splash(), run);
    splash_->onClose = [this] { RunCall([this] { model_->Splash().Form_Unload(); }); };
    splash_->onKey = [this] { RunCall([this] { model_->Splash().Form_KeyPress(); }); };
    Sync();
}

MainWindowView::~MainWindowView() {
    if (waitCursor_) QApplication::restoreOverrideCursor();
}

bool MainWindowView::Load() {
    ++running_;
    const bool loaded = model_->Form_Load();
    --running_;
    Sync();
    return loaded;
}

GraphWidget* MainWindowView::Graph(const std::string& name) const {
    return binder_->Graph(name);
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
    RunCall([this] { model_->Form_Unload(); });
    event->accept();
}

// --- copying the model's state into the widgets

void MainWindowView::Sync() {
    const ViewState& view = model_->View();
    setWindowTitle(ToQString(view.caption));
    binder_->Sync();
    PlaceMusicalView();
    ApplyPointer(view.mousePointer);
    report_->Sync();
    inverse_->Sync();
    rawFile_->Sync();
    if (bitmap_) bitmap_->Sync();
    if (params_) params_->Sync();
    for (ModelWindowView* view :
         {static_cast<ModelWindowView*>(nyquist_), static_cast<ModelWindowView*>(phase_),
          static_cast<ModelWindowView*>(about_), static_cast<ModelWindowView*>(splash_)})
        if (view) view->Sync();
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
