// fftquorbel-cli: the main window's computations from the command line (see --help).
#include <fcntl.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QString>
#include <QtGlobal>
#include <clocale>
#include <csignal>
#include <iostream>
#include <ostream>
#include <string>
#include <vector>

#include "CliRun.h"
#include "DescriptorOutput.h"
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

// A standard stream the shell left closed keeps its number taken (by the null
// device), so that no file the program opens later receives the list or the messages
// meant for it. True when standard output was closed: the list then fails as written
// to a closed descriptor.
bool TakeClosedStandardStreams() {
    bool outputClosed = false;
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (fcntl(fd, F_GETFD) != -1) continue;
        outputClosed = outputClosed || fd == STDOUT_FILENO;
        // The lowest free number is the one just found closed.
        ::open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
    }
    return outputClosed;
}

}  // namespace

int main(int argc, char** argv) {
    const bool outputClosed = TakeClosedStandardStreams();
#if defined(SIGXFSZ)
    // A limit on the size of files makes a write fail (EFBIG), said like a full disk,
    // instead of ending the program with its temporary file left behind.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    // The graphs are drawn into images only: Qt gets the offscreen platform whatever
    // display the environment names, so a display that is gone or refuses us never
    // stops the program.
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

    // Every write to standard output is checked: a full disk or a closed output is a
    // message and exit status 1, not a list silently cut short.
    quorbel::cli::DescriptorOutput standardOutput(outputClosed ? -1 : STDOUT_FILENO);
    std::ostream out(&standardOutput);
    return quorbel::cli::RunCli(arguments, out, std::cerr);
}
