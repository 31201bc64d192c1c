// The desktop program: one main window on the user's display.
#include <QApplication>
#include <QFile>
#include <QStringList>
#include <QTimer>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "platform/DecimalMark.h"
#include "platform/Translation.h"
#include "state/ParamFile.h"
#include "surface/Fonts.h"
#include "views/MainWindowView.h"
#include "views/QtPlatform.h"
#include "views/Translations.h"

#if defined(__unix__) && !defined(__APPLE__)
#include <unistd.h>
#include <xcb/xcb.h>
#endif

namespace {

// Why there is no display: an English text (%1 is the display's name, quoted) said in
// the user's language once the translations can be read.
struct NoDisplayReason {
    const char* english;
    std::string display;
};

#if defined(__unix__) && !defined(__APPLE__)
std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

void Wake(int) {}

// A connection to the X server that answered the check, held until Qt has its own:
// an X server whose last client leaves resets itself, and a connection Qt makes
// while that reset is under way is refused (a fresh virtual display with no other
// client is such a server).
struct Disconnect {
    void operator()(xcb_connection_t* connection) const { xcb_disconnect(connection); }
};
using DisplayHold = std::unique_ptr<xcb_connection_t, Disconnect>;

// A connection to the X server at `display`. One that does not come within a few
// seconds (a remote host that drops the packets) counts as no answer: the alarm
// interrupts the connecting call.
DisplayHold ConnectToDisplay(const std::string& display) {
    struct sigaction wake {
    }, previous{};
    wake.sa_handler = Wake;
    sigemptyset(&wake.sa_mask);
    ::sigaction(SIGALRM, &wake, &previous);
    const unsigned pending = ::alarm(5);
    DisplayHold connection(xcb_connect(display.c_str(), nullptr));
    ::alarm(pending);
    ::sigaction(SIGALRM, &previous, nullptr);
    return connection;
}

// Why no window can be shown, or nothing when one can. Without a display, or with one
// that does not answer, Qt would abort with a long message about platform plugins;
// the program says plainly what is missing instead. A platform chosen through
// QT_QPA_PLATFORM (other than X) and a Wayland session are left to Qt. The display
// that answered is held in `hold`.
std::optional<NoDisplayReason> NoDisplay(DisplayHold& hold) {
    const std::string platform = Variable("QT_QPA_PLATFORM");
    const std::string display = Variable("DISPLAY");
    const bool wayland = !Variable("WAYLAND_DISPLAY").empty();
    if (!platform.empty() && platform.rfind("xcb", 0) != 0) return std::nullopt;
    if (display.empty()) {
        if (wayland && platform.empty()) return std::nullopt;
        return NoDisplayReason{QT_TRANSLATE_NOOP("Messages", "DISPLAY is not set"), ""};
    }
    hold = ConnectToDisplay(display);
    const bool answers = hold && xcb_connection_has_error(hold.get()) == 0;
    if (answers || (wayland && platform.empty())) return std::nullopt;
    return NoDisplayReason{QT_TRANSLATE_NOOP("Messages", "the display %1 does not answer"),
                           "\"" + display + "\""};
}
#else
using DisplayHold = std::unique_ptr<int>;
std::optional<NoDisplayReason> NoDisplay(DisplayHold&) {
    return std::nullopt;
}
#endif

QtMessageHandler qtMessages = nullptr;

// Qt's messages, but for its note that there is no runtime folder: outside a desktop
// session (started from a plain terminal, over ssh, under a virtual display) there is
// none, and Qt makes one of its own as it should. Its warnings about a runtime folder
// it cannot use still come through.
void Messages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg && text.startsWith(u"QStandardPaths: XDG_RUNTIME_DIR not set")) return;
    qtMessages(type, context, text);
}

// For measuring start-up (bench/startup_bench.cpp): with QUORBEL_EXIT_AFTER_FIRST_PAINT
// set, the program ends as soon as its first paint has reached the screen, without
// writing anything.
class ExitAfterFirstPaint : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !ending_) {
            ending_ = true;
            QTimer::singleShot(0, [] { std::_Exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool ending_ = false;
};

}  // namespace

int main(int argc, char** argv) {
#if defined(SIGXFSZ)
    // A limit on the size of files makes a write fail (EFBIG), said like a full disk,
    // instead of ending the program with its temporary file left behind.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    qtMessages = qInstallMessageHandler(Messages);
    DisplayHold display;
    if (const std::optional<NoDisplayReason> why = NoDisplay(display)) {
        // An application without a display is enough to read the translations.
        QCoreApplication core(argc, argv);
        quorbel::InstallTranslationsFromEnvironment(core);
        const std::string reason =
            quorbel::FillIn(quorbel::Translate("Messages", why->english), {why->display});
        const std::string line = quorbel::FillIn(
            quorbel::Translate("Messages",
                               "no display available (%1); start it from a desktop session or "
                               "under xvfb-run"),
            {reason});
        std::fprintf(stderr, "fftquorbel: %s\n", line.c_str());
        return 1;
    }
    QApplication app(argc, argv);
    // Qt is connected now; the server keeps running when the check's connection goes.
    display.reset();
    // Qt sets the C library's locale from the environment; its numbers keep the period
    // here whatever the language (the fields, drawings and files read them that way).
    std::setlocale(LC_NUMERIC, "C");
    // The installed menu entry's name (without ".desktop"): desktops match the window to
    // the entry and show its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quorbel.fftquorbel"));
    quorbel::RegisterFontSubstitutions();
    quorbel::InstallTranslationsFromEnvironment(app);
    // A student types decimals as the language writes them; the companion, which
    // scripts drive, keeps the point.
    quorbel::SetTypedDecimalMarks(quorbel::LanguageDecimalMarks(quorbel::EnvironmentLanguage()));

    quorbel::QtPlatform platform;
    const std::filesystem::path paramFile = quorbel::ParamFile::DefaultPath();
    // What an ended earlier run left half-done is mended before the file is read.
    std::string error;
    if (!quorbel::ParamFile(paramFile).RecoverAtStartup(&error))
        platform.MessageBox(
            quorbel::FillIn(quorbel::Translate("Messages",
                                               "The opening-parameters file %1 could not be "
                                               "restored from its kept copy: %2."),
                            {paramFile.string(), error}));
    ExitAfterFirstPaint exitAfterFirstPaint;
    if (std::getenv("QUORBEL_EXIT_AFTER_FIRST_PAINT")) app.installEventFilter(&exitAfterFirstPaint);
    quorbel::MainWindowView window(platform, paramFile);
    platform.SetWindow(&window);
    if (!window.Load()) return 1;
    window.show();
    // fftquorbel --lesson PATH: the lesson in that folder, open beside the window.
    const QStringList arguments = QCoreApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& word = arguments[i];
        if (word.startsWith(QStringLiteral("--lesson="))) {
            window.OpenLesson(QFile::encodeName(word.mid(9)).toStdString());
        } else if (word == QStringLiteral("--lesson") && i + 1 < arguments.size()) {
            window.OpenLesson(QFile::encodeName(arguments[++i]).toStdString());
        }
    }
    return app.exec();
}
