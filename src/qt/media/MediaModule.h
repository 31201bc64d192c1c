#pragma once
// Sound (Qt Multimedia and the sound server's own client library), the printer's
// dialogs and SVG drawings live in a module of their own, loaded the first time one of
// them is wanted. A start-up needs none of them, and with the two dozen libraries they
// bring they would make the way to the window's first paint half as long again.
//
// The module is the shared object `fftquorbel-media.so`, beside the other libraries
// of an installed program, or in the build tree for a program run from there. It
// calls into the program that loads it (which exports its own code for it), so its
// code exists once. Programs that carry the module's code in themselves (the tests,
// the benchmarks) use that code and load nothing.
#include <QPageLayout>
#include <QPixmap>
#include <QSize>
#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "platform/Platform.h"
#include "sound/SoundInput.h"
#include "sound/SoundOutput.h"

class QIODevice;
class QObject;
class QWidget;

namespace quorbel {

// The default sound output, which a command waits on until the sound has played.
class PlayerOutput : public SoundOutput {
  public:
    // Runs the event loop until the sound started last has been played (true), has
    // failed, has stopped moving, or its length and `marginMs` more have passed
    // (false, with the reason in `error`).
    virtual bool WaitUntilPlayed(int marginMs, std::string* error) = 0;
};

// The printer: chosen in its set-up, and kept while its owner lives.
class PrinterChoice {
  public:
    virtual ~PrinterChoice() = default;
    // The set-up dialog, owned by `window`.
    virtual void Setup(QWidget* window) = 0;
    // Whether any printer is installed.
    virtual bool Installed() const = 0;
    // The print dialog; the job on the printer chosen, or nullptr when the dialog is
    // cancelled or the printer cannot be used (`report` is told so).
    virtual std::unique_ptr<PrintJob> Start(
        QWidget* window, const std::function<void(const std::string&)>& report) = 0;
    // The sheet and margins chosen (the sheet of the user's locale until then).
    virtual QPageLayout Layout() const = 0;
};

class MediaModule {
  public:
    virtual ~MediaModule() = default;
    virtual std::unique_ptr<PlayerOutput> MakeSoundOutput() = 0;
    virtual std::unique_ptr<SoundInput> MakeSoundInput() = 0;
    virtual std::unique_ptr<PrinterChoice> MakePrinter() = 0;
    // The picture of `request` as an SVG document written on `output`, in 96-dpi pixels;
    // false when the drawing could not be made.
    virtual bool WriteSvg(const PictureRequest& request, QIODevice& output) = 0;
    // The program's own picture (its icon), centred in `size` (logical pixels) at
    // `devicePixelRatio`, keeping its proportions, on a transparent ground.
    virtual QPixmap ProgramPicture(QSize size, qreal devicePixelRatio) = 0;
    // Asks the sound server whether it answers, without anyone waiting
    // (SoundServerProbe.h): `answered` is told on the thread of `context`.
    virtual void AskSoundServer(QObject* context, std::function<void()> answered,
                                std::chrono::milliseconds deadline) = 0;
};

// The module, loaded on first use and kept; nullptr when it cannot be loaded, with a
// sentence saying why (without its full stop) in `why`.
MediaModule* Media(std::string* why = nullptr);

// The sound server is asked `after` that long, by the module then loaded, and
// `answered` is told once it has answered. Until it is asked, the sound input and
// output below count the server as answering without loading anything.
void AskSoundServerAfter(QObject* context, std::function<void()> answered,
                         std::chrono::milliseconds deadline, std::chrono::milliseconds after);

// The default input and output as the windows use them: the module's, made when
// first used for more than knowing whether they can be.
std::unique_ptr<SoundInput> LaterSoundInput();
std::unique_ptr<SoundOutput> LaterSoundOutput();

}  // namespace quorbel
