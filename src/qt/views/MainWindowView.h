#pragma once
// The main window of the desktop program, a humble view of MainWindowModel. It owns
// the model and the views of the secondary windows; every window, this one included,
// is a WindowView built from its control table, which places each control at its
// rectangle and hands every user event to the model's handler for that control and
// event. After each handler the views copy the model's whole ViewState back into the
// widgets. It decides nothing: captions, check marks, states, places and everything
// drawn come from the models.
#include <QMainWindow>
#include <QTimer>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "windows/MainWindowModel.h"

namespace quorbel {

class GraphWidget;
class ImageSurface;
class WindowView;

class MainWindowView : public QMainWindow {
    Q_OBJECT

  public:
    // paramFile: the opening-parameters file the window starts from (the program
    // passes ParamFile::DefaultPath()).
    MainWindowView(Platform& platform, const std::filesystem::path& paramFile,
                   QWidget* parent = nullptr);
    ~MainWindowView() override;

    // Runs the start-up sequence and shows its result. False when the program cannot
    // start; the model has then told the user why.
    bool Load();

    // Copies the model's view state and fields into the widgets.
    void Sync();
    // Opens the lesson in `path` in the Lessons window (fftquorbel --lesson PATH);
    // false when it is broken (the window says why).
    bool OpenLesson(const std::filesystem::path& path);

    MainWindowModel& Model() { return *model_; }
    const MainWindowModel& Model() const { return *model_; }
    // The drawing area of that name (Picture1, Picture2, Picture8, Picture9).
    GraphWidget* Graph(const std::string& name) const;
    // The view of the main window's own controls.
    WindowView* Controls() { return controls_; }
    // The secondary windows' views, each made on first use (when the model first shows
    // the window, or when asked for here).
    WindowView* ReportWindow() { return Secondary("Form5"); }
    WindowView* InverseWindow() { return Secondary("Form4"); }
    WindowView* RawFileWindow() { return Secondary("Form6"); }
    WindowView* BitmapWindow() { return Secondary("Form8"); }
    WindowView* OpeningParamsWindow() { return Secondary("Form2"); }
    WindowView* NyquistWindow() { return Secondary("Form3"); }
    WindowView* PhaseWindow() { return Secondary("Form7"); }
    WindowView* HelpTopicsWindow() { return Secondary("FormTopics"); }
    WindowView* AboutWindow() { return Secondary("frmAbout"); }
    WindowView* SplashWindow() { return Secondary("frmSplash"); }
    WindowView* SpectrogramWindow() { return Secondary("FormSpectrogram"); }
    // The view of the secondary window of that name (as the window registry names it).
    WindowView* Secondary(const char* name);
    // Every window view, the main window's first (those not yet made are made).
    std::vector<WindowView*> Views();

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // Runs one call into the model, then brings the widgets up to date.
    template <class Call>
    void RunCall(Call&& call);

    void ApplyPointer(int pointer);
    // Every window, and every picture kept for one, at the zoom the model holds.
    void ApplyZoom();
    int zoom_ = 100;  // percent, as applied
    // The pictures of the secondary windows, by "Window" (its own) or "Window.Control".
    void MakeSecondarySurfaces();
    ImageSurface& KeptSurface(const std::string& window, const std::string& control = {});
    // The views made so far, the main window's first.
    std::vector<WindowView*> BuiltViews() const;
    // The spectrogram is analysed a slice at a time from the event loop while its
    // window wants it, so the windows answer in between.
    void ScheduleSlices();

    // The views first: their widgets (children of this window) hold surfaces the
    // model draws on, so the model, declared after them, goes first; the views are
    // detached from it before.
    WindowView* controls_ = nullptr;
    // The secondary windows' pictures: the model draws on them from the start, their
    // windows show them once made.
    std::map<std::string, std::unique_ptr<ImageSurface>> surfaces_;
    std::map<std::string, WindowView*> windows_;  // the secondary windows made, by name
    QTimer* slices_ = nullptr;
    std::unique_ptr<RawFileSurfaces> rawSurfaces_;  // the raw file window's, for the model
    std::unique_ptr<MainWindowModel> model_;
    int running_ = 0;  // handlers in progress (a message box may run events meanwhile)
    bool waitCursor_ = false;
};

}  // namespace quorbel
