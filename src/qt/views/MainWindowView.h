#pragma once
// The main window of the desktop program, a humble view of MainWindowModel. It builds
// its widgets once from the window's control table (each widget's object name is its
// control name), hands every user event to the model's handler for that control and
// event, and afterwards copies the model's whole ViewState and the analysis fields
// back into the widgets. It decides nothing: captions, check marks, enabled and
// visible states and everything drawn come from the model.
#include <QMainWindow>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "windows/MainWindowModel.h"

class QAction;
class QLineEdit;
class QMenu;
class QLayout;

namespace quorbel {

class ControlBinder;
class GraphWidget;
class SecondaryWindowView;
class OpeningParamsView;
class PictureWindowView;
class AboutWindowView;
class SplashWindowView;

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

    MainWindowModel& Model() { return *model_; }
    const MainWindowModel& Model() const { return *model_; }
    // The drawing area of that name (Picture1, Picture2, Picture8, Picture9).
    GraphWidget* Graph(const std::string& name) const;
    SecondaryWindowView* ReportWindow() const { return report_; }
    SecondaryWindowView* InverseWindow() const { return inverse_; }
    SecondaryWindowView* RawFileWindow() const { return rawFile_; }
    PictureWindowView* BitmapWindow() const { return bitmap_; }
    OpeningParamsView* OpeningParamsWindow() const { return params_; }
    PictureWindowView* NyquistWindow() const { return nyquist_; }
    PictureWindowView* PhaseWindow() const { return phase_; }
    AboutWindowView* AboutWindow() const { return about_; }
    SplashWindowView* SplashWindow() const { return splash_; }

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void LayOut();

    // Runs one call into the model, then brings the widgets up to date.
    template <class Call>
    void RunCall(Call&& call);

    QWidget* Take(const std::string& name);
    void AddUnplaced(QLayout* fallback);
    void PlaceMusicalView();
    void ApplyPointer(int pointer);

    std::unique_ptr<MainWindowModel> model_;
    ControlBinder* binder_ = nullptr;
    std::map<std::string, QWidget*> widgets_;  // the binder's widgets, for the layout
    SecondaryWindowView* report_ = nullptr;
    SecondaryWindowView* inverse_ = nullptr;
    SecondaryWindowView* rawFile_ = nullptr;
    PictureWindowView* bitmap_ = nullptr;
    OpeningParamsView* params_ = nullptr;
    PictureWindowView* nyquist_ = nullptr;
    PictureWindowView* phase_ = nullptr;
    AboutWindowView* about_ = nullptr;
    SplashWindowView* splash_ = nullptr;
    std::vector<std::string> placed_;
    int running_ = 0;  // handlers in progress (a message box may run events meanwhile)
    bool waitCursor_ = false;
    QWidget* musicalPlace_ = nullptr;  // where the musical view stands at normal size
};

}  // namespace quorbel
