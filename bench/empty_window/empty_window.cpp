// The reference of the start-up benchmark: an empty Qt Widgets window of the main
// window's size (1008 x 598 pixels with its menu bar), with nothing in it. It closes
// itself as soon as it has been painted once.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <cstdlib>

namespace {

class EmptyWindow : public QMainWindow {
  protected:
    void paintEvent(QPaintEvent* event) override {
        QMainWindow::paintEvent(event);
        // Once this paint has reached the screen.
        QTimer::singleShot(0, [] { std::_Exit(0); });
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    EmptyWindow window;
    window.menuBar()->addMenu(QStringLiteral("File"));
    window.resize(1008, 598);
    window.show();
    return app.exec();
}
