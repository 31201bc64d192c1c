#include "QtPlatform.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMetaObject>
#include <QProcess>
#include <QScreen>
#include <QStringList>

#include "platform/Translation.h"
#include "surface/Fonts.h"
#include "surface/PictureFile.h"
#include "surface/PrinterSurface.h"

namespace quorbel {

QtPlatform::QtPlatform(QWidget* window) : window_(window) {}

QtPlatform::~QtPlatform() = default;

void QtPlatform::MessageBox(const std::string& text) {
    // A message has no title of its own: it carries the program's, which is the title
    // of its main window (empty while there is none).
    const QString title = window_ ? window_->window()->windowTitle() : QString();
    QMessageBox box(QMessageBox::NoIcon, title, ToQString(text), QMessageBox::Ok, window_);
    box.exec();
}

std::optional<std::string> QtPlatform::OpenFileName(const std::string& filter, int initial) {
    // Only the descriptions are offered (every other part of the filter): they
    // already name their patterns.
    QStringList descriptions;
    const QStringList parts = ToQString(Translate("Filters", filter)).split(QLatin1Char('|'));
    for (qsizetype i = 0; i < parts.size(); i += 2) descriptions << parts[i];
    OpenDialogMemory& memory = openMemory_[filter];
    QFileDialog dialog(window_);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters(descriptions);
    if (!memory.folder.isEmpty()) dialog.setDirectory(memory.folder);
    const QString start = !memory.nameFilter.isEmpty()                    ? memory.nameFilter
                          : initial >= 0 && initial < descriptions.size() ? descriptions[initial]
                                                                          : QString();
    if (!start.isEmpty()) dialog.selectNameFilter(start);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString name = dialog.selectedFiles().constFirst();
    memory.folder = dialog.directory().absolutePath();
    memory.nameFilter = dialog.selectedNameFilter();
    return QFile::encodeName(name).toStdString();
}

void QtPlatform::Quit() {
    // Queued, so the handler that asked for it finishes before the loop ends.
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                              Qt::QueuedConnection);
}

PrinterChoice* QtPlatform::Printer() {
    if (!printer_) {
        std::string why;
        MediaModule* media = Media(&why);
        if (!media) {
            MessageBox(why + ".");
            return nullptr;
        }
        printer_ = media->MakePrinter();
    }
    return printer_.get();
}

void QtPlatform::PrinterSetup() {
    if (PrinterChoice* printer = Printer()) printer->Setup(window_);
}

std::unique_ptr<PrintJob> QtPlatform::PdfJob() {
    const QString name = QFileDialog::getSaveFileName(
        window_, QCoreApplication::translate("Messages", "Print to a PDF file"), QString(),
        QStringLiteral("PDF (*.pdf)"));
    if (name.isEmpty()) return nullptr;
    // Without a printer the set-up still chooses the sheet, which the file then uses.
    return PdfPrintJob(
        QFile::encodeName(name).toStdString(),
        [this](const std::string& message) { MessageBox(message); }, FileCalls::System(),
        printer_ ? printer_->Layout() : PageLayoutOf(LocalePaper()));
}

std::unique_ptr<PrintJob> QtPlatform::StartPrinting() {
    PrinterChoice* printer = Printer();
    if (!printer) return nullptr;
    if (!printer->Installed()) return PdfJob();
    return printer->Start(window_, [this](const std::string& message) { MessageBox(message); });
}

namespace {
// "ext" of a filter whose pattern is one "*.ext", else empty.
QString DefaultSuffix(const std::string& filter) {
    const auto bar = filter.find('|');
    if (bar == std::string::npos) return {};
    const std::string pattern = filter.substr(bar + 1);
    if (pattern.size() < 3 || pattern.compare(0, 2, "*.") != 0 ||
        pattern.find_first_of("*?[]; |", 2) != std::string::npos)
        return {};
    return ToQString(pattern.substr(2));
}
}  // namespace

std::optional<std::string> QtPlatform::SaveFileName(const std::string& english) {
    const std::string filter = Translate("Filters", english);
    // "Description|*.ext" becomes Qt's "Description (*.ext)"; the dialog asks before
    // an existing file is replaced.
    const auto bar = filter.find('|');
    const QString qtFilter =
        bar == std::string::npos
            ? ToQString(filter)
            : ToQString(filter.substr(0, bar) + " (" + filter.substr(bar + 1) + ")");
    QFileDialog dialog(window_, QString(), QString(), qtFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (const QString suffix = DefaultSuffix(filter); !suffix.isEmpty()) {
        // A name typed without an extension gets the filter's, and the question about
        // replacing an existing file is asked about that final name. The toolkit's own
        // dialog does both in that order; a desktop's dialog may ask about the name as
        // typed, before the extension is added.
        dialog.setDefaultSuffix(suffix);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
    }
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList names = dialog.selectedFiles();
    if (names.isEmpty() || names.first().isEmpty()) return std::nullopt;
    return QFile::encodeName(names.first()).toStdString();
}

bool QtPlatform::CopyText(const std::string& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return false;
    clipboard->setText(QString::fromStdString(text));
    return true;
}

bool QtPlatform::StartProgram(const std::string& program) {
    return QProcess::startDetached(QFile::decodeName(program.c_str()), {});
}

bool QtPlatform::ExportPicture(const PictureRequest& request, std::string* error) {
    return WritePictureFile(request, error);
}

std::optional<ScreenArea> QtPlatform::AvailableScreen() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return std::nullopt;
    const QRect area = screen->availableGeometry();
    const double twipsPerPixel = 1440.0 / screen->logicalDotsPerInch();
    return ScreenArea{area.width() * twipsPerPixel, area.height() * twipsPerPixel};
}

SoundOutput* QtPlatform::Audio() {
    if (!sound_) sound_ = LaterSoundOutput();
    return sound_.get();
}

SoundInput* QtPlatform::Input() {
    if (!input_) input_ = LaterSoundInput();
    return input_.get();
}

}  // namespace quorbel
