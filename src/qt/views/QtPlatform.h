#pragma once
// The platform services of the desktop program: message boxes with an OK button only,
// titled like the program's main window, the printer and file dialogs, and the end of
// the program.
#include <QPointer>
#include <QString>
#include <QWidget>
#include <map>
#include <memory>

#include "media/MediaModule.h"
#include "platform/Platform.h"

namespace quorbel {

class QtPlatform : public Platform {
  public:
    explicit QtPlatform(QWidget* window = nullptr);
    ~QtPlatform() override;

    // The window that owns the message boxes; its title is theirs.
    void SetWindow(QWidget* window) { window_ = window; }

    void MessageBox(const std::string& text) override;
    // Leaves the event loop as soon as the running handler has returned.
    void Quit() override;
    // The toolkit's file dialog; "Description (*.ext)|*.ext" becomes its name filter.
    // The folder and the filter chosen last are kept for each filter while the
    // program runs.
    std::optional<std::string> OpenFileName(const std::string& filter, int initial) override;

    void PrinterSetup() override;
    // The print dialog (a printer or a PDF file); without any printer installed, a
    // save dialog for a PDF file.
    std::unique_ptr<PrintJob> StartPrinting() override;
    std::optional<std::string> SaveFileName(const std::string& filter) override;
    bool StartProgram(const std::string& program) override;
    bool CopyText(const std::string& text) override;
    // Written by WritePictureFile (PictureFile.h).
    bool ExportPicture(const PictureRequest& request, std::string* error) override;
    // The primary screen's available geometry (the desktop's panels left out).
    std::optional<ScreenArea> AvailableScreen() const override;
    // The desktop's default sound output and recording device, made on first use
    // (MediaModule.h).
    SoundOutput* Audio() override;
    SoundInput* Input() override;

  private:
    PrinterChoice* Printer();
    std::unique_ptr<PrintJob> PdfJob();

    QPointer<QWidget> window_;
    // For each filter of the open dialog: the folder and the name filter chosen last.
    struct OpenDialogMemory {
        QString folder;
        QString nameFilter;
    };
    std::map<std::string, OpenDialogMemory> openMemory_;
    // Created on first use and kept, so the printer chosen stays chosen.
    std::unique_ptr<PrinterChoice> printer_;
    std::unique_ptr<SoundOutput> sound_;
    std::unique_ptr<SoundInput> input_;
};

}  // namespace quorbel
