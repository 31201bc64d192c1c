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

class GraphWidget;

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

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    using Handler = void (MainWindowModel::*)();

    // A text box and the analysis field it shows (row: wave-table row, else 0).
    struct FieldBinding {
        QLineEdit* edit;
        Field field;
        int row;
    };

    void CreateMenus(const ViewState& initial);
    void CreateControls(const ViewState& initial);
    void LayOut();
    void Connect();

    // Runs one model handler, then brings the widgets up to date.
    void Run(Handler handler);
    template <class Call>
    void RunCall(Call&& call);

    QWidget* Take(const std::string& name);
    void AddUnplaced(QLayout* fallback);
    void SyncWidget(const std::string& name, const ControlState& control);
    void SyncFields();
    void SyncGraphs();
    void SyncPointerAndFocus();
    void ApplyPointer(int pointer);
    double Px(double twips) const;

    std::unique_ptr<MainWindowModel> model_;
    std::map<std::string, QWidget*> widgets_;
    std::map<std::string, QAction*> actions_;  // menu items, separators, menus' actions
    std::map<std::string, QMenu*> menus_;
    std::map<std::string, GraphWidget*> graphs_;
    std::vector<FieldBinding> fields_;
    std::vector<std::string> placed_;
    int running_ = 0;  // handlers in progress (a message box may run events meanwhile)
    bool waitCursor_ = false;
    std::string focus_;
};

}  // namespace quorbel
