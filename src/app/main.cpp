// The desktop program: one main window on the user's display.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "state/ParamFile.h"
#include "surface/Fonts.h"
#include "views/MainWindowView.h"
#include "views/QtPlatform.h"

namespace {

#if defined(__unix__) && !defined(__APPLE__)
bool Set(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

// Without a display Qt would abort with a long message about platform plugins; say
// plainly what is missing instead.
bool DisplayAvailable() {
    return Set("DISPLAY") || Set("WAYLAND_DISPLAY") || Set("QT_QPA_PLATFORM");
}
#else
bool DisplayAvailable() {
    return true;
}
#endif

}  // namespace

int main(int argc, char** argv) {
    if (!DisplayAvailable()) {
        std::fputs(
            "fftquorbel: no display available (DISPLAY is not set); start it from a desktop "
            "session or under xvfb-run\n",
            stderr);
        return 1;
    }
    QApplication app(argc, argv);
    // The installed menu entry's name (without ".desktop"): desktops match the window to
    // the entry and show its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quorbel.fftquorbel"));
    quorbel::RegisterFontSubstitutions();

    quorbel::QtPlatform platform;
    quorbel::MainWindowView window(platform, quorbel::ParamFile::DefaultPath());
    platform.SetWindow(&window);
    if (!window.Load()) return 1;
    window.show();
    return app.exec();
}
