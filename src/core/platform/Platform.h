#pragma once
// What the window models ask of the platform: message boxes, file dialogs, the
// printer set-up and the end of the program. The Qt layer implements it with real
// dialogs; the command-line companion and the tests implement it with scripted answers.
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quorbel {

// Only named here: the platform hands out sound devices and pages to draw on, and
// whoever uses them includes their headers.
class SoundInput;
class SoundOutput;
class Surface;

// One printed document: a page to draw on, sent to the printer (or written to its
// file) when the document ends.
class PrintJob {
  public:
    virtual ~PrintJob() = default;
    virtual Surface& Page() = 0;
    // Ends the document; false when the printer or the file refused it.
    virtual bool EndDoc() = 0;
};

// The printable area of a Letter sheet less quarter-inch margins, twips (an A4 sheet's
// is in Paper.h); the page layouts are absolute and fit both.
inline constexpr double kPrinterPageWidth = 11520;
inline constexpr double kPrinterPageHeight = 15120;

// A picture exported to a file: what draws it, on a surface of the given size in twips,
// and how it is written. PNG has `scale` device pixels per pixel of a 96-dpi screen
// (1 or 2); SVG is measured in those screen pixels and ignores the scale; PDF is one
// page of the picture's size.
enum class PictureFormat { Png, Svg, Pdf };
struct PictureRequest {
    std::string path;
    PictureFormat format = PictureFormat::Png;
    double widthTwips = 0;
    double heightTwips = 0;
    double scale = 1;
    std::function<void(Surface&)> draw;
};

// The part of the screen a window may take (less the desktop's panels), in twips at
// the screen's logical DPI (1440 a logical inch).
struct ScreenArea {
    double width = 0, height = 0;
};

class Platform {
  public:
    virtual ~Platform() = default;
    // A message box with an OK button only and no title of its own.
    virtual void MessageBox(const std::string& text) = 0;
    // Ends the program at once (menu "Exit").
    virtual void Quit() = 0;
    // The file dialog for opening a file. `filter` is "Description (*.ext)|*.ext", or
    // several such pairs joined by "|", offered in that order; the dialog starts on
    // pair `initial` (counted from 0), or, later in the session, on the folder and the
    // pair chosen last with the same filter. The chosen file's full path, or nothing
    // when the user cancelled.
    virtual std::optional<std::string> OpenFileName(const std::string& filter, int initial) {
        (void)filter;
        (void)initial;
        return std::nullopt;
    }

    // The printer set-up dialog, where the user chooses the printer.
    virtual void PrinterSetup() = 0;
    // A new document on the chosen printer, or in a PDF file the user names when no
    // printer is installed; nullptr when the user cancels.
    virtual std::unique_ptr<PrintJob> StartPrinting() = 0;
    // The save dialog with a filter written "Description|*.ext"; the dialog asks
    // before an existing file is overwritten. nullopt when cancelled.
    virtual std::optional<std::string> SaveFileName(const std::string& filter) = 0;
    // Starts another program in a normal window and returns at once; false when it
    // cannot be started.
    virtual bool StartProgram(const std::string& program) = 0;
    // Puts `text` on the clipboard; false where there is none.
    virtual bool CopyText(const std::string& text) {
        (void)text;
        return false;
    }
    // Draws the picture on a fresh surface of the platform and writes it to its file,
    // which is replaced only once the picture is complete. False, with the reason in
    // `error`, when the file cannot be written or pictures cannot be made here.
    virtual bool ExportPicture(const PictureRequest& request, std::string* error) {
        (void)request;
        if (error) *error = "pictures cannot be made here";
        return false;
    }
    // The screen the main window is on; nothing where there is no screen (the
    // command-line companion) or it is not known.
    virtual std::optional<ScreenArea> AvailableScreen() const { return std::nullopt; }
    // The default sound output; nullptr where sound cannot be played at all.
    virtual SoundOutput* Audio() { return nullptr; }
    // The default sound input (SoundInput.h), owned by the platform; nullptr where the
    // platform has none.
    virtual SoundInput* Input() { return nullptr; }
};

}  // namespace quorbel
