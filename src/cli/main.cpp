// fftquorbel-cli: the main window's computations from the command line (see --help).
#include <QGuiApplication>
#include <QString>
#include <QtGlobal>
#include <clocale>
#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "CliRun.h"
#include "views/Translations.h"

namespace {

// Standard error carries the window's messages, one per line, and nothing else:
// Qt's own notes about the environment (no runtime folder, no display) are dropped;
// its critical errors still come through.
void QtMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::cerr << "fftquorbel-cli: " << text.toStdString() << '\n';
    }
}

}  // namespace

int main(int argc, char** argv) {
#if defined(SIGXFSZ)
    // A limit on the size of files makes a write fail (EFBIG), said like a full disk,
    // instead of ending the program with its temporary file left behind.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    // The graphs are drawn into images only; without a display Qt is given the
    // offscreen platform rather than failing to connect to one.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    qInstallMessageHandler(QtMessages);

    // Our words are kept away from Qt, which would take options such as -platform out of
    // the command line for itself.
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    int qtArgc = 1;
    char* qtArgv[] = {argc > 0 ? argv[0] : const_cast<char*>("fftquorbel-cli"), nullptr};
    QGuiApplication app(qtArgc, qtArgv);
    // Qt sets the C library's locale from the environment; its numbers keep the period
    // here whatever the language (the fields, drawings and files read them that way).
    std::setlocale(LC_NUMERIC, "C");
    // Messages, the report and --help in the user's language; the lists of numbers are
    // the same in every language.
    quorbel::InstallTranslationsFromEnvironment(app);

    return quorbel::cli::RunCli(arguments, std::cout, std::cerr);
}
